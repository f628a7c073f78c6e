// A small writer of compact JSON text, for state dumps.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace loopsim {

class JsonWriter {
  public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& value(double number);  // NaN and infinities as null
    JsonWriter& value(int number) { return value(static_cast<double>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& null();

    const std::string& text() const { return out_; }

  private:
    void separate();

    std::string out_;
    std::vector<bool> firstInScope_;
    bool afterKey_ = false;
};

}  // namespace loopsim
