// schemepreview.h - what the preview window shows of the Web Links Color scheme.
#pragma once

#include "core/colour/colorvalue.h"

#include <array>
#include <string>

namespace prismara {

class SchemeState;

// One text field of the preview window.
struct PreviewLine
{
    std::string field;        // objectName of the text field ("txtTxt", "txtNl", ...)
    std::string text;
    ColorValue background;
    ColorValue foreground;
    bool underlined;          // the four link lines are underlined, the text line is not
};

// A snapshot of the Web Links Color samples as a page would show them.
struct SchemePreview
{
    // The lines from top to bottom: txtTxt, txtNl, txtvl, txtal, txthl.
    static constexpr std::size_t kLineCount = 5;

    ColorValue windowBackground;   // lbldisplay BackColor
    std::array<PreviewLine, kLineCount> lines;

    // The text the fields hold before the window fills them, in line order.
    static const std::array<std::string, kLineCount>& initialTexts();

    static SchemePreview fromState(const SchemeState& state);
};

} // namespace prismara
