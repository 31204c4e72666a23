// schemecode.h - the web code of the Web Links Color scheme: body tag, inline and external CSS.
#pragma once

#include "core/colour/colorvalue.h"

#include <string>
#include <string_view>

namespace prismara {

class SchemeState;

// The six colours the code is built from, as the Web Links Color samples hold them.
struct WebLinkColors
{
    ColorValue background;   // lbltext0 BackColor
    ColorValue text;         // lbltext0 ForeColor
    ColorValue normalLink;   // lblnl ForeColor
    ColorValue visitedLink;  // lblvl ForeColor
    ColorValue activeLink;   // lblal ForeColor
    ColorValue hoverLink;    // lblhl ForeColor

    // Reads the six colours from the Web Links Color samples, whichever style is on view.
    static WebLinkColors fromState(const SchemeState& state);
};

// The three texts of the HTML and CSS window. Lines are joined by CR LF, with no line end after
// the last line; every colour is written in its HtmlHex form ("#RRGGBB").
struct SchemeCode
{
    std::string html;         // one line: <body BGCOLOR="..." TEXT="..." LINK="..." VLINK="..." ALINK="...">
    std::string inlineCss;    // the external CSS wrapped in <style type="text/css">, <!--, -->, </style>
    std::string externalCss;  // five rules: a:link, a:visited, a:active, a:hover, body

    static SchemeCode build(const WebLinkColors& colors);
    static SchemeCode fromState(const SchemeState& state) { return build(WebLinkColors::fromState(state)); }

    // Wraps an external CSS text (as it stands, possibly edited) as inline CSS.
    static std::string inlineFromExternal(std::string_view externalCss);
};

} // namespace prismara
