// schemepreview.cpp - the snapshot of the Web Links Color scheme that the preview shows.
#include "core/scheme/schemepreview.h"

#include "core/scheme/schemestate.h"

namespace prismara {

const std::array<std::string, SchemePreview::kLineCount>& SchemePreview::initialTexts()
{
    static const std::array<std::string, kLineCount> texts = {
        "Text looks like this.",         "Normal links look like this.", "Visited links look like this.",
        "Active links look like this.", "Hover links look like this.",
    };
    return texts;
}

SchemePreview SchemePreview::fromState(const SchemeState& state)
{
    constexpr std::size_t style = SchemeStyles::kWebLinks;
    const auto look = [&](const char* sample) {
        const SampleLook* found = state.find(style, sample);
        return found ? *found : SampleLook{kWhite, kBlack, kBlack, {}};
    };

    SchemePreview preview;
    preview.windowBackground = look("lbldisplay").backColor;

    // The text line takes its colours from the heading and its text from the body sample.
    const SampleLook heading = look("lbltext0");
    preview.lines[0] = {"txtTxt", look("lbltext1").caption, heading.backColor, heading.foreColor, false};

    struct Link
    {
        const char* field;
        const char* sample;
    };
    const Link links[] = {{"txtNl", "lblnl"}, {"txtvl", "lblvl"}, {"txtal", "lblal"}, {"txthl", "lblhl"}};
    std::size_t i = 1;
    for (const Link& link : links) {
        const SampleLook sample = look(link.sample);
        preview.lines[i++] = {link.field, sample.caption, sample.backColor, sample.foreColor, true};
    }
    return preview;
}

} // namespace prismara
