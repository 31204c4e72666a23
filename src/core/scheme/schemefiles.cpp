// schemefiles.cpp - reading, appending and deleting the saved schemes of one style.
#include "core/scheme/schemefiles.h"

#include "core/files/fileio.h"

#include <algorithm>
#include <utility>

namespace prismara {

namespace {
constexpr std::size_t kField = SchemeStyles::kFieldLength;

std::string withoutLineBreaks(std::string_view name)
{
    std::string out(name);
    std::replace_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return out;
}
} // namespace

SchemeFiles::SchemeFiles(std::filesystem::path folder, std::size_t style)
    : folder_(std::move(folder)), style_(style)
{
}

const SchemeStyle& SchemeFiles::style() const { return SchemeStyles::style(style_); }

std::filesystem::path SchemeFiles::listPath() const { return folder_ / style().listFileName(); }

std::filesystem::path SchemeFiles::dataPath() const { return folder_ / style().dataFileName(); }

std::vector<std::string> SchemeFiles::names() const
{
    std::vector<std::string> out;
    const auto text = ReadFile(listPath());
    if (!text)
        return out;
    for (const std::string& line : SplitLines(*text))
        out.push_back(nameFromLine(line));
    return out;
}

std::size_t SchemeFiles::lineCount() const
{
    const auto text = ReadFile(listPath());
    return text ? SplitLines(*text).size() : 0;
}

std::optional<SchemeFiles::Record> SchemeFiles::readRecord(std::size_t number) const
{
    if (number == 0)
        return std::nullopt;
    const std::size_t length = style().recordLength;
    const auto bytes = ReadRange(dataPath(), (number - 1) * length, length);
    if (!bytes || bytes->empty())
        return std::nullopt;
    return decodeRecord(*bytes, style().elements.size());
}

std::string SchemeFiles::initialColors(std::size_t fromByte, std::size_t toByte) const
{
    // Fills whole fields from a field boundary, each with its element's initial colour.
    const auto& elements = style().elements;
    std::string out;
    for (std::size_t at = fromByte; at + kField <= toByte; at += kField)
        out += BgrHex(elements[(at / kField) % elements.size()].initialColor);
    return out;
}

SchemeFileResult SchemeFiles::save(std::string_view name, const std::vector<ColorValue>& colors) const
{
    const SchemeStyle& s = style();
    const std::size_t length = s.recordLength;

    std::vector<ColorValue> fields;
    for (std::size_t i = 0; i < s.elements.size(); ++i)
        fields.push_back(i < colors.size() ? colors[i] : s.elements[i].initialColor);
    const std::string record = encodeRecord(fields);

    const auto listText = ReadFile(listPath());
    const std::size_t n = (listText ? SplitLines(*listText).size() : 0) + 1;
    const std::size_t offset = (n - 1) * length;

    const std::string oldData = ReadFile(dataPath()).value_or(std::string());
    bool written = false;
    if (oldData.size() <= offset && oldData.size() % kField == 0) {
        // The usual case: the new record (after any missing ones) goes at the end.
        written = AppendToFile(dataPath(), initialColors(oldData.size(), offset) + record);
    } else {
        // A record n already exists, or the file ends inside a field: rewrite it whole.
        std::string content = oldData.substr(0, std::min(oldData.size(), offset));
        content.resize(content.size() - content.size() % kField);
        content += initialColors(content.size(), offset);
        content += record;
        if (oldData.size() > offset + length)
            content += oldData.substr(offset + length);
        written = ReplaceFile(dataPath(), folder_ / kTempDataName, content);
    }
    if (!written)
        return {SchemeFileStatus::DataFileNotWritten, dataPath()};

    std::string line = quotedLine(withoutLineBreaks(name));
    if (listText && !listText->empty() && listText->back() != '\n' && listText->back() != '\r')
        line.insert(0, "\r\n");
    if (!AppendToFile(listPath(), line))
        return {SchemeFileStatus::ListFileNotWritten, listPath()};
    return {};
}

SchemeFileResult SchemeFiles::remove(std::size_t position) const
{
    const auto listText = ReadFile(listPath());
    if (!listText)
        return {SchemeFileStatus::NoSuchScheme, {}};
    const std::vector<std::string> lines = SplitLines(*listText);
    if (position >= lines.size())
        return {SchemeFileStatus::NoSuchScheme, {}};

    const std::size_t length = style().recordLength;
    const std::optional<std::string> oldData = ReadFile(dataPath());
    const std::string data = oldData.value_or(std::string());

    std::string newData;
    std::string newList;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k == position)
            continue;
        newList += quotedLine(nameFromLine(lines[k]));
        // Records run out only at the end of the file, so copying what exists keeps every
        // remaining line with its own record.
        if (k * length < data.size())
            newData += data.substr(k * length, length);
    }

    const std::filesystem::path tempData = folder_ / kTempDataName;
    const std::filesystem::path tempList = folder_ / kTempListName;
    if (!WriteTempFile(tempData, newData))
        return {SchemeFileStatus::DataFileNotWritten, dataPath()};
    if (!WriteTempFile(tempList, newList)) {
        RemoveFile(tempData);
        return {SchemeFileStatus::ListFileNotWritten, listPath()};
    }
    if (!RenameOver(tempData, dataPath())) {
        RemoveFile(tempList);
        return {SchemeFileStatus::DataFileNotWritten, dataPath()};
    }
    if (!RenameOver(tempList, listPath())) {
        // The data file already lost the record: put the old one back so list and data match.
        if (oldData)
            ReplaceFile(dataPath(), tempData, *oldData);
        else
            RemoveFile(dataPath());
        return {SchemeFileStatus::ListFileNotWritten, listPath()};
    }
    return {};
}

std::optional<std::string> SchemeFiles::nameFromAnswer(std::string_view answer)
{
    if (answer.empty())
        return std::nullopt;
    std::string name = withoutLineBreaks(answer);
    if (name.find_first_not_of(' ') == std::string::npos)
        return std::string("no name");
    return name;
}

std::string SchemeFiles::quotedLine(std::string_view name)
{
    std::string line;
    line.reserve(name.size() + 4);
    line += '"';
    line += name;
    line += "\"\r\n";
    return line;
}

std::string SchemeFiles::nameFromLine(std::string_view line)
{
    if (line.size() < 2)
        return {};
    return std::string(line.substr(1, line.size() - 2));
}

std::string SchemeFiles::encodeRecord(const std::vector<ColorValue>& colors)
{
    std::string out;
    out.reserve(colors.size() * kField);
    for (ColorValue c : colors)
        out += BgrHex(c);
    return out;
}

SchemeFiles::Record SchemeFiles::decodeRecord(std::string_view bytes, std::size_t fieldCount)
{
    Record fields(fieldCount);
    for (std::size_t i = 0; i < fieldCount && (i + 1) * kField <= bytes.size(); ++i)
        fields[i] = ParseHex6(bytes.substr(i * kField, kField));
    return fields;
}

} // namespace prismara
