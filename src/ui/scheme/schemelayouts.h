// schemelayouts.h - where the samples of each web-scheme mock-up sit and how they are drawn.
//
// One table per style, keyed by the style's panel name. The panel draws a small browser page
// beside its option buttons; every sample of the style has a row here giving its rectangle
// inside that page (pixels, page content origin) and its look. Rows are in stacking order:
// later rows lie on top of earlier ones, so the page areas come first and their texts after.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <string_view>
#include <vector>

namespace prismara {

// How a sample draws itself.
enum class SampleShape {
    Area,        // a filled rectangle with an optional caption (a label)
    Circle,      // a disc in the back colour
    RoundedBox,  // a rounded rectangle in the back colour
    Diamond,     // a diamond in the back colour
    TableGrid,   // the border and cell lines of a table, in the border colour; takes no clicks
};

struct SampleGeometry
{
    const char* name;
    QRect rect;
    SampleShape shape = SampleShape::Area;
    qreal pointSize = 0;              // 0: the window's font size
    bool bold = false;
    bool underline = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int indent = 0;                   // blank pixels before the caption
    bool wrap = false;                // the caption breaks into lines at word ends
    bool outlined = false;            // a faint edge marks the area on a page of one colour
};

// Where the contrast mark of a pair (core/scheme/schemestyles.h) sits on the page: its right
// edge at x, its middle at y (page content coordinates).
struct BadgePlace
{
    const char* pair;
    QPoint rightCentre;
};

struct PanelLayout
{
    int optionsWidth;                 // width of the option-button frame at the panel's right
                                      // (the page content is 333 - optionsWidth by 179 pixels)
    std::vector<SampleGeometry> samples;
    std::vector<BadgePlace> badges{}; // one per contrast pair of the style
};

class SchemeLayouts
{
public:
    // The layout of the panel named `panel` ("picLinkColor", ...); an empty layout for others.
    static const PanelLayout& forPanel(std::string_view panel);
};

} // namespace prismara
