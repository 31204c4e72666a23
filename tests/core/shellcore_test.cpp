// Tests of the shell's pure logic: INI settings text, setting numbers, window placement, the help
// contents.
#include "core/app/helpcontents.h"
#include "core/files/inifile.h"
#include "core/app/settingstable.h"
#include "core/app/windowposition.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(IniFile, RoundTripsSectionsWithSpacesAsPlainText)
{
    IniFile ini;
    ini.set("Prismara 4.6", "colorsquare", "1");
    ini.set("Prismara 4.6", "colorwheeltype", "0");
    ini.set("Position", "X", "-300");
    EXPECT_EQ(ini.serialize(), "[Prismara 4.6]\ncolorsquare=1\ncolorwheeltype=0\n\n[Position]\nX=-300\n");
    const IniFile back = IniFile::parse(ini.serialize());
    EXPECT_EQ(back.get("Prismara 4.6", "colorsquare"), "1");
    EXPECT_EQ(back.get("Position", "X"), "-300");
    EXPECT_FALSE(back.get("Position", "Y").has_value());
    EXPECT_FALSE(back.get("Nowhere", "X").has_value());

    // Keys before any [section] header stay there when the file is written (they once ended up in
    // the section the file listed after them).
    IniFile saved = IniFile::parse(IniFile::parse("[a]\nk=1\n[]\nj=+7\n").serialize());
    EXPECT_EQ(saved.get("", "j"), "+7");
    EXPECT_EQ(saved.get("a", "j"), std::nullopt);
    saved.set("Position", "X", "-300");
    EXPECT_EQ(IniFile::parse(saved.serialize()).get("", "j"), "+7") << "saving a setting keeps the other values";
}

TEST(IniFile, ReplacesValuesSkipsCommentsAndEmptySectionsAndToleratesJunk)
{
    IniFile ini = IniFile::parse("garbage line\r\n# k=1\r\n[Empty]\r\n[S]\r\nk = v \r\n=novalue\r\n[S]\r\nk2=x=y\r\n; c=2\r\n");
    EXPECT_EQ(ini.get("S", "k"), "v");
    EXPECT_EQ(ini.get("S", "k2"), "x=y");
    EXPECT_EQ(ini.serialize(), "[S]\nk=v\nk2=x=y\n") << "comments and empty sections are not written";
    ini.set("S", "k", "new\r\nline");
    EXPECT_EQ(ini.get("S", "k"), "new  line") << "a value never spans lines";
    EXPECT_EQ(IniFile::parse(ini.serialize()).get("S", "k"), "new  line");
}

// How a stored text reads: by the row's kind, with its default when absent or not a number.
TEST(SettingsTable, ReadsStoredTextsByKind)
{
    const struct
    {
        Setting id;
        std::optional<std::string_view> stored;
        std::optional<int> number;
        bool on;
    } cases[] = {
        {Setting::ColorSquare, std::nullopt, 0, false}, {Setting::ColorSquare, "1", 1, true},
        {Setting::ColorSquare, "2", 2, false},          {Setting::ColorSquare, "yes", 0, false},
        {Setting::AutoStop, "-3", -3, true},            {Setting::AutoStop, "0", 0, false},
        {Setting::ColorWheelType, " 1 ", 1, true},      {Setting::PositionX, std::nullopt, std::nullopt, false},
        {Setting::PositionY, "-300", -300, true},       {Setting::PositionY, "1.5", std::nullopt, false},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(SettingDefOf(c.id).key) + "=" + std::string(c.stored.value_or("<absent>"));
        EXPECT_EQ(SettingNumber(c.id, c.stored), c.number) << name;
        EXPECT_EQ(SettingIsOn(c.id, c.stored), c.on) << name;
    }
    for (const int value : {-300, 0, 1, 2147483647})
        EXPECT_EQ(SettingNumber(Setting::PositionX, SettingText(value)), value);
}

TEST(SettingsTable, EverySettingHasItsOwnPlace)
{
    EXPECT_EQ(SettingApplication(Setting::AutoStop, "prismara"), "quorvel software");
    EXPECT_EQ(SettingApplication(Setting::PositionX, "prismara"), "prismara");
    for (const SettingDef& a : kSettings) {
        EXPECT_EQ(&SettingDefOf(a.id), &a);
        for (const SettingDef& b : kSettings)
            EXPECT_TRUE(&a == &b || a.store != b.store || a.section != b.section || a.key != b.key) << a.key;
    }
}

TEST(SettingsTable, OnlyWholeNumbersCount)
{
    const struct
    {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"1", 1},   {" 0 ", 0},     {"-300", -300},        {"+7", 7},         {"", std::nullopt},
                 {"abc", std::nullopt},     {"1.5", std::nullopt}, {"12abc", std::nullopt},
                 {"99999999999", std::nullopt}, {"-", std::nullopt}, {"+-299", std::nullopt}, {"-+299", std::nullopt},
                 {"++1", std::nullopt}, {" -299\t", -299}}; // one sign at most: "+-299" once read as -299
    for (const auto& c : cases)
        EXPECT_EQ(ParseSettingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(WindowPosition, CentresWhenEitherValueIsMissingAndPullsTheWindowOntoTheScreen)
{
    const struct
    {
        std::optional<int> x, y;
        int left, top;
    } cases[] = {
        {std::nullopt, 50, 450, 360}, {300, std::nullopt, 450, 360}, // centred
        {-300, 50, 0, 50},     {5000, 10, 900, 10}, // right edge on the screen's right edge
        {10, 790, 10, 720},    {-5, -5, 0, 0},
    };
    for (const auto& c : cases) {
        const auto p = PlaceWindow(c.x, c.y, 100, 80, 1000, 800);
        EXPECT_EQ(std::pair(p.left, p.top), std::pair(c.left, c.top)) << c.x.value_or(-1) << "," << c.y.value_or(-1);
    }
    // A window larger than the screen ends up with a negative left and top.
    const auto big = PlaceWindow(0, 0, 1200, 900, 1000, 800);
    EXPECT_EQ(std::pair(big.left, big.top), std::pair(-200, -100));
}

TEST(HelpContents, TopicsInTheirOrderWithDecodedNamesAndIncompleteEntriesSkipped)
{
    const char* hhc = R"(<ul>
  <li><object type="text/sitemap"><param name="Name" value="Prismara Help"><param name="Local" value="index.html"></object>
  <li><object type="text/sitemap"><param name="Name" value="Menus &amp; toolbar"><param name="Local" value="menus.html#x"></object>
  <li><object type="text/sitemap"><param name="Name" value="No page"></object>
  <li><object type="text/sitemap"><param name="Local" value="x.html"><param name="Name" value="Last")";
    std::string shown;
    for (const HelpTopic& t : ReadHelpContents(hhc))
        shown += t.name + "=" + t.page + ";";
    EXPECT_EQ(shown, "Prismara Help=index.html;Menus & toolbar=menus.html#x;Last=x.html;");
}
