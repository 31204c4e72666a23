// settingstable.cpp - setting lookup and number parsing.
#include "core/app/settingstable.h"

#include <charconv>

namespace prismara {

const SettingDef& settingDef(Setting id)
{
    for (const SettingDef& def : kSettings)
        if (def.id == id)
            return def;
    return kSettings[0];
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

} // namespace prismara
