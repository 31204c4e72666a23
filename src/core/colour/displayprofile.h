// displayprofile.h - a display's ICC colour profile, and the conversion of the colours it shows
// (device RGB) to sRGB with Little CMS, perceptual intent.
#pragma once

#include "core/colour/colorvalue.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace prismara {

class DisplayProfile
{
public:
    // The profile held in `icc` (the bytes of an .icc file, or of a display's _ICC_PROFILE);
    // nullopt unless it is a readable RGB profile that converts to sRGB.
    static std::optional<DisplayProfile> FromIcc(std::span<const std::uint8_t> icc);

    // The sRGB colour of the device colour `device`: converted in floating point and rounded to
    // the nearest 8-bit value (halves to even), clipped to 0-255.
    ColorValue toSrgb(ColorValue device) const;

    // The profile's own description ("" when it has none).
    const std::string& description() const { return description_; }

private:
    DisplayProfile() = default;

    std::shared_ptr<void> transform_; // cmsHTRANSFORM, deleted with the last copy
    std::string description_;
};

} // namespace prismara
