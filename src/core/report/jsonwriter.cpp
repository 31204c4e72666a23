// jsonwriter.cpp - JSON text with shortest round-trip numbers and escaped strings.
#include "core/report/jsonwriter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace prismara {

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_firstInLevel.empty()) {
        if (!m_firstInLevel.back())
            m_text += ',';
        m_firstInLevel.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject()
{
    separate();
    m_text += '{';
    m_firstInLevel.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    m_text += '}';
    m_firstInLevel.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    separate();
    m_text += '[';
    m_firstInLevel.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    m_text += ']';
    m_firstInLevel.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    value(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        m_text += "null";
        return *this;
    }
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
    m_text.append(buffer.data(), result.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(int number)
{
    separate();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    separate();
    m_text += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    separate();
    m_text += '"';
    for (const char c : text) {
        switch (c) {
        case '"': m_text += "\\\""; break;
        case '\\': m_text += "\\\\"; break;
        case '\n': m_text += "\\n"; break;
        case '\t': m_text += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                m_text += "\\u00";
                m_text += kHex[(c >> 4) & 15];
                m_text += kHex[c & 15];
            } else {
                m_text += c;
            }
        }
    }
    m_text += '"';
    return *this;
}

} // namespace prismara
