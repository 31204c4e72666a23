// contrast.cpp - WCAG 2.x contrast, APCA Lc and the lightness search of Fix Contrast.
#include "core/access/contrast.h"

#include "core/colour/colorspaces.h"

#include <algorithm>
#include <cmath>

namespace prismara {

namespace {

const std::array<WcagCriterionInfo, kWcagCriterionCount> kCriteria = {{
    {WcagCriterion::AaNormal, "aa_normal", "AA normal text", 4.5},
    {WcagCriterion::AaLarge, "aa_large", "AA large text", 3.0},
    {WcagCriterion::AaaNormal, "aaa_normal", "AAA normal text", 7.0},
    {WcagCriterion::AaaLarge, "aaa_large", "AAA large text", 4.5},
    {WcagCriterion::NonText, "non_text_3_1", "Non-text 3:1", 3.0},
}};

// APCA-W3 0.0.98G-4g.
constexpr double kMainTrc = 2.4;
constexpr double kRedY = 0.2126729;
constexpr double kGreenY = 0.7151522;
constexpr double kBlueY = 0.0721750;
constexpr double kNormBg = 0.56;
constexpr double kNormText = 0.57;
constexpr double kRevText = 0.62;
constexpr double kRevBg = 0.65;
constexpr double kBlackThreshold = 0.022;
constexpr double kBlackClamp = 1.414;
constexpr double kScaleBoW = 1.14;
constexpr double kScaleWoB = 1.14;
constexpr double kLowBoWOffset = 0.027;
constexpr double kLowWoBOffset = 0.027;
constexpr double kDeltaYMin = 0.0005;
constexpr double kLowClip = 0.1;

// The screen luminance APCA works with: a plain 2.4 power of each channel, not the sRGB curve.
// The powers of the 256 channel values are worked out once.
double apcaY(ColorValue color)
{
    static const std::array<double, 256> power = [] {
        std::array<double, 256> values{};
        for (int v = 0; v < 256; ++v)
            values[static_cast<std::size_t>(v)] = std::pow(v / 255.0, kMainTrc);
        return values;
    }();
    return kRedY * power[static_cast<std::size_t>(GetRed(color))] +
           kGreenY * power[static_cast<std::size_t>(GetGreen(color))] +
           kBlueY * power[static_cast<std::size_t>(GetBlue(color))];
}

// Soft clamp of near-black luminance.
double clampBlack(double y)
{
    return y > kBlackThreshold ? y : y + std::pow(kBlackThreshold - y, kBlackClamp);
}

// Bisection steps of the lightness search: 2^-40 of the lightness range, far below one 8-bit step.
constexpr int kSearchSteps = 40;

} // namespace

double RelativeLuminance(ColorValue color)
{
    const LinearSrgb linear = LinearOf(color);
    return 0.2126 * linear.r + 0.7152 * linear.g + 0.0722 * linear.b;
}

double ContrastRatio(ColorValue one, ColorValue two)
{
    const double a = RelativeLuminance(one);
    const double b = RelativeLuminance(two);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double ApcaContrast(ColorValue text, ColorValue background)
{
    const double textY = clampBlack(apcaY(text));
    const double backgroundY = clampBlack(apcaY(background));
    if (std::abs(backgroundY - textY) < kDeltaYMin)
        return 0.0;
    double output = 0.0;
    if (backgroundY > textY) {
        const double sapc = (std::pow(backgroundY, kNormBg) - std::pow(textY, kNormText)) * kScaleBoW;
        output = sapc < kLowClip ? 0.0 : sapc - kLowBoWOffset;
    } else {
        const double sapc = (std::pow(backgroundY, kRevBg) - std::pow(textY, kRevText)) * kScaleWoB;
        output = sapc > -kLowClip ? 0.0 : sapc + kLowWoBOffset;
    }
    return output * 100.0;
}

const std::array<WcagCriterionInfo, kWcagCriterionCount>& WcagCriteria()
{
    return kCriteria;
}

bool Passes(WcagCriterion criterion, double ratio)
{
    return ratio >= kCriteria[static_cast<std::size_t>(criterion)].minimumRatio;
}

std::optional<ColorValue> FixContrast(ColorValue color, ColorValue background, WcagCriterion target)
{
    if (Passes(target, ContrastRatio(color, background)))
        return color;
    const OkLch base = OklchOf(color);
    const auto colorAt = [&](double lightness) { return ToColor(OkLch{lightness, base.c, base.h}); };
    const auto passesAt = [&](double lightness) { return Passes(target, ContrastRatio(colorAt(lightness), background)); };

    // Along each direction the luminance grows with the lightness, so the contrast changes
    // monotonically between the colour (failing) and the end (white or black): bisect for the
    // passing lightness nearest to the colour's own.
    std::optional<ColorValue> best;
    double bestShift = 2.0;
    for (const double end : {1.0, 0.0}) {
        if (!passesAt(end))
            continue;
        double failing = base.l;
        double passing = end;
        for (int step = 0; step < kSearchSteps; ++step) {
            const double middle = (failing + passing) / 2;
            (passesAt(middle) ? passing : failing) = middle;
        }
        const double shift = std::abs(passing - base.l);
        if (shift < bestShift) {
            bestShift = shift;
            best = colorAt(passing);
        }
    }
    return best;
}

} // namespace prismara
