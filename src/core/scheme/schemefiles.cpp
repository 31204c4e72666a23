// schemefiles.cpp - reading, appending and deleting the saved schemes of one style.
#include "core/scheme/schemefiles.h"

#include "core/files/fileio.h"

#include <algorithm>
#include <utility>

namespace prismara {

namespace {
constexpr std::size_t kField = SchemeStyles::kFieldLength;

// A list file's text, at most kSmallFileLimit bytes.
std::optional<std::string> readList(const std::filesystem::path& path) { return ReadFile(path, kSmallFileLimit); }

SchemeFileResult failed(SchemeFileStatus status, const std::filesystem::path& file, const FileResult& why)
{
    return {status, file, why.reason()};
}

// True when `longer` is `shorter` with one line more, anywhere.
bool lacksOneLine(const std::vector<std::string>& longer, const std::vector<std::string>& shorter)
{
    if (longer.size() != shorter.size() + 1)
        return false;
    const auto diff = std::mismatch(shorter.begin(), shorter.end(), longer.begin());
    return std::equal(diff.first, shorter.end(), diff.second + 1);
}

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
    const auto text = readList(listPath());
    if (!text)
        return out;
    for (const std::string& line : SplitLines(*text))
        out.push_back(nameFromLine(line));
    return out;
}

std::size_t SchemeFiles::lineCount() const
{
    const auto text = readList(listPath());
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

    std::string listText;
    if (const FileResult read = ReadWholeFile(listPath(), listText, kSmallFileLimit); !read && !read.missing())
        return failed(SchemeFileStatus::ListFileNotWritten, listPath(), read);
    const std::size_t n = SplitLines(listText).size() + 1;
    const std::size_t offset = (n - 1) * length;

    if (const FileResult usable = CheckDataFile(dataPath()); !usable)
        return failed(SchemeFileStatus::DataFileNotWritten, dataPath(), usable);
    const std::uintmax_t oldSize = FileSize(dataPath());
    FileResult written = FileResult::success();
    if (oldSize <= offset && oldSize % kField == 0) {
        // The usual case: the new record (after any missing ones) goes at the end.
        written = AppendToFile(dataPath(), initialColors(static_cast<std::size_t>(oldSize), offset) + record);
    } else {
        // A record n already exists, or the file ends inside a field: rewrite it whole.
        std::string oldData;
        if (const FileResult read = ReadWholeFile(dataPath(), oldData); !read)
            return failed(SchemeFileStatus::DataFileNotWritten, dataPath(), read);
        std::string content = oldData.substr(0, std::min(oldData.size(), offset));
        content.resize(content.size() - content.size() % kField);
        content += initialColors(content.size(), offset);
        content += record;
        if (oldData.size() > offset + length)
            content += oldData.substr(offset + length);
        written = ReplaceFile(dataPath(), folder_ / kTempDataName, content);
    }
    if (!written)
        return failed(SchemeFileStatus::DataFileNotWritten, dataPath(), written);

    std::string line = quotedLine(withoutLineBreaks(name));
    if (!listText.empty() && listText.back() != '\n' && listText.back() != '\r')
        line.insert(0, "\r\n");
    if (const FileResult appended = AppendToFile(listPath(), line); !appended)
        return failed(SchemeFileStatus::ListFileNotWritten, listPath(), appended);
    return {};
}

SchemeFileResult SchemeFiles::remove(std::size_t position) const
{
    const auto listText = readList(listPath());
    if (!listText)
        return {SchemeFileStatus::NoSuchScheme, {}, {}};
    const std::vector<std::string> lines = SplitLines(*listText);
    if (position >= lines.size())
        return {SchemeFileStatus::NoSuchScheme, {}, {}};

    const std::size_t length = style().recordLength;
    std::string data;
    const FileResult dataRead = ReadWholeFile(dataPath(), data);
    if (!dataRead && !dataRead.missing())
        return failed(SchemeFileStatus::DataFileNotWritten, dataPath(), dataRead);
    const std::optional<std::string> oldData = dataRead ? std::optional<std::string>(data) : std::nullopt;

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
    // Both temporaries are complete and on disk before the data file is replaced: from that
    // moment "set.hct" alone finishes the delete, even after a crash.
    if (const FileResult r = WriteTempFile(tempData, newData); !r)
        return failed(SchemeFileStatus::DataFileNotWritten, dataPath(), r);
    if (const FileResult r = WriteTempFile(tempList, newList); !r) {
        (void)RemoveFile(tempData);
        return failed(SchemeFileStatus::ListFileNotWritten, listPath(), r);
    }
    if (const FileResult r = RenameOver(tempData, dataPath()); !r) {
        (void)RemoveFile(tempList);
        return failed(SchemeFileStatus::DataFileNotWritten, dataPath(), r);
    }
    if (const FileResult r = RenameOver(tempList, listPath()); !r) {
        // The data file already lost the record: put the old one back so list and data match.
        if (oldData)
            (void)ReplaceFile(dataPath(), tempData, *oldData);
        else
            (void)RemoveFile(dataPath());
        return failed(SchemeFileStatus::ListFileNotWritten, listPath(), r);
    }
    return {};
}

std::string SchemeFiles::completeInterruptedDelete(const std::filesystem::path& folder)
{
    const std::filesystem::path tempData = folder / kTempDataName;
    const std::filesystem::path tempList = folder / kTempListName;
    if (FileExists(tempData)) {
        // The data file was never replaced: the files are as they were before the delete.
        (void)RemoveFile(tempData);
        (void)RemoveFile(tempList);
        return {};
    }
    const auto text = readList(tempList);
    if (!text)
        return {};
    std::vector<std::string> remaining;
    for (const std::string& line : SplitLines(*text))
        remaining.push_back(nameFromLine(line));

    std::vector<SchemeFiles> matches;
    for (std::size_t style = 0; style < SchemeStyles::all().size(); ++style) {
        SchemeFiles files(folder, style);
        if (lacksOneLine(files.names(), remaining))
            matches.push_back(files);
    }
    // Two lists alike: the one whose data file already lost a record is the one being deleted from.
    if (matches.size() > 1)
        std::erase_if(matches, [&](const SchemeFiles& f) {
            const std::size_t length = f.style().recordLength;
            return (FileSize(f.dataPath()) + length - 1) / length > remaining.size();
        });
    const std::string name(kTempListName);
    if (matches.size() != 1)
        return name + " is left from a delete of a saved color scheme that was cut short, and it matches " +
               (matches.empty() ? "no" : "more than one") + " scheme list; it is left as it is";
    if (const FileResult moved = RenameOver(tempList, matches.front().listPath()); !moved)
        return "The delete of a saved color scheme that was cut short could not be completed: " +
               matches.front().listPath().filename().string() + " could not be written: " + moved.reason();
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
