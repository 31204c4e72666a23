// clrmodels.h - one colour shown in the CMY, CMYK, HSL and YCbCr models, and the HSL functions.
//
// Every model value is computed from the three stored channels when it is read. The arithmetic is
// exact to the last bit: the HSL steps keep their intermediate values as 32-bit floats, everything
// else is evaluated in double, and every real value becomes an integer by rounding half to even.
// Hue is on the program's shifted scale: red 60, yellow 120, green 180, cyan 240, blue 300,
// magenta 0 (or 360), greys 60.
#pragma once

#include <cstdint>
#include <span>

namespace prismara {

struct HSLValue
{
    std::int32_t H, S, L;
    friend bool operator==(const HSLValue&, const HSLValue&) = default;
};

struct RGBValue
{
    std::int32_t R, G, B;
    friend bool operator==(const RGBValue&, const RGBValue&) = default;
};

class cClrModels
{
public:
    // CMY channels, 0-255.
    std::uint8_t cmyC() const { return static_cast<std::uint8_t>(255 - m_red); }
    std::uint8_t cmyM() const { return static_cast<std::uint8_t>(255 - m_green); }
    // CMYK components, 0-100.
    std::int16_t cmykK() const;
    std::int16_t cmykC() const;
    std::int16_t cmykM() const;
    std::int16_t cmykY() const;
    std::uint8_t cmyY() const { return static_cast<std::uint8_t>(255 - m_blue); }
    // Hue 0-360, lightness and saturation 0-100.
    std::int16_t hlsH() const;
    std::int16_t hlsL() const;
    std::int16_t hlsS() const;
    std::uint8_t rgbR() const { return m_red; }
    std::uint8_t rgbG() const { return m_green; }
    std::uint8_t rgbB() const { return m_blue; }
    // Luma and chroma, 0-255.
    std::uint8_t ycbcrY() const;
    std::uint8_t ycbcrCb() const;
    std::uint8_t ycbcrCr() const;

    void setRgbR(std::uint8_t value) { m_red = value; }
    void setRgbG(std::uint8_t value) { m_green = value; }
    void setRgbB(std::uint8_t value) { m_blue = value; }

    // The Set operations overwrite all three channels. Arguments outside their ranges are a
    // programming error: they assert in debug builds and are clamped into range otherwise.
    void SetCMY(int c, int m, int y);         // each 0-255
    void SetHLS(int h, int s, int l);         // hue 0-360, saturation, lightness 0-100 (in this order)
    void SetCMYK(int c, int m, int y, int k); // each 0-100
    void SetYCbCr(int y, int cb, int cr);     // each 0-255

private:
    std::uint8_t m_red = 0;
    std::uint8_t m_green = 0;
    std::uint8_t m_blue = 0;
};

// The HSL of a colour given as three channels 0-255; equal to hlsH, hlsS and hlsL. Channels out of
// range assert in debug builds and are clamped otherwise.
HSLValue RGBToHSL(std::int32_t r, std::int32_t g, std::int32_t b);

// The channels that SetHLS stores for hue 0-360, saturation and lightness 0-100. The arguments
// are not checked: callers keep them in range, and then every channel lies in 0-255.
RGBValue HSLToRGB(std::int32_t h, std::int32_t s, std::int32_t l);

// HSLToRGB of each hue in `hues` with one saturation and lightness, into out[i] (out is at least
// as long as hues). What depends on saturation and lightness alone is worked out once, which
// makes the twelve colours of a wheel cheap.
void HSLToRGBHues(std::span<const std::int32_t> hues, std::int32_t s, std::int32_t l,
                  std::span<RGBValue> out);

} // namespace prismara
