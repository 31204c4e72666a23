// displayprofile.cpp - device RGB to sRGB through Little CMS.
#include "core/colour/displayprofile.h"

#include "core/colour/rounding.h"

#include <lcms2.h>

#include <algorithm>
#include <array>

namespace prismara {

namespace {
struct ProfileCloser
{
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

std::string descriptionOf(cmsHPROFILE profile)
{
    std::array<char, 256> text{};
    const cmsUInt32Number got =
        cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text.data(), text.size());
    return got > 0 ? std::string(text.data()) : std::string();
}

int channel(double unit) { return std::clamp(RoundToIntSaturating(unit * 255.0), 0, 255); }
} // namespace

std::optional<DisplayProfile> DisplayProfile::FromIcc(std::span<const std::uint8_t> icc)
{
    if (icc.empty())
        return std::nullopt;
    ProfileHandle device(cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size())));
    if (!device || cmsGetColorSpace(device.get()) != cmsSigRgbData)
        return std::nullopt;
    ProfileHandle srgb(cmsCreate_sRGBProfile());
    if (!srgb)
        return std::nullopt;
    // Floating point throughout: no precalculated 8-bit table between the device and the result.
    cmsHTRANSFORM transform = cmsCreateTransform(device.get(), TYPE_RGB_DBL, srgb.get(), TYPE_RGB_DBL,
                                                 INTENT_PERCEPTUAL, cmsFLAGS_NOCACHE);
    if (!transform)
        return std::nullopt;
    DisplayProfile profile;
    profile.transform_ = std::shared_ptr<void>(transform, [](void* t) { cmsDeleteTransform(t); });
    profile.description_ = descriptionOf(device.get());
    return profile;
}

ColorValue DisplayProfile::toSrgb(ColorValue device) const
{
    const std::array<double, 3> in{GetRed(device) / 255.0, GetGreen(device) / 255.0, GetBlue(device) / 255.0};
    std::array<double, 3> out{};
    cmsDoTransform(transform_.get(), in.data(), out.data(), 1);
    return MakeColor(channel(out[0]), channel(out[1]), channel(out[2]));
}

} // namespace prismara
