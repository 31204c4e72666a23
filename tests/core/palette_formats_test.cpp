// Palette formats: each fixture (written by hand from the format's description) read as described,
// every export byte for byte, export -> import round trips, detection, identifiers for the web,
// and damaged or hostile files refused with one message naming the file, creating nothing.
#include "core/formats/paletteformat.h"
#include "core/palette/paletteexchange.h"
#include "palette_testutil.h"

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::filesIn;
using prismara::test::indexOf;
using prismara::test::TempDir;

namespace {

std::string fixture(const std::string& name) { return test::fixture("formats/" + name); }

std::string colorsOf(const PaletteData& palette)
{
    std::string out;
    for (const PaletteEntry& entry : palette.entries)
        out.append(out.empty() ? "" : " ").append(HtmlHex(entry.color));
    return out;
}

std::string namesOf(const PaletteData& palette)
{
    std::string out;
    for (std::size_t i = 0; i < palette.entries.size(); ++i)
        out += (i ? "|" : "") + palette.entries[i].name;
    return out;
}

// Replaces bytes of a fixture from `at` on.
std::string patched(std::string bytes, std::size_t at, std::string_view with)
{
    bytes.replace(at, with.size(), with);
    return bytes;
}

const std::string kIndex = indexOf({"c1.rgb|Web|0", "recent.rgb|Recent Colors|0", "c2.rgb|CSS|2", "c3.rgb|Grays|2"});

} // namespace

TEST(PaletteFormats, FixturesReadAsTheirFormatsDescribeThem)
{
    struct Case
    {
        const char* file;
        const char* format;
        const char* name;
        const char* colors;
        const char* names;
        const char* note;
    };
    const Case cases[] = {
        {"brand.gpl", "gpl", "Brand Colours", "#1E6FD9 #FFFFFF #000000 #1E6FD9 #123456 #FF8000",
         "Brand Blue|White||Brand Blue|Gr\xC3\xBCn dunkel|Orange: warm & bright \"hot\"", ""},
        {"swatches.ase", "ase", "Spring", "#339933 #0080FF #CC6600 #FFFFFF #777777 #808080 #339933",
         "Leaf|Sky|Clay|Paper|Stone|Half|", "swatches.ase: 1 CMYK, 2 Lab and 1 grey swatches were converted to sRGB"},
        {"swatches.aco", "aco", "swatches", "#FF0000 #00FF00 #00FFFF #FFFFFF #808080", "Red|Green|Cyan|White|Half",
         "swatches.aco: 1 CMYK, 1 Lab, 1 HSB and 1 grey colours were converted to sRGB"},
        {"jasc.pal", "pal", "jasc", "#000000 #FFFFFF #1E6FD9 #1E6FD9", "|||", ""},
        {"paintnet.txt", "txt", "paintnet", "#FF0000 #00FF00 #0000FF", "||",
         "paintnet.txt: 1 colour was partly transparent; Prismara keeps colours opaque"},
        {"libre.soc", "soc", "libre", "#000000 #1E6FD9 #FF0000",
         "Black|Salt & Pepper \xE2\x98\xBA|\"Quoted\" <red>", ""},
        {"style.css", "css", "style", "#FFFFFF #1E6FD9 #FF0000 #008000 #0000FF #008080", "|||||", ""},
    };
    for (const Case& c : cases) {
        const PaletteReadResult read = ReadPalette(std::string("/some/folder/") + c.file, fixture(c.file));
        ASSERT_TRUE(read.ok()) << c.file << ": " << read.error;
        EXPECT_EQ(read.format->id, c.format) << c.file;
        EXPECT_EQ(read.palette.name, c.name) << c.file;
        EXPECT_EQ(colorsOf(read.palette), c.colors) << c.file;
        EXPECT_EQ(namesOf(read.palette), c.names) << c.file;
        EXPECT_EQ(read.notes.empty() ? "" : read.notes.front(), c.note) << c.file;
    }
}

TEST(PaletteFormats, EveryExportIsExactAndReadsBackToTheSameColours)
{
    const PaletteReadResult brand = ReadPalette("brand.gpl", fixture("brand.gpl"));
    ASSERT_TRUE(brand.ok()) << brand.error;
    int written = 0;
    for (const PaletteFormat& format : PaletteFormats()) {
        if (!format.write)
            continue;
        ++written;
        const std::string file = "brand.expected" + std::string(format.extensions.front());
        const std::string bytes = WritePalette(format, brand.palette);
        EXPECT_EQ(bytes, fixture(file)) << format.id;

        const PaletteReadResult back = ReadPalette(file, bytes);
        ASSERT_TRUE(back.ok()) << format.id << ": " << back.error;
        EXPECT_EQ(back.format, &format) << format.id;
        EXPECT_EQ(colorsOf(back.palette), colorsOf(brand.palette)) << format.id;
        if (format.naming == ExportNaming::Kept) {
            EXPECT_EQ(back.palette.entries.front().name, "Brand Blue") << format.id;
        }
    }
    EXPECT_EQ(written, 10);
}

TEST(PaletteFormats, ImportedPaletteKeepsItsNamesThroughTheStore)
{
    TempDir dir;
    dir.write("colorchart.cci", kIndex);
    dir.write("brand.gpl", fixture("brand.gpl"));
    PaletteStore store(dir.path());
    const ImportOutcome made = ImportPaletteFile(store, dir / "brand.gpl");
    ASSERT_TRUE(made.result) << made.result.message();
    EXPECT_EQ(made.summary("brand.gpl"), "Imported \"Brand Colours\" (6 colours, GIMP palette) from brand.gpl as c4.rgb");
    EXPECT_EQ(store.chartNames().back(), "Brand Colours");
    EXPECT_EQ(ReadStoredPalette(store, made.position).source, (dir / "brand.gpl").string());

    const ExportOutcome gpl = ExportPalette(store, made.position, *FindPaletteFormat("gpl"));
    EXPECT_EQ(gpl.bytes, fixture("brand.expected.gpl"));
    // Named by the file's own name unless --name says otherwise; read-only formats write nothing.
    EXPECT_EQ(ImportPalette(store, "x.gpl", fixture("brand.gpl"), "Mine").name, "Mine");
    EXPECT_FALSE(ExportPalette(store, made.position, *FindPaletteFormat("text")).result);
}

TEST(PaletteFormats, TheFormatIsTakenFromTheContentThenFromTheExtension)
{
    const std::string cases[][3] = {
        {"no-extension", "GIMP Palette\n1 2 3\n", "gpl"},
        {"swatch.bin", fixture("swatches.ase"), "ase"},
        {"swatches", fixture("swatches.aco"), "aco"},
        {"palette.txt", fixture("jasc.pal"), "pal"},
        {"palette.xml", fixture("libre.soc"), "soc"},
        {"colours.TXT", fixture("paintnet.txt"), "txt"},
        {"notes.txt", "see #fff and rgb(1,2,3)", "text"},
        {"broken.gpl", "not a palette", "gpl"},
        {"tokens.json", "{\"a\": {\"$value\": \"#123456\"}}", "json"},
        {"theme.tokens", "{}", "json"},
        {"site.scss", "$a: #fff;", "scss"},
    };
    for (const auto& [file, bytes, format] : cases)
        EXPECT_EQ(DetectPaletteFormat(file, bytes).id, format) << file;
    EXPECT_EQ(PaletteFormatForFileName("/out/Brand.CSS")->id, "css");
    EXPECT_EQ(PaletteFormatForFileName("out.txt")->id, "txt");
    EXPECT_EQ(PaletteFormatForFileName("out.doc"), nullptr);
}

TEST(PaletteFormats, WebNamesAreIdentifiers)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Brand Blue", "brand-blue"},     {"  --Deep__Sea!! ", "deep__sea"}, {"3 Blind Mice", "color-3-blind-mice"},
        {"Gr\xC3\xBCn", "gr\xC3\xBCn"}, {"***", ""},                       {"a.b{c}$d", "a-b-c-d"},
    };
    for (const auto& [name, identifier] : cases)
        EXPECT_EQ(IdentifierFromName(name), identifier) << name;
}

TEST(PaletteFormats, DamagedAndHostileFilesAreRefusedWithOneMessageAndCreateNothing)
{
    const std::string ase = fixture("swatches.ase");
    const std::string aco = fixture("swatches.aco");
    const std::size_t aseRgb = ase.find("RGB ");
    struct Case
    {
        std::string file;
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {"a.gpl", "GIMP Palette\n1 2 300 Red\n", "line 2 holds \"300\""},
        {"a.gpl", "GIMP Palette\n1 2\n", "line 2 has fewer than three colour values"},
        {"a.gpl", "GIMP Palette\n1 2 3 Gr\xFCn\n", "not UTF-8"},
        {"a.gpl", "GIMP Palette\nColumns: many\n", "no column count"},
        {"a.gpl", "Not a palette\n", "first line"},
        {"a.ase", ase.substr(0, ase.size() / 2), "bytes but only"},
        {"a.ase", patched(ase, 8, std::string("\x3F\xFF\xFF\xFF", 4)), "declares 1073741823 blocks"},
        {"a.ase", patched(ase, 14, std::string("\xFF\xFF\xFF\xFF", 4)), "declares 4294967295 bytes"},
        {"a.ase", patched(ase, 8, std::string("\0\0\0\2", 4)), "follow the 2 blocks"},
        {"a.ase", patched(ase, 20, std::string("\xD8\x00", 2)), "not UTF-16"},
        {"a.ase", patched(ase, aseRgb, "XYZ "), "colour model \"XYZ\""},
        {"a.ase", patched(ase, aseRgb + 4, std::string("\x7F\xC0\0\0", 4)), "not a number"},
        {"a.aco", patched(aco, 2, std::string("\xFF\xFF", 2)), "declares 65535 colours"},
        {"a.aco", patched(aco, 56, std::string("\0\4", 2)), "version 2 section holds 4 colours"},
        {"a.aco", patched(aco, 68, std::string("\x7F\xFF\xFF\xFF", 4)), "runs past the end"},
        {"a.aco", patched(aco, 4, std::string("\0\3", 2)), "colour space 3"},
        {"a.aco", aco + "junk", "bytes follow the last colour"},
        {"a.pal", "JASC-PAL\r\n0100\r\n5\r\n0 0 0\r\n", "declares 5 colours but holds 1"},
        {"a.pal", "JASC-PAL\r\n0100\r\n1\r\n0 0 x\r\n", "line 4"},
        {"a.soc", "<?xml version=\"1.0\"?><ooo:color-table><draw:color draw:color=\"#000000\"", "not closed"},
        {"a.soc", "<?xml version=\"1.0\"?><ooo:color-table><draw:color draw:name=\"&bogus;\"/>", "character reference"},
        {"a.soc", "<?xml version=\"1.0\"?><ooo:color-table><draw:color draw:name=\"x\"/>", "colour 1 has no colour"},
        {"a.txt", std::string("\0\1binary\0", 9), "nor a text file"},
        {"a.css", "body { margin: 0 }", "no colours were found"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("colorchart.cci", kIndex);
        PaletteStore store(dir.path());
        const ImportOutcome made = ImportPalette(store, "/downloads/" + c.file, c.bytes);
        EXPECT_FALSE(made.result) << c.file << " " << c.reason;
        EXPECT_EQ(made.result.message().rfind(c.file + " (", 0), 0u) << made.result.message();
        EXPECT_NE(made.result.message().find(c.reason), std::string::npos) << made.result.message();
        EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"colorchart.cci"}) << c.file << " " << c.reason;
        EXPECT_EQ(dir.read("colorchart.cci"), kIndex) << c.file << " " << c.reason;
    }
}
