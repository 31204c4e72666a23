// jsonwriter.h - a small writer of JSON text: objects, arrays, strings, numbers, booleans.
//
// Numbers are written in the shortest form that reads back as the same double (std::to_chars), so
// nothing is rounded; NaN and infinities, which JSON cannot hold, are written as null.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace prismara {

class JsonWriter
{
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next member of the innermost object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(double number);
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }

    // The text written so far (complete once every object and array is ended).
    const std::string& text() const { return text_; }

private:
    void separate();

    std::string text_;
    std::vector<bool> firstInLevel_; // one entry per open object or array
    bool afterKey_ = false;
};

} // namespace prismara
