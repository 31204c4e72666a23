// settings.cpp - the settings table over the Platform's settings store.
#include "platform/settings.h"

#include "platform/platform.h"
#include "platform/qtconvert.h"

namespace prismara {

namespace {
struct Address
{
    QString application;
    QString section;
    QString key;
};

Address addressOf(Platform& platform, Setting id)
{
    const SettingDef& def = SettingDefOf(id);
    const std::string programName = ToStdString(platform.programFileName());
    return {ToQString(SettingApplication(id, programName)), ToQString(def.section), ToQString(def.key)};
}
} // namespace

std::string Settings::storedText(Setting id) const
{
    const Address at = addressOf(platform_, id);
    return ToStdString(platform_.getSetting(at.application, at.section, at.key, QString()));
}

std::optional<int> Settings::number(Setting id) const { return SettingNumber(id, storedText(id)); }

bool Settings::isOn(Setting id) const { return SettingIsOn(id, storedText(id)); }

void Settings::setNumber(Setting id, int value)
{
    const Address at = addressOf(platform_, id);
    platform_.saveSetting(at.application, at.section, at.key, ToQString(SettingText(value)));
}

} // namespace prismara
