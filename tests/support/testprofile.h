// testprofile.h - the display colour profile of the widget and core tests: a matrix/TRC RGB
// profile made with Little CMS, with wide-gamut primaries (those of Adobe RGB 1998), D65 white and
// a plain 1.8 gamma, so that its colours differ clearly from sRGB's. Its description is
// "Prismara test display". Through it Little CMS's transicc -t0 turns 51 102 204 into
// 2.03 121.29 216.42.
#pragma once

#include <lcms2.h>

#include <vector>

namespace prismara::test {

inline std::vector<unsigned char> TestDisplayProfile()
{
    const cmsCIExyY white{0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries{{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}};
    cmsToneCurve* gamma = cmsBuildGamma(nullptr, 1.8);
    cmsToneCurve* curves[3] = {gamma, gamma, gamma};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsMLU* description = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(description, "en", "US", "Prismara test display");
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, description);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    std::vector<unsigned char> bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsMLUfree(description);
    cmsFreeToneCurve(gamma);
    cmsCloseProfile(profile);
    return bytes;
}

} // namespace prismara::test
