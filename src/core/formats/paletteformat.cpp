// paletteformat.cpp - the format table, detection, and the names a palette gets when written.
#include "core/formats/paletteformat.h"

#include "core/colour/colornames.h"
#include "core/formats/formatcodecs.h"
#include "core/formats/formatsupport.h"

#include <array>
#include <unordered_map>
#include <unordered_set>

namespace prismara {

namespace {

using namespace formats;

constexpr std::string_view kGplExt[] = {".gpl"};
constexpr std::string_view kAseExt[] = {".ase"};
constexpr std::string_view kAcoExt[] = {".aco"};
constexpr std::string_view kPalExt[] = {".pal"};
constexpr std::string_view kTxtExt[] = {".txt"};
constexpr std::string_view kSocExt[] = {".soc"};
constexpr std::string_view kCssExt[] = {".css"};
constexpr std::string_view kScssExt[] = {".scss"};
constexpr std::string_view kJsonExt[] = {".json", ".tokens"};
constexpr std::string_view kHexExt[] = {".hex"};

// A reader that gives nothing but its message when it refuses the bytes.
template <PaletteReadResult (*Read)(std::string_view)> PaletteReadResult whole(std::string_view bytes)
{
    PaletteReadResult result = Read(bytes);
    if (!result.ok()) {
        result.palette = {};
        result.notes.clear();
    }
    return result;
}

// One row per format; "text" last. Order: --format help, file-dialog filters, and the order in
// which signatures are tried.
const std::array<PaletteFormat, 11> kFormats = {{
    {"gpl", "GIMP palette", kGplExt, false, 0, ExportNaming::Kept, SniffGpl, whole<ReadGpl>, WriteGpl},
    {"ase", "Adobe Swatch Exchange", kAseExt, true, 0, ExportNaming::Kept, SniffAse, whole<ReadAse>, WriteAse},
    {"aco", "Adobe Color swatches", kAcoExt, true, 65535, ExportNaming::Kept, SniffAco, whole<ReadAco>, WriteAco},
    {"pal", "JASC palette", kPalExt, false, 0, ExportNaming::None, SniffJascPal, whole<ReadJascPal>, WriteJascPal},
    {"txt", "Paint.NET palette", kTxtExt, false, 0, ExportNaming::None, SniffPaintNet, whole<ReadPaintNet>, WritePaintNet},
    {"soc", "LibreOffice palette", kSocExt, false, 0, ExportNaming::Kept, SniffSoc, whole<ReadSoc>, WriteSoc},
    {"css", "CSS custom properties", kCssExt, false, 0, ExportNaming::Identifier, nullptr, whole<ReadTextColors>, WriteCss},
    {"scss", "SCSS variables", kScssExt, false, 0, ExportNaming::Identifier, nullptr, whole<ReadTextColors>, WriteScss},
    {"json", "Design tokens (JSON)", kJsonExt, false, 0, ExportNaming::Identifier, nullptr, whole<ReadTextColors>, WriteJson},
    {"hex", "Hex colour list", kHexExt, false, 0, ExportNaming::None, nullptr, whole<ReadTextColors>, WriteHex},
    {"text", "Colours in any text", {}, false, 0, ExportNaming::None, nullptr, whole<ReadTextColors>, nullptr},
}};

const PaletteFormat& textFormat() { return kFormats.back(); }
const PaletteFormat& paintNetFormat() { return *FindPaletteFormat("txt"); }

std::string_view lastPart(std::string_view fileName)
{
    const std::size_t slash = fileName.find_last_of('/');
    return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

std::string lowerExtension(std::string_view fileName)
{
    const std::string_view name = lastPart(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    std::string ext(name.substr(dot));
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

const PaletteFormat* formatOfExtension(std::string_view fileName)
{
    const std::string ext = lowerExtension(fileName);
    if (ext.empty())
        return nullptr;
    for (const PaletteFormat& format : kFormats)
        for (const std::string_view candidate : format.extensions)
            if (candidate == ext)
                return &format;
    return nullptr;
}

// The file name without folder and extension, fit to be a palette's name.
std::string stem(std::string_view fileName)
{
    std::string_view name = lastPart(fileName);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return CleanName(Utf8Repaired(name));
}

} // namespace

std::span<const PaletteFormat> PaletteFormats()
{
    return kFormats;
}

const PaletteFormat* FindPaletteFormat(std::string_view id)
{
    for (const PaletteFormat& format : kFormats)
        if (format.id == id)
            return &format;
    return nullptr;
}

const PaletteFormat* PaletteFormatForFileName(std::string_view fileName)
{
    const PaletteFormat* format = formatOfExtension(fileName);
    return format && format->write ? format : nullptr;
}

const PaletteFormat& DetectPaletteFormat(std::string_view fileName, std::string_view bytes)
{
    const PaletteFormat& paintNet = paintNetFormat();
    for (const PaletteFormat& format : kFormats)
        if (format.sniff && &format != &paintNet && format.sniff(bytes))
            return format;
    if (const PaletteFormat* byName = formatOfExtension(fileName); byName && byName != &paintNet)
        return *byName;
    return paintNet.sniff(bytes) ? paintNet : textFormat();
}

PaletteReadResult ReadPalette(std::string_view fileName, std::string_view bytes)
{
    const std::string shown = CleanName(Utf8Repaired(lastPart(fileName)));
    if (bytes.size() > kMaxPaletteFileBytes) {
        PaletteReadResult result;
        result.error = shown + ": at " + std::to_string(bytes.size() >> 20) + " MiB it is too large for a palette";
        return result;
    }
    const PaletteFormat& format = DetectPaletteFormat(fileName, bytes);
    PaletteReadResult result = format.read(bytes);
    result.format = &format;
    if (result.ok() && format.sniff == nullptr && result.palette.entries.empty())
        result.error = "no colours were found in it";
    if (!result.ok()) {
        result.palette = {};
        result.notes.clear();
        result.error = shown + " (" + std::string(format.title) + "): " + result.error;
        return result;
    }
    if (result.palette.name.empty())
        result.palette.name = stem(fileName);
    for (std::string& note : result.notes)
        note = shown + ": " + note;
    return result;
}

std::string SuggestedColorName(ColorValue color)
{
    return NearestColorName(color).name;
}

std::string IdentifierFromName(std::string_view name)
{
    std::string out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || byte >= 0x80)
            out += c;
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    if (!out.empty() && out.front() >= '0' && out.front() <= '9')
        out = "color-" + out;
    return out;
}

std::vector<std::string> ExportNames(const PaletteData& palette, ExportNaming naming)
{
    std::vector<std::string> names(palette.entries.size());
    if (naming == ExportNaming::None)
        return names;
    std::unordered_set<std::string> used;
    std::unordered_map<std::string, int> nextSuffix;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const PaletteEntry& entry = palette.entries[i];
        const std::string generated = "color-" + std::to_string(i + 1);
        std::string name = CleanName(entry.name);
        if (name.empty())
            name = SuggestedColorName(entry.color);
        if (naming == ExportNaming::Kept) {
            names[i] = name.empty() ? generated : name;
            continue;
        }
        std::string base = IdentifierFromName(name);
        if (base.empty())
            base = generated;
        std::string unique = base;
        int& suffix = nextSuffix.try_emplace(base, 2).first->second;
        while (!used.insert(unique).second)
            unique = base + "-" + std::to_string(suffix++);
        names[i] = std::move(unique);
    }
    return names;
}

std::string WritePalette(const PaletteFormat& format, const PaletteData& palette)
{
    if (format.write == nullptr)
        return {};
    PaletteData named;
    named.name = palette.name;
    named.entries = palette.entries;
    const std::vector<std::string> names = ExportNames(palette, format.naming);
    for (std::size_t i = 0; i < names.size(); ++i)
        named.entries[i].name = names[i];
    return format.write(named);
}

} // namespace prismara
