// modeltab.h - the five tabs of the colour conversion panel, as one table.
//
// Each tab names its rows (letter, slider maximum, the model value a row shows) and how the
// slider positions are written back into the model. The panel is driven by this table alone:
// a sixth model would be a sixth row here.
#pragma once

#include "core/colour/clrmodels.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace prismara {

struct ModelTab {
    static constexpr std::size_t kMaxRows = 4;
    using Positions = std::array<int, kMaxRows>;

    std::string_view caption;                              // "RGB", "HSL", ...
    std::size_t rows;                                      // 3, or 4 on CMYK
    std::array<std::string_view, kMaxRows> letters;        // "" past the last row
    std::array<int, kMaxRows> maxima;                      // slider maxima; minimum is always 0
    std::array<int (*)(const cClrModels&), kMaxRows> value;  // nullptr past the last row
    // Writes the positions of the tab's rows (in row order) into the model. Every position lies
    // between 0 and its row's maximum.
    void (*write)(cClrModels&, const Positions&);
};

inline constexpr std::size_t kModelTabCount = 5;
inline constexpr std::size_t kRgbTab = 0;

// The tabs in display order: RGB, HSL, CMY, CMYK, YCbCr.
const std::array<ModelTab, kModelTabCount>& ModelTabs();

} // namespace prismara
