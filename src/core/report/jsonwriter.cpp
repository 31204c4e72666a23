// jsonwriter.cpp - JSON text with shortest round-trip numbers and escaped strings.
#include "core/report/jsonwriter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace prismara {

void JsonWriter::separate()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back())
            text_ += ',';
        firstInLevel_.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    text_ += '{';
    firstInLevel_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    text_ += '}';
    firstInLevel_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    text_ += '[';
    firstInLevel_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    text_ += ']';
    firstInLevel_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    value(name);
    text_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        text_ += "null";
        return *this;
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    text_.append(buffer.data(), result.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(int number)
{
    separate();
    text_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    text_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    text_ += '"';
    for (const char c : text) {
        switch (c) {
        case '"': text_ += "\\\""; break;
        case '\\': text_ += "\\\\"; break;
        case '\n': text_ += "\\n"; break;
        case '\t': text_ += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                text_ += "\\u00";
                text_ += kHex[(c >> 4) & 15];
                text_ += kHex[c & 15];
            } else {
                text_ += c;
            }
        }
    }
    text_ += '"';
    return *this;
}

} // namespace prismara
