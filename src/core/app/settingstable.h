// settingstable.h - every per-user setting of Prismara: where it lives, its default, how it reads.
//
// A setting is one row of kSettings and one Setting value. Nothing else in the program names a
// setting key; the typed access over the desktop's store is platform/settings.h.
#pragma once

#include "core/palette/pickerrules.h"

#include <optional>
#include <string>
#include <string_view>

namespace prismara {

enum class Setting {
    WebColorScheme,
    ColorSquare,
    ColorWheelType,
    AutoStop,
    ColorManagedPick,
    PositionX,
    PositionY,
    PickSampleSize,
    LoupeZoom,
    WindowWidth,
    WindowHeight,
    WindowMaximized,
};

// Which store a setting lives in: the vendor's ("quorvel software.ini") or the one named after
// the program's file ("prismara.ini").
enum class SettingStore { Vendor, ProgramName };

// How a stored number reads as on or off.
enum class SettingKind {
    Switch,   // on only for 1
    CheckBox, // on for any number but 0
    Number,   // a whole number
};

struct SettingDef
{
    Setting id;
    SettingStore store;
    std::string_view section;
    std::string_view key;
    SettingKind kind;
    std::optional<int> fallback; // when absent or not a number; nullopt: no value at all
};

inline constexpr std::string_view kSettingsApplication = "quorvel software";
inline constexpr std::string_view kSettingsSection = "Prismara 4.6";

inline constexpr SettingDef kSettings[] = {
    {Setting::WebColorScheme, SettingStore::Vendor, kSettingsSection, "webcolorscheme", SettingKind::Switch,
     0},
    {Setting::ColorSquare, SettingStore::Vendor, kSettingsSection, "colorsquare", SettingKind::Switch, 0},
    {Setting::ColorWheelType, SettingStore::Vendor, kSettingsSection, "colorwheeltype", SettingKind::Number,
     0},
    {Setting::AutoStop, SettingStore::Vendor, kSettingsSection, "autostop", SettingKind::CheckBox, 0},
    // On a display with a colour profile: 1 takes the picked colour converted to sRGB, 0 as the
    // device shows it.
    {Setting::ColorManagedPick, SettingStore::Vendor, kSettingsSection, "colormanagedpick",
     SettingKind::CheckBox, 1},
    {Setting::PositionX, SettingStore::ProgramName, "Position", "X", SettingKind::Number, std::nullopt},
    {Setting::PositionY, SettingStore::ProgramName, "Position", "Y", SettingKind::Number, std::nullopt},
    // The picker's sampled square: 1, 3, 5 or 9 pixels a side.
    {Setting::PickSampleSize, SettingStore::Vendor, kSettingsSection, "picksamplesize", SettingKind::Number,
     1},
    // The picker loupe's zoom: device pixels per picture pixel.
    {Setting::LoupeZoom, SettingStore::Vendor, kSettingsSection, "loupezoom", SettingKind::Number,
     kLoupeZoomDefault},
    // The window's size in twips as it is with the scheme designer shown, and whether it was
    // maximised; absent: the designed size.
    {Setting::WindowWidth, SettingStore::ProgramName, "Position", "Width", SettingKind::Number, std::nullopt},
    {Setting::WindowHeight, SettingStore::ProgramName, "Position", "Height", SettingKind::Number, std::nullopt},
    {Setting::WindowMaximized, SettingStore::ProgramName, "Position", "Maximized", SettingKind::Switch, 0},
};

const SettingDef& SettingDefOf(Setting id);

// The application name the setting is stored under: kSettingsApplication, or `programName`
// (the program's file name without extension) for SettingStore::ProgramName.
std::string_view SettingApplication(Setting id, std::string_view programName);

// A stored value as a whole number; nullopt when it is not one (then it counts as absent).
// Surrounding blanks are allowed, nothing else.
std::optional<int> ParseSettingNumber(std::string_view text);

// The value of a setting whose stored text is `stored` (nullopt: the key is absent): its number,
// else the row's default.
std::optional<int> SettingNumber(Setting id, std::optional<std::string_view> stored);

// Whether a switch or check-box setting is on, by its row's kind.
bool SettingIsOn(Setting id, std::optional<std::string_view> stored);

// The text that stores `value`: decimal, so that it reads back as the same number.
std::string SettingText(int value);

} // namespace prismara
