#include "AssetLookup.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace loopsim::assets {
namespace {

std::vector<std::string> nameParts(std::string_view name) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : name) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) {
                parts.push_back(std::move(part));
                part.clear();
            }
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(std::move(part));
    }
    return parts;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::optional<std::filesystem::path> findEntry(const std::filesystem::path& folder,
                                               const std::string& part) {
    std::error_code error;
    const std::filesystem::path exact = folder / part;
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    std::optional<std::filesystem::path> best;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path& candidate = it->path();
        if (equalIgnoringCase(candidate.filename().string(), part) &&
            (!best || candidate.filename() < best->filename())) {
            best = candidate;
        }
    }
    return best;
}

}  // namespace

std::optional<std::filesystem::path> findAssetFile(const std::filesystem::path& folder,
                                                   std::string_view name) {
    const std::vector<std::string> parts = nameParts(name);
    if (parts.empty()) {
        return std::nullopt;
    }
    std::filesystem::path found = folder;
    for (const std::string& part : parts) {
        if (part == "." || part == "..") {
            return std::nullopt;
        }
        std::optional<std::filesystem::path> entry = findEntry(found, part);
        if (!entry) {
            return std::nullopt;
        }
        found = std::move(*entry);
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(found, error)) {
        return std::nullopt;
    }
    return found;
}

}  // namespace loopsim::assets
