// settingstable.h - every per-user setting of Prismara: where it lives and its default.
#pragma once

#include <optional>
#include <string_view>

namespace prismara {

enum class Setting { WebColorScheme, ColorSquare, ColorWheelType, AutoStop, PositionX, PositionY };

struct SettingDef
{
    Setting id;
    bool underProgramName;      // true: application = program file name ("prismara")
    std::string_view section;
    std::string_view key;
    std::optional<int> fallback; // nullopt: no default (the caller decides)
};

inline constexpr std::string_view kSettingsApplication = "quorvel software";
inline constexpr std::string_view kSettingsSection = "Prismara 4.6";

inline constexpr SettingDef kSettings[] = {
    {Setting::WebColorScheme, false, kSettingsSection, "webcolorscheme", 0},
    {Setting::ColorSquare, false, kSettingsSection, "colorsquare", 0},
    {Setting::ColorWheelType, false, kSettingsSection, "colorwheeltype", 0},
    {Setting::AutoStop, false, kSettingsSection, "autostop", 0},
    {Setting::PositionX, true, "Position", "X", std::nullopt},
    {Setting::PositionY, true, "Position", "Y", std::nullopt},
};

const SettingDef& settingDef(Setting id);

// A stored value as a whole number; nullopt when it is not one (then it counts as absent).
// Surrounding blanks are allowed, nothing else.
std::optional<int> ParseSettingNumber(std::string_view text);

} // namespace prismara
