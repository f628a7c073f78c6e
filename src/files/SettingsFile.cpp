#include "files/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "core/Format.h"
#include "core/SettingsStore.h"
#include "files/OutputFile.h"

namespace loopsim {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isStoredKey(std::string_view key) {
    constexpr StoredSetting kStored[] = {kScrubberSetting, kLeftTimerSetting, kLeftBatterySetting,
                                         kRightBatterySetting};
    return std::any_of(std::begin(kStored), std::end(kStored),
                       [&](const StoredSetting& setting) { return key == setting.key; });
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The text between double quotes with its escapes undone; nothing but blanks may follow.
std::optional<std::string> unquoted(std::string_view quoted, std::string& why) {
    std::string value;
    std::size_t i = 1;
    for (; i < quoted.size() && quoted[i] != '"'; ++i) {
        if (quoted[i] != '\\') {
            value += quoted[i];
            continue;
        }
        if (++i == quoted.size())
            break;
        switch (quoted[i]) {
            case '\\':
            case '"':
                value += quoted[i];
                break;
            case 'n':
                value += '\n';
                break;
            case 'r':
                value += '\r';
                break;
            case 't':
                value += '\t';
                break;
            case 'x': {
                const int high = i + 2 < quoted.size() ? hexDigit(quoted[i + 1]) : -1;
                const int low = high >= 0 ? hexDigit(quoted[i + 2]) : -1;
                if (low < 0) {
                    why = "\\x in a quoted value takes two hexadecimal digits";
                    return std::nullopt;
                }
                value += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                why = "a quoted value has an unknown escape";
                return std::nullopt;
        }
    }
    if (i >= quoted.size()) {
        why = "a quoted value has no closing quote";
        return std::nullopt;
    }
    if (!trimBlanks(quoted.substr(i + 1)).empty()) {
        why = "text follows a quoted value";
        return std::nullopt;
    }
    return value;
}

bool isPlain(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               c == '.' || c == '+' || c == '-' || c == '_';
    });
}

void appendQuoted(std::string& out, std::string_view value) {
    out += '"';
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

SettingsFileRead refused(int lineNumber, std::string reason) {
    return {{}, SettingsRefusal{lineNumber, std::move(reason)}};
}

constexpr const char* kTooLarge = "larger than any settings file";

}  // namespace

SettingsFileRead readSettingsText(std::string_view text) {
    SettingsFileRead read;
    auto refuse = [&](int lineNumber, std::string reason) {
        return refused(lineNumber, "not a settings file: " + reason);
    };
    if (text.size() > kLargestSettingsFile)
        return refused(0, kTooLarge);
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());

    bool inGroup = false;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t lineEnd = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(std::min(lineEnd + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos)
            return refuse(lineNumber, "a NUL byte, so not a text file");

        line = trimBlanks(line);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            if (line != "[" + std::string(kSettingsGroup) + "]")
                return refuse(lineNumber, "a group other than [Settings]");
            inGroup = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return refuse(lineNumber,
                          "neither a comment, nor the [Settings] group, nor a KEY=VALUE line");
        const std::string key(trimBlanks(line.substr(0, equals)));
        if (!isStoredKey(key))
            return refuse(lineNumber,
                          "a key other than CO2, LeftTimer, LeftBattery and RightBattery");
        if (!inGroup)
            return refuse(lineNumber, "a setting before the [Settings] group");
        const std::string_view value = trimBlanks(line.substr(equals + 1));
        if (!value.empty() && value.front() == '"') {
            std::string why;
            auto text = unquoted(value, why);
            if (!text)
                return refuse(lineNumber, why);
            read.values[key] = std::move(*text);
        } else {
            read.values[key] = std::string(value);
        }
    }
    return read;
}

std::string settingsFileText(const SettingsValues& values) {
    std::string out = "[" + std::string(kSettingsGroup) + "]\n";
    for (const auto& [key, value] : values) {
        out += key;
        out += '=';
        if (isPlain(value))
            out += value;
        else
            appendQuoted(out, value);
        out += '\n';
    }
    return out;
}

SettingsFileRead readSettingsFile(const std::filesystem::path& path) {
    if (auto kind = notAFileToWrite(path))
        return refused(0, *kind + ", not a settings file");
    // Not blocked by a pipe put in its place since it was looked at.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        if (errno == ENOENT)
            return {};
        return refused(0, "cannot be read: " + std::system_category().message(errno));
    }
    std::string text;
    struct stat file {};
    int error = 0;
    if (::fstat(descriptor, &file) != 0) {
        error = errno;
    } else if (!S_ISREG(file.st_mode)) {
        ::close(descriptor);
        return refused(0, "a special file, not a settings file");
    } else if (static_cast<std::size_t>(file.st_size) > kLargestSettingsFile) {
        ::close(descriptor);
        return refused(0, kTooLarge);
    }
    char chunk[4096];
    while (error == 0 && text.size() <= kLargestSettingsFile) {
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = errno;
        if (got <= 0)
            break;
        text.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(descriptor);
    if (error != 0)
        return refused(0, "cannot be read: " + std::system_category().message(error));
    return readSettingsText(text);
}

}  // namespace loopsim
