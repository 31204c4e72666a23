// chartkind.h - the kind flag of a palette index record and what each kind allows.
#pragma once

#include <string_view>

namespace prismara {

// "0" built-in (the recent colours included), "1" made by the user, "2" read-only built-in.
// Any other flag is Unknown and is treated like ReadOnly: nothing may change that palette.
enum class ChartKind { BuiltIn, User, ReadOnly, Unknown };

// Reads a flag line; leading and trailing spaces do not count.
constexpr ChartKind ChartKindOf(std::string_view flag)
{
    while (!flag.empty() && flag.front() == ' ')
        flag.remove_prefix(1);
    while (!flag.empty() && flag.back() == ' ')
        flag.remove_suffix(1);
    if (flag == "0")
        return ChartKind::BuiltIn;
    if (flag == "1")
        return ChartKind::User;
    if (flag == "2")
        return ChartKind::ReadOnly;
    return ChartKind::Unknown;
}

// Delete Current Palette.
constexpr bool CanDeleteChart(ChartKind kind)
{
    return kind == ChartKind::User;
}
// Clear All Colors, Clear Duplicate Colors, Delete Selected Color.
constexpr bool CanEditChart(ChartKind kind)
{
    return kind == ChartKind::BuiltIn || kind == ChartKind::User;
}
// Listed under "Add This Color To" and as a target for picked colours.
constexpr bool IsAddTarget(ChartKind kind)
{
    return CanEditChart(kind);
}

} // namespace prismara
