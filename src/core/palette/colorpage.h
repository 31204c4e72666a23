// colorpage.h - the HTML colour information page written by "Save as Html...".
#pragma once

#include "core/palette/storeresult.h"

#include <filesystem>
#include <string>

namespace prismara {

// The texts of the colour information window's boxes, inserted into the page unchanged.
struct ColorPageTexts
{
    std::string txtHex;                    // "#FFA1CC"
    std::string txtr, txtg, txtb;          // decimal red, green, blue
    std::string txth, txts, txtl;          // HSL
    std::string txtc, txtm, txtY;          // CMY
    std::string txtc1, txtm1, txtY1, txtK; // CMYK
    std::string txtY2, txtCb, txtCr;       // YCbCr
};

inline constexpr int kColorPageLines = 106;

// The page's exact bytes: 106 lines, each ended by CR LF.
std::string ColorPageHtml(const ColorPageTexts& texts);

// Writes the page to `file`, replacing an existing file in one step (through file + ".tmp").
StoreResult SaveColorPage(const std::filesystem::path& file, const ColorPageTexts& texts);

} // namespace prismara
