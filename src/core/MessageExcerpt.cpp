#include "core/MessageExcerpt.h"

#include <cstdint>
#include <optional>

namespace loopsim {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

// The lead byte of a UTF-8 sequence of each length: its marker bits under the mask, and
// the smallest code point the sequence may hold (a smaller one is an overlong form).
struct SequenceForm {
    std::uint8_t mask;
    std::uint8_t marker;
    std::size_t length;
    char32_t smallest;
};
constexpr SequenceForm kSequenceForms[] = {
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};

// The UTF-8 character at the start of text, or nothing when its bytes are not one (a stray
// byte, a sequence cut short, an overlong form, a surrogate, past U+10FFFF).
std::optional<Decoded> decodeCharacter(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    if (byte(0) < 0x80)
        return Decoded{byte(0), 1};
    for (const SequenceForm& form : kSequenceForms) {
        if ((byte(0) & form.mask) != form.marker)
            continue;
        if (text.size() < form.length)
            return std::nullopt;
        char32_t codePoint = byte(0) & static_cast<std::uint8_t>(~form.mask);
        for (std::size_t i = 1; i < form.length; ++i) {
            if ((byte(i) & 0xC0) != 0x80)
                return std::nullopt;
            codePoint = (codePoint << 6) | (byte(i) & 0x3F);
        }
        if (codePoint < form.smallest || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return std::nullopt;
        return Decoded{codePoint, form.length};
    }
    return std::nullopt;
}

// Characters that show nothing or change how the rest of the line is shown.
bool isInvisible(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x200B || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

void appendByteEscape(std::string& out, std::uint8_t byte) {
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

void appendCodePointEscape(std::string& out, char32_t c) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHexDigits[(c >> shift) & 0xF];
}

void appendAsciiEscaped(std::string& out, char c) {
    switch (c) {
        case '\t':
            out += "\\t";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\\':
            out += "\\\\";
            return;
        default:
            if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F)
                appendByteEscape(out, static_cast<std::uint8_t>(c));
            else
                out += c;
    }
}

}  // namespace

std::string messageExcerpt(std::string_view text) {
    std::string out;
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == kMessageExcerptCharacters) {
            out += "...";
            break;
        }
        ++characters;
        const auto decoded = decodeCharacter(text);
        if (!decoded) {
            appendByteEscape(out, static_cast<std::uint8_t>(text.front()));
            text.remove_prefix(1);
            continue;
        }
        if (decoded->length == 1)
            appendAsciiEscaped(out, text.front());
        else if (isInvisible(decoded->codePoint))
            appendCodePointEscape(out, decoded->codePoint);
        else
            out.append(text.substr(0, decoded->length));
        text.remove_prefix(decoded->length);
    }
    return out;
}

std::string quotedExcerpt(std::string_view text) {
    return "'" + messageExcerpt(text) + "'";
}

}  // namespace loopsim
