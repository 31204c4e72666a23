// colorspaces.cpp - the CSS Color 4 conversions, step by step, and gamut mapping into sRGB.
//
// Each step evaluates its expressions in the order the CSS sample code does (a matrix row is
// m0 * v0 + m1 * v1 + m2 * v2, left to right), and the file is compiled without contraction into
// fused multiply-adds, so the results are the sample code's to the last bit wherever the C library's
// pow and cbrt agree with JavaScript's.
#include "core/colour/colorspaces.h"

#include "core/colour/rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace prismara {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

struct Vec3 { double x, y, z; };

constexpr Vec3 multiply(const Matrix& m, Vec3 v)
{
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

// White points from the 4-figure x,y chromaticities.
constexpr Vec3 kD50 = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

constexpr Matrix kLinearToXyz = {{
    {506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
    {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
    {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0},
}};
constexpr Matrix kXyzToLinear = {{
    {12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
    {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
    {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0},
}};
constexpr Matrix kD65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix kD50ToD65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Matrix kXyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix kLmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix kLmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix kOklabToLms = {{
    {1.0000000000000000, 0.3963377773761749, 0.2158037573099136},
    {1.0000000000000000, -0.1055613458156586, -0.0638541728258133},
    {1.0000000000000000, -0.0894841775298119, -1.2914855480194092},
}};

constexpr double kEpsilonLab = 216.0 / 24389.0; // 6^3 / 29^3
constexpr double kKappa = 24389.0 / 27.0;       // 29^3 / 3^3
constexpr double kLchPowerless = 0.0015;
constexpr double kOklchPowerless = 0.000004;
constexpr double kDegrees = 180.0 / std::numbers::pi;

// Gamut mapping: one just noticeable difference in deltaE OK, and the search's resolution.
constexpr double kJnd = 0.02;
constexpr double kMapEpsilon = 0.0001;

double toLinear(double value)
{
    const double magnitude = std::abs(value);
    if (magnitude <= 0.04045)
        return value / 12.92;
    return (value < 0 ? -1.0 : 1.0) * std::pow((magnitude + 0.055) / 1.055, 2.4);
}

double toGamma(double value)
{
    const double magnitude = std::abs(value);
    if (magnitude > 0.0031308)
        return (value < 0 ? -1.0 : 1.0) * (1.055 * std::pow(magnitude, 1 / 2.4) - 0.055);
    return 12.92 * value;
}

// Linear sRGB of each channel value 0-255, worked out by the same function at start.
const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int v = 0; v < 256; ++v)
            values[static_cast<std::size_t>(v)] = toLinear(v / 255.0);
        return values;
    }();
    return table;
}

// Polar from rectangular; the hue is NaN when the chroma is at most `powerless`.
void toPolar(double a, double b, double powerless, double& chroma, double& hue)
{
    hue = std::atan2(b, a) * kDegrees;
    chroma = std::sqrt(a * a + b * b);
    if (hue < 0)
        hue = hue + 360;
    if (chroma <= powerless)
        hue = std::nan("");
}

double hueOrZero(double hue)
{
    return HasHue(hue) ? hue : 0.0;
}

Srgb clip(Srgb c)
{
    return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)};
}

Srgb oklchToSrgb(OkLch c)
{
    return LinearToSrgb(XyzToLinear(OklabToXyz(OklchToOklab(c))));
}

OkLab srgbToOklab(Srgb c)
{
    return XyzToOklab(LinearToXyz(SrgbToLinear(c)));
}

int toChannel(double value)
{
    if (std::isnan(value))
        return 0;
    return std::clamp(RoundToIntSaturating(value * 255), 0, 255);
}

} // namespace

bool HasHue(double hue)
{
    return !std::isnan(hue);
}

Srgb SrgbOf(ColorValue color)
{
    return {GetRed(color) / 255.0, GetGreen(color) / 255.0, GetBlue(color) / 255.0};
}

LinearSrgb SrgbToLinear(Srgb c)
{
    return {toLinear(c.r), toLinear(c.g), toLinear(c.b)};
}

Srgb LinearToSrgb(LinearSrgb c)
{
    return {toGamma(c.r), toGamma(c.g), toGamma(c.b)};
}

XyzD65 LinearToXyz(LinearSrgb c)
{
    const Vec3 v = multiply(kLinearToXyz, {c.r, c.g, c.b});
    return {v.x, v.y, v.z};
}

LinearSrgb XyzToLinear(XyzD65 c)
{
    const Vec3 v = multiply(kXyzToLinear, {c.x, c.y, c.z});
    return {v.x, v.y, v.z};
}

XyzD50 D65ToD50(XyzD65 c)
{
    const Vec3 v = multiply(kD65ToD50, {c.x, c.y, c.z});
    return {v.x, v.y, v.z};
}

XyzD65 D50ToD65(XyzD50 c)
{
    const Vec3 v = multiply(kD50ToD65, {c.x, c.y, c.z});
    return {v.x, v.y, v.z};
}

CieLab XyzToLab(XyzD50 c)
{
    const auto f = [](double value) {
        return value > kEpsilonLab ? std::cbrt(value) : (kKappa * value + 16) / 116;
    };
    const double fx = f(c.x / kD50.x);
    const double fy = f(c.y / kD50.y);
    const double fz = f(c.z / kD50.z);
    return {(116 * fy) - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

XyzD50 LabToXyz(CieLab c)
{
    const double fy = (c.l + 16) / 116;
    const double fx = c.a / 500 + fy;
    const double fz = fy - c.b / 200;
    const double x = std::pow(fx, 3) > kEpsilonLab ? std::pow(fx, 3) : (116 * fx - 16) / kKappa;
    const double y = c.l > kKappa * kEpsilonLab ? std::pow((c.l + 16) / 116, 3) : c.l / kKappa;
    const double z = std::pow(fz, 3) > kEpsilonLab ? std::pow(fz, 3) : (116 * fz - 16) / kKappa;
    return {x * kD50.x, y * kD50.y, z * kD50.z};
}

CieLch LabToLch(CieLab c)
{
    CieLch lch{c.l, 0, 0};
    toPolar(c.a, c.b, kLchPowerless, lch.c, lch.h);
    return lch;
}

CieLab LchToLab(CieLch c)
{
    const double h = hueOrZero(c.h);
    return {c.l, c.c * std::cos(h * std::numbers::pi / 180), c.c * std::sin(h * std::numbers::pi / 180)};
}

OkLab XyzToOklab(XyzD65 c)
{
    const Vec3 lms = multiply(kXyzToLms, {c.x, c.y, c.z});
    const Vec3 v = multiply(kLmsToOklab, {std::cbrt(lms.x), std::cbrt(lms.y), std::cbrt(lms.z)});
    return {v.x, v.y, v.z};
}

XyzD65 OklabToXyz(OkLab c)
{
    const Vec3 lms = multiply(kOklabToLms, {c.l, c.a, c.b});
    const Vec3 v = multiply(kLmsToXyz, {std::pow(lms.x, 3), std::pow(lms.y, 3), std::pow(lms.z, 3)});
    return {v.x, v.y, v.z};
}

OkLch OklabToOklch(OkLab c)
{
    OkLch lch{c.l, 0, 0};
    toPolar(c.a, c.b, kOklchPowerless, lch.c, lch.h);
    return lch;
}

OkLab OklchToOklab(OkLch c)
{
    const double h = hueOrZero(c.h);
    return {c.l, c.c * std::cos(h * std::numbers::pi / 180), c.c * std::sin(h * std::numbers::pi / 180)};
}

CssHsl SrgbToHsl(Srgb c)
{
    const double max = std::max({c.r, c.g, c.b});
    const double min = std::min({c.r, c.g, c.b});
    double hue = std::nan("");
    double sat = 0;
    const double light = (min + max) / 2;
    const double d = max - min;
    if (d != 0) {
        sat = (light == 0 || light == 1) ? 0 : (max - light) / std::min(light, 1 - light);
        if (max == c.r)
            hue = (c.g - c.b) / d + (c.g < c.b ? 6 : 0);
        else if (max == c.g)
            hue = (c.b - c.r) / d + 2;
        else
            hue = (c.r - c.g) / d + 4;
        hue = hue * 60;
    }
    // Far outside the gamut the saturation can come out negative.
    if (sat < 0) {
        hue += 180;
        sat = std::abs(sat);
    }
    if (hue >= 360)
        hue -= 360;
    return {hue, sat * 100, light * 100};
}

Srgb HslToSrgb(CssHsl c)
{
    double hue = std::fmod(hueOrZero(c.h), 360.0);
    if (hue < 0)
        hue += 360;
    const double sat = c.s / 100;
    const double light = c.l / 100;
    const auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        const double a = sat * std::min(light, 1 - light);
        return light - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

LinearSrgb LinearOf(ColorValue color)
{
    const auto& table = linearTable();
    return {table[static_cast<std::size_t>(GetRed(color))], table[static_cast<std::size_t>(GetGreen(color))],
            table[static_cast<std::size_t>(GetBlue(color))]};
}

XyzD65 XyzOf(ColorValue color)
{
    return LinearToXyz(LinearOf(color));
}

CieLab LabOf(ColorValue color)
{
    return XyzToLab(D65ToD50(XyzOf(color)));
}

CieLch LchOf(ColorValue color)
{
    return LabToLch(LabOf(color));
}

OkLab OklabOf(ColorValue color)
{
    return XyzToOklab(XyzOf(color));
}

OkLch OklchOf(ColorValue color)
{
    return OklabToOklch(OklabOf(color));
}

CssHsl HslOf(ColorValue color)
{
    return SrgbToHsl(SrgbOf(color));
}

bool InSrgbGamut(Srgb c)
{
    return c.r >= 0 && c.r <= 1 && c.g >= 0 && c.g <= 1 && c.b >= 0 && c.b <= 1;
}

Srgb GamutMapToSrgb(OkLch origin)
{
    if (origin.l >= 1)
        return {1, 1, 1};
    if (origin.l <= 0)
        return {0, 0, 0};
    if (!std::isfinite(origin.l) || !std::isfinite(origin.c))
        return {0, 0, 0}; // nothing to search along
    OkLch current{origin.l, origin.c, hueOrZero(origin.h)};
    const Srgb inOrigin = oklchToSrgb(current);
    if (InSrgbGamut(inOrigin))
        return inOrigin;

    Srgb clipped = clip(inOrigin);
    double e = DeltaEOk(srgbToOklab(clipped), OklchToOklab(current));
    if (e < kJnd)
        return clipped;
    double min = 0;
    double max = current.c;
    bool minInGamut = true;
    while (max - min > kMapEpsilon) {
        const double chroma = (min + max) / 2;
        current.c = chroma;
        const Srgb candidate = oklchToSrgb(current);
        if (minInGamut && InSrgbGamut(candidate)) {
            min = chroma;
            continue;
        }
        clipped = clip(candidate);
        e = DeltaEOk(srgbToOklab(clipped), OklchToOklab(current));
        if (e < kJnd) {
            if (kJnd - e < kMapEpsilon)
                return clipped;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return clipped;
}

ColorValue ToColor(Srgb srgb)
{
    const Srgb inGamut = InSrgbGamut(srgb) ? srgb : GamutMapToSrgb(OklabToOklch(srgbToOklab(srgb)));
    return MakeColor(toChannel(inGamut.r), toChannel(inGamut.g), toChannel(inGamut.b));
}

ColorValue ToColor(LinearSrgb linear)
{
    return ToColor(LinearToSrgb(linear));
}

ColorValue ToColor(XyzD65 xyz)
{
    return ToColor(XyzToLinear(xyz));
}

ColorValue ToColor(CieLab lab)
{
    return ToColor(D50ToD65(LabToXyz(lab)));
}

ColorValue ToColor(CieLch lch)
{
    return ToColor(LchToLab(lch));
}

ColorValue ToColor(OkLab lab)
{
    return ToColor(OklabToOklch(lab));
}

ColorValue ToColor(OkLch lch)
{
    const Srgb srgb = GamutMapToSrgb(lch);
    return MakeColor(toChannel(srgb.r), toChannel(srgb.g), toChannel(srgb.b));
}

ColorValue ToColor(CssHsl hsl)
{
    return ToColor(HslToSrgb({hsl.h, std::clamp(hsl.s, 0.0, 100.0), std::clamp(hsl.l, 0.0, 100.0)}));
}

double DeltaEOk(OkLab one, OkLab two)
{
    const double dl = one.l - two.l;
    const double da = one.a - two.a;
    const double db = one.b - two.b;
    return std::sqrt(dl * dl + da * da + db * db);
}

} // namespace prismara
