// settingstable.cpp - setting lookup, number parsing and the reading rules of the table.
#include "core/app/settingstable.h"

#include <charconv>

namespace prismara {

const SettingDef& SettingDefOf(Setting id)
{
    for (const SettingDef& def : kSettings)
        if (def.id == id)
            return def;
    return kSettings[0];
}

std::string_view SettingApplication(Setting id, std::string_view programName)
{
    return SettingDefOf(id).store == SettingStore::ProgramName ? programName : kSettingsApplication;
}

std::optional<int> ParseSettingNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt; // one sign at most: "+-5" is not a number
    }
    if (text.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<int> SettingNumber(Setting id, std::optional<std::string_view> stored)
{
    if (stored)
        if (const std::optional<int> value = ParseSettingNumber(*stored))
            return value;
    return SettingDefOf(id).fallback;
}

bool SettingIsOn(Setting id, std::optional<std::string_view> stored)
{
    const std::optional<int> value = SettingNumber(id, stored);
    if (SettingDefOf(id).kind == SettingKind::Switch)
        return value == 1;
    return value.value_or(0) != 0;
}

std::string SettingText(int value) { return std::to_string(value); }

} // namespace prismara
