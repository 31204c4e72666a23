// harmony.cpp - the harmony table: which of the twelve cells each harmony marks.
#include "core/wheel/harmony.h"

#include <initializer_list>

namespace prismara {

namespace {

constexpr std::array<bool, kWheelCells> cells(std::initializer_list<int> indices)
{
    std::array<bool, kWheelCells> marked{};
    for (const int i : indices)
        marked[static_cast<std::size_t>(i)] = true;
    return marked;
}

// Tetrad leaves the base cell unmarked: its four marks form a rectangle symmetric about the axis
// through cell 0 and its complement. Cells 3 and 9 belong to no harmony.
constexpr std::array<HarmonyScheme, kHarmonyCount> kSchemes{{
    {"Analogous", cells({0, 1, 11})},
    {"Complements", cells({0, 6})},
    {"Split-Complements", cells({0, 5, 7})},
    {"Triad", cells({0, 4, 8})},
    {"Tetrad", cells({2, 4, 8, 10})},
}};

} // namespace

const std::array<HarmonyScheme, kHarmonyCount>& HarmonySchemes()
{
    return kSchemes;
}

bool HarmonyMarks(int scheme, int cell)
{
    if (scheme < 0 || scheme >= kHarmonyCount || cell < 0 || cell >= kWheelCells)
        return false;
    return kSchemes[static_cast<std::size_t>(scheme)].marked[static_cast<std::size_t>(cell)];
}

} // namespace prismara
