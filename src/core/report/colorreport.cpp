// colorreport.cpp - the JSON answers of --info and --contrast.
#include "core/report/colorreport.h"

#include "core/access/contrast.h"
#include "core/access/cvd.h"
#include "core/colour/clrmodels.h"
#include "core/colour/colornames.h"
#include "core/colour/colorspaces.h"
#include "core/report/jsonwriter.h"

#include <initializer_list>

namespace prismara {

namespace {

void numbers(JsonWriter& json, std::string_view key, std::initializer_list<double> values)
{
    json.key(key).beginArray();
    for (const double v : values)
        json.value(v);
    json.endArray();
}

void integers(JsonWriter& json, std::string_view key, std::initializer_list<int> values)
{
    json.key(key).beginArray();
    for (const int v : values)
        json.value(v);
    json.endArray();
}

} // namespace

std::string InfoJson(ColorValue color)
{
    cClrModels model;
    model.setRgbR(static_cast<std::uint8_t>(GetRed(color)));
    model.setRgbG(static_cast<std::uint8_t>(GetGreen(color)));
    model.setRgbB(static_cast<std::uint8_t>(GetBlue(color)));
    const CssHsl hsl = HslOf(color);
    const XyzD65 xyz = XyzOf(color);
    const CieLab lab = LabOf(color);
    const CieLch lch = LabToLch(lab);
    const OkLab oklab = OklabOf(color);
    const OkLch oklch = OklabToOklch(oklab);
    const ColorName name = NearestColorName(color);

    JsonWriter json;
    json.beginObject();
    json.key("hex").value(HtmlHex(color));
    integers(json, "rgb", {GetRed(color), GetGreen(color), GetBlue(color)});
    integers(json, "hsl", {model.hlsH(), model.hlsS(), model.hlsL()});
    numbers(json, "css_hsl", {hsl.h, hsl.s, hsl.l});
    integers(json, "cmyk", {model.cmykC(), model.cmykM(), model.cmykY(), model.cmykK()});
    integers(json, "ycbcr", {model.ycbcrY(), model.ycbcrCb(), model.ycbcrCr()});
    numbers(json, "xyz_d65", {xyz.x, xyz.y, xyz.z});
    numbers(json, "lab_d50", {lab.l, lab.a, lab.b});
    numbers(json, "lch_d50", {lch.l, lch.c, lch.h});
    numbers(json, "oklab", {oklab.l, oklab.a, oklab.b});
    numbers(json, "oklch", {oklch.l, oklch.c, oklch.h});
    json.key("name").value(name.name);
    json.key("name_exact").value(name.exact);
    json.key("contrast_white").value(ContrastRatio(color, kWhite));
    json.key("contrast_black").value(ContrastRatio(color, kBlack));
    json.key("apca_on_white").value(ApcaContrast(color, kWhite));
    json.key("apca_on_black").value(ApcaContrast(color, kBlack));
    json.key("simulated").beginObject();
    for (const DeficiencyInfo& deficiency : Deficiencies())
        json.key(deficiency.key).value(HtmlHex(SimulateDeficiency(color, deficiency.deficiency)));
    json.endObject();
    json.endObject();
    return json.text();
}

std::string ContrastJson(ColorValue foreground, ColorValue background)
{
    const double ratio = ContrastRatio(foreground, background);
    JsonWriter json;
    json.beginObject();
    json.key("wcag").value(ratio);
    json.key("apca").value(ApcaContrast(foreground, background));
    for (const WcagCriterionInfo& criterion : WcagCriteria())
        json.key(criterion.key).value(Passes(criterion.criterion, ratio));
    json.endObject();
    return json.text();
}

} // namespace prismara
