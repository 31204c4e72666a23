// Faults the fuzz targets found, each kept as the smallest input that showed it.
#include "core/files/inifile.h"
#include "core/app/settingstable.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace prismara;

// fuzz_settings: keys before any [section] header that the file lists after a section were
// written below that section's header and so read back as part of it.
TEST(FuzzRegressions, KeysOutsideAnySectionStayThereWhenTheFileIsWritten)
{
    const IniFile ini = IniFile::parse("[a]\nk=1\n[]\nj=+7\n");
    ASSERT_EQ(ini.get("", "j"), "+7");
    IniFile saved = IniFile::parse(ini.serialize());
    EXPECT_EQ(saved.get("", "j"), "+7");
    EXPECT_EQ(saved.get("a", "j"), std::nullopt);
    EXPECT_EQ(saved.get("a", "k"), "1");

    saved.set("Position", "X", "-300");
    const IniFile again = IniFile::parse(saved.serialize());
    EXPECT_EQ(again.get("", "j"), "+7") << "saving a setting keeps the other values";
    EXPECT_EQ(again.get("Position", "X"), "-300");
}

// fuzz_settings: "+-299" was read as -299: the plus sign was dropped and the minus accepted.
TEST(FuzzRegressions, ASettingNumberHasOneSignAtMost)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"+-299", std::nullopt}, {"-+299", std::nullopt}, {"++1", std::nullopt}, {"--1", std::nullopt},
        {"+", std::nullopt},     {"-", std::nullopt},     {"+7", 7},             {" -299\t", -299},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ParseSettingNumber(text), expected) << '"' << text << '"';
}
