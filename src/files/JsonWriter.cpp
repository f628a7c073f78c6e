#include "files/JsonWriter.h"

#include <cmath>
#include <cstdio>

#include "core/Format.h"

namespace loopsim {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInScope_.empty()) {
        if (!firstInScope_.back())
            out_ += ',';
        firstInScope_.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ += '{';
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ += '}';
    firstInScope_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ += '[';
    firstInScope_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ += ']';
    firstInScope_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(double number) {
    if (!std::isfinite(number))
        return null();
    separate();
    out_ += formatRoundTrip(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    out_ += '"';
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ += escaped;
                } else {
                    out_ += static_cast<char>(c);
                }
        }
    }
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    out_ += "null";
    return *this;
}

}  // namespace loopsim
