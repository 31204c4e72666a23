// schemecode.cpp - builds the body tag and the CSS of the Web Links Color scheme.
#include "core/scheme/schemecode.h"

#include "core/scheme/schemestate.h"

namespace prismara {

namespace {
constexpr std::string_view kCrLf = "\r\n";

SampleRef backOf(const char* control) { return {control, SampleProperty::BackColor}; }
SampleRef foreOf(const char* control) { return {control, SampleProperty::ForeColor}; }

std::string quoted(ColorValue color) { return '"' + HtmlHex(color) + '"'; }
} // namespace

WebLinkColors WebLinkColors::fromState(const SchemeState& state)
{
    constexpr std::size_t style = SchemeStyles::kWebLinks;
    return {state.color(style, backOf("lbltext0")), state.color(style, foreOf("lbltext0")),
            state.color(style, foreOf("lblnl")),    state.color(style, foreOf("lblvl")),
            state.color(style, foreOf("lblal")),    state.color(style, foreOf("lblhl"))};
}

SchemeCode SchemeCode::build(const WebLinkColors& c)
{
    SchemeCode code;
    code.html = "<body BGCOLOR=" + quoted(c.background) + " TEXT=" + quoted(c.text) + " LINK=" +
                quoted(c.normalLink) + " VLINK=" + quoted(c.visitedLink) + " ALINK=" + quoted(c.activeLink) + ">";

    code.externalCss = "a:link {color:" + HtmlHex(c.normalLink) + ";}";
    code.externalCss += kCrLf;
    code.externalCss += "a:visited {color:" + HtmlHex(c.visitedLink) + ";}";
    code.externalCss += kCrLf;
    code.externalCss += "a:active {color:" + HtmlHex(c.activeLink) + ";}";
    code.externalCss += kCrLf;
    code.externalCss += "a:hover {color:" + HtmlHex(c.hoverLink) + ";}";
    code.externalCss += kCrLf;
    code.externalCss += "body {background-color:" + HtmlHex(c.background) + "; color:" + HtmlHex(c.text) + ";}";

    code.inlineCss = inlineFromExternal(code.externalCss);
    return code;
}

std::string SchemeCode::inlineFromExternal(std::string_view externalCss)
{
    std::string out = "<style type=\"text/css\">";
    out += kCrLf;
    out += "<!--";
    out += kCrLf;
    out += externalCss;
    out += kCrLf;
    out += "-->";
    out += kCrLf;
    out += "</style>";
    return out;
}

} // namespace prismara
