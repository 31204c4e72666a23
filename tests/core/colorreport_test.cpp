// Tests of the JSON answers of --info and --contrast.
#include "core/report/colorreport.h"

#include "core/access/contrast.h"
#include "core/colour/colorspaces.h"
#include "core/report/jsonwriter.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace prismara;

namespace {
// The number that follows `key` in `json`, read back as a double.
double numberAfter(const std::string& json, const std::string& key)
{
    const std::size_t at = json.find(key);
    EXPECT_NE(at, std::string::npos) << key;
    return std::strtod(json.c_str() + at + key.size(), nullptr);
}
} // namespace

TEST(ColorReport, InfoHoldsEveryMemberInOrderWithUnroundedNumbers)
{
    const ColorValue color = MakeColor(51, 102, 153); // #336699
    const std::string json = InfoJson(color);
    const char* keys[] = {"hex", "rgb", "hsl", "css_hsl", "cmyk", "ycbcr", "xyz_d65", "lab_d50", "lch_d50",
                          "oklab", "oklch", "name", "name_exact", "contrast_white", "contrast_black",
                          "apca_on_white", "apca_on_black", "simulated", "protanopia", "deuteranopia",
                          "tritanopia", "achromatopsia"};
    std::size_t last = 0;
    for (const char* key : keys) {
        const std::size_t at = json.find(std::string("\"").append(key).append("\":"));
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key << " out of order";
        last = at;
    }
    for (const char* part : {"{\"hex\":\"#336699\",\"rgb\":[51,102,153],\"hsl\":[270,50,40],\"css_hsl\":[210,",
                             "\"cmyk\":[67,33,0,40],\"ycbcr\":[93,162,98]"})
        EXPECT_NE(json.find(part), std::string::npos) << part << " in " << json;
    EXPECT_EQ(numberAfter(json, "\"oklch\":["), OklchOf(color).l) << "shortest text reads back exactly";
    EXPECT_EQ(numberAfter(json, "\"css_hsl\":[210,"), HslOf(color).s);
    EXPECT_EQ(numberAfter(json, "\"contrast_white\":"), ContrastRatio(color, kWhite));
    EXPECT_EQ(json.back(), '}');
    EXPECT_NE(InfoJson(kWhite).find("\"oklch\":[1.0000000000000002,4.996003610813204e-16,null]"), std::string::npos)
        << "white's hue is powerless: " << InfoJson(kWhite);
}

TEST(ColorReport, ContrastVerdicts)
{
    const ColorValue grey = MakeColor(119, 119, 119);
    const std::string json = ContrastJson(grey, kWhite);
    EXPECT_EQ(numberAfter(json, "{\"wcag\":"), ContrastRatio(grey, kWhite));
    EXPECT_EQ(numberAfter(json, ",\"apca\":"), ApcaContrast(grey, kWhite));
    EXPECT_TRUE(json.ends_with(",\"aa_normal\":false,\"aa_large\":true,\"aaa_normal\":false,"
                               "\"aaa_large\":false,\"non_text_3_1\":true}")) << json;
}

TEST(JsonWriter, EscapesTextAndNestsValues)
{
    JsonWriter json;
    json.beginObject().key("a\"b\\c\n\x01").beginArray().value(1).value(0.5).value(true).endArray();
    json.key("o").beginObject().key("x").value("y").endObject().endObject();
    EXPECT_EQ(json.text(), "{\"a\\\"b\\\\c\\n\\u0001\":[1,0.5,true],\"o\":{\"x\":\"y\"}}");
}
