// modeltab.h - the tabs of the colour conversion panel, as one table.
//
// Each tab names its rows (letter, slider range, the model value a row shows) and how the
// slider positions are written back into the model. The panel is driven by this table alone:
// another model is another row here.
//
// The first five tabs (RGB, HSL, CMY, CMYK, YCbCr) show the model's own integer values; their
// sliders start at 0 and every combination is a colour. The CSS Color 4 tabs (Lab, LCh, OKLCH)
// show their values in fixed steps (a position is the value times 10^decimals) and can name
// colours outside the sRGB gamut: those are written back gamut-mapped, and the write says so.
#pragma once

#include "core/colour/clrmodels.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace prismara {

struct ModelTab {
    static constexpr std::size_t kMaxRows = 4;
    using Positions = std::array<int, kMaxRows>;

    std::string_view caption;                              // "RGB", "HSL", ...
    std::size_t rows;                                      // 3, or 4 on CMYK
    std::array<std::string_view, kMaxRows> letters;        // "" past the last row
    std::array<int, kMaxRows> maxima;                      // slider maxima
    std::array<int (*)(const cClrModels&), kMaxRows> value;  // nullptr past the last row
    // Writes the positions of the tab's rows (in row order) into the model. Every position lies
    // between its row's minimum and maximum. False when they name a colour outside the sRGB gamut
    // (the model then holds the gamut-mapped colour); always true on the first five tabs.
    bool (*write)(cClrModels&, const Positions&);
    std::array<int, kMaxRows> minima{};                    // slider minima (0 unless negative)
    std::array<int, kMaxRows> decimals{};                  // a position is value * 10^decimals

    // The value of a position as the panel shows it: "128", "-42", "0.532".
    std::string valueText(std::size_t row, int position) const;
};

inline constexpr std::size_t kModelTabCount = 8;
inline constexpr std::size_t kRgbTab = 0;

// The tabs in display order: RGB, HSL, CMY, CMYK, YCbCr, Lab, LCh, OKLCH.
const std::array<ModelTab, kModelTabCount>& ModelTabs();

} // namespace prismara
