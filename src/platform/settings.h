// settings.h - typed access to the per-user settings of core/app/settingstable.h.
//
// Reads and writes a setting by its Setting value through the Platform's store; the table gives
// the store, section, key, default and how the text reads. A value that is not a whole number
// counts as absent.
#pragma once

#include "core/app/settingstable.h"

#include <optional>

namespace prismara {

class Platform;

class Settings
{
public:
    explicit Settings(Platform& platform) : platform_(platform) {}

    // The stored number, else the table's default (nullopt for a setting without one).
    std::optional<int> number(Setting id) const;
    // A switch or check-box setting, read by its kind in the table.
    bool isOn(Setting id) const;

    void setNumber(Setting id, int value);
    void setOn(Setting id, bool on) { setNumber(id, on ? 1 : 0); }

private:
    std::string storedText(Setting id) const;

    Platform& platform_;
};

} // namespace prismara
