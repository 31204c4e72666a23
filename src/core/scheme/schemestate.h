// schemestate.h - the colours and captions of every web-scheme sample, without widgets.
//
// The designer panels show this state; HtmlColor, sample picks and scheme loads change it
// here, so the widgets only mirror it. Styles are addressed by their position in
// SchemeStyles::all(), elements by their position in the style's element list, samples by name.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/scheme/schemestyles.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

// What one sample shows at a moment.
struct SampleLook
{
    ColorValue backColor;
    ColorValue foreColor;
    ColorValue borderColor;
    std::string caption;

    bool operator==(const SampleLook&) const = default;
};

// A sample click: the element it selects and the colour it makes current.
struct SchemePick
{
    std::size_t element;
    ColorValue color;

    bool operator==(const SchemePick&) const = default;
};

class SchemeState
{
public:
    // Every sample of every style at its starting look.
    SchemeState();

    // Puts one style back to its starting look.
    void reset(std::size_t style);

    // The looks of a style, in the order of SchemeStyle::samples.
    const std::vector<SampleLook>& looks(std::size_t style) const { return looks_.at(style); }
    // The look of one sample; nullptr for a name the style does not have.
    const SampleLook* find(std::size_t style, std::string_view sample) const;
    // One property of one sample; black for a name the style does not have.
    ColorValue color(std::size_t style, const SampleRef& ref) const;
    // The caption of one sample; empty for a name the style does not have.
    std::string caption(std::size_t style, std::string_view sample) const;

    // What HtmlColor does once it has found the selected element: sets every target of the
    // element to `color` and, for the Web Links text and link elements, rewrites the caption to
    // its prefix and HtmlHex(color). An element position out of range changes nothing.
    void applyColor(std::size_t style, std::size_t element, ColorValue color);

    // A click on `sample`: the element it selects and the colour it takes. nullopt for samples
    // that take no clicks (the table rectangles) and for unknown names.
    std::optional<SchemePick> pickColor(std::size_t style, std::string_view sample) const;

    // The colours a saved scheme stores: each element's source, in record-field order.
    std::vector<ColorValue> sourceColors(std::size_t style) const;

    // Loads a saved scheme: each field that holds a colour sets every target of its element
    // (captions rewritten as applyColor does); a field without a colour (nullopt) leaves its
    // samples as they are. Fields beyond the style's elements are ignored.
    void loadRecord(std::size_t style, const std::vector<std::optional<ColorValue>>& fields);

    bool operator==(const SchemeState&) const = default;

private:
    SampleLook* findMutable(std::size_t style, std::string_view sample);

    std::vector<std::vector<SampleLook>> looks_;
};

} // namespace prismara
