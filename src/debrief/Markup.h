// Text put into HTML or SVG: the five characters markup gives a meaning escaped, and bytes
// that are not text (control characters) dropped.
#pragma once

#include <string>
#include <string_view>

namespace loopsim {

inline std::string escapeMarkup(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                    escaped += c;
        }
    }
    return escaped;
}

}  // namespace loopsim
