// modeltab.cpp - the conversion panel's tab table.
#include "core/convert/modeltab.h"

#include <cstdint>

namespace prismara {

namespace {

std::uint8_t byte(int position) { return static_cast<std::uint8_t>(position); }

const std::array<ModelTab, kModelTabCount> kTabs{{
    {"RGB", 3, {"R", "G", "B", ""}, {255, 255, 255, 0},
     {[](const cClrModels& m) { return int{m.rgbR()}; }, [](const cClrModels& m) { return int{m.rgbG()}; },
      [](const cClrModels& m) { return int{m.rgbB()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) {
         m.setRgbR(byte(p[0]));
         m.setRgbG(byte(p[1]));
         m.setRgbB(byte(p[2]));
     }},
    {"HSL", 3, {"H", "S", "L", ""}, {360, 100, 100, 0},
     {[](const cClrModels& m) { return int{m.hlsH()}; }, [](const cClrModels& m) { return int{m.hlsS()}; },
      [](const cClrModels& m) { return int{m.hlsL()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) { m.SetHLS(p[0], p[1], p[2]); }},
    {"CMY", 3, {"C", "M", "Y", ""}, {255, 255, 255, 0},
     {[](const cClrModels& m) { return int{m.cmyC()}; }, [](const cClrModels& m) { return int{m.cmyM()}; },
      [](const cClrModels& m) { return int{m.cmyY()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) { m.SetCMY(p[0], p[1], p[2]); }},
    {"CMYK", 4, {"C", "M", "Y", "K"}, {100, 100, 100, 100},
     {[](const cClrModels& m) { return int{m.cmykC()}; }, [](const cClrModels& m) { return int{m.cmykM()}; },
      [](const cClrModels& m) { return int{m.cmykY()}; }, [](const cClrModels& m) { return int{m.cmykK()}; }},
     [](cClrModels& m, const ModelTab::Positions& p) { m.SetCMYK(p[0], p[1], p[2], p[3]); }},
    {"YCbCr", 3, {"Y", "Cb", "Cr", ""}, {255, 255, 255, 0},
     {[](const cClrModels& m) { return int{m.ycbcrY()}; }, [](const cClrModels& m) { return int{m.ycbcrCb()}; },
      [](const cClrModels& m) { return int{m.ycbcrCr()}; }, nullptr},
     [](cClrModels& m, const ModelTab::Positions& p) { m.SetYCbCr(p[0], p[1], p[2]); }},
}};

} // namespace

const std::array<ModelTab, kModelTabCount>& ModelTabs() { return kTabs; }

} // namespace prismara
