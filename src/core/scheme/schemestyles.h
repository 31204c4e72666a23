// schemestyles.h - the five web-scheme styles of the designer, described as one table.
//
// Every style, its elements (in the field order of its saved-scheme record) and its sample
// controls are plain data here; the designer panels, HtmlColor, the sample clicks and the scheme
// files are all driven from this table. A sixth style means a sixth table entry.
//
// Control names are the names the program gives its widgets (objectName). Control arrays are
// flattened: item i of the array `lbltext` is the control "lbltext0" / "lbltext1", so
// lbltext(0) ("Welcome!") is "lbltext0" and lbltext(1) is "lbltext1". All other samples keep
// their plain names (note the mixed case of "lblShape1", "lblshape2", "lblshape3").
#pragma once

#include "core/colour/colorvalue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prismara {

// The colour property of a sample that an element sets or reads.
enum class SampleProperty { BackColor, ForeColor, BorderColor };

// Labels have a back and a fore colour and a caption; the table rectangles (shpTable1-3) have
// only a border colour and take no clicks.
enum class SampleKind { Label, Rectangle };

struct SampleRef
{
    std::string control;
    SampleProperty property;

    bool operator==(const SampleRef&) const = default;
};

// A sample control with the look it has when the program starts. Properties that no element
// names start as the system window-text colour, fixed here as black.
struct SampleControl
{
    std::string name;
    SampleKind kind;
    std::string caption;      // initial caption; empty for caption-less areas and rectangles
    ColorValue backColor;
    ColorValue foreColor;
    ColorValue borderColor;   // meaningful for rectangles only
};

// Which mouse action picks a sample: the release of any button but the right one, or (lblal
// only) the ordinary primary-button click. The right button always opens the pop-up menu.
enum class PickTrigger { ButtonRelease, PrimaryClick };

// A click on `sample` selects the element and makes the colour of `colorFrom` the current colour.
struct PickSample
{
    std::string sample;
    SampleRef colorFrom;
    PickTrigger trigger = PickTrigger::ButtonRelease;
};

// Setting the element's colour rewrites the caption of `sample` to prefix + HtmlHex(colour).
struct CaptionRewrite
{
    std::string sample;
    std::string prefix;
};

struct SchemeElement
{
    std::string optionName;     // option button, e.g. "optvl"
    std::string caption;        // option button caption, e.g. "Visited link"
    std::string toolTip;        // empty when the button has none
    std::string groupFrame;     // sub-frame holding the button ("fraHeaderItem"); empty when none
    std::string groupCaption;   // its caption ("Header"); empty when none
    std::vector<SampleRef> targets;               // what HtmlColor and a scheme load set
    std::optional<CaptionRewrite> captionRewrite; // Web Links text and link elements only
    SampleRef source;                             // what a saved scheme stores for this element
    std::vector<PickSample> picks;                // empty: the element cannot be picked
    ColorValue initialColor;                      // the source's value at start
};

// Where a click on a sample leads.
struct SamplePick
{
    std::size_t element;
    const PickSample* pick;
};

// How a contrast pair is judged: text on its background (WCAG 2 success criteria 1.4.3 and
// 1.4.6, normal text: AA 4.5:1, AAA 7:1), or a shape against the page (1.4.11, graphical
// objects: 3:1, for AA and AAA alike).
enum class ContrastRule { Text, NonText };

// The page behind every mock-up, where no sample covers it.
inline constexpr ColorValue kMockupPage = kWhite;

// A colour and the colour it is seen on, whose contrast the designer reports.
struct ContrastPair
{
    std::string name;                     // "NormalLink"; the designer's mark for it is lblContrast + name
    std::string caption;                  // "Normal link on background"
    SampleRef foreground;
    std::optional<SampleRef> background;  // nullopt: the mock-up page itself (kMockupPage)
    ContrastRule rule;
};

struct SchemeStyle
{
    std::string caption;        // tab caption, the key of the style everywhere
    std::string panel;          // "picLinkColor"
    std::string optionFrame;    // frame holding the option buttons
    std::string sampleFrame;    // frame holding the samples; empty: the panel itself
    std::string stem;           // file stem: stem + ".hcs", stem + ".dat"
    std::size_t recordLength;   // bytes per saved scheme: 6 per element
    bool fullPopupMenu;         // right-click on a sample shows every pop-up entry
    std::vector<SchemeElement> elements;   // record-field order
    std::vector<SampleControl> samples;
    std::vector<ContrastPair> contrastPairs{};  // every pair whose contrast is checked, in report order

    std::string listFileName() const { return stem + ".hcs"; }
    std::string dataFileName() const { return stem + ".dat"; }

    // Position of a sample in `samples`, nullopt for a name the style does not have.
    std::optional<std::size_t> sampleIndex(std::string_view name) const;
    // Position of an element by its option button name.
    std::optional<std::size_t> elementIndex(std::string_view optionName) const;
    // The element that a click on `sample` selects, nullopt for samples that take no clicks.
    std::optional<SamplePick> findPick(std::string_view sample) const;
};

class SchemeStyles
{
public:
    // Positions in the tab order of tabColor.
    static constexpr std::size_t kWebLinks = 0;
    static constexpr std::size_t kLayout = 1;
    static constexpr std::size_t kTables = 2;
    static constexpr std::size_t kBackText = 3;
    static constexpr std::size_t kShapes = 4;

    // Length of one colour field in a scheme record ("BBGGRR").
    static constexpr std::size_t kFieldLength = 6;

    // The styles in tab order: "Web Links Color", "Web Page Layout", "Html Tables",
    // "Background/Text", "Shapes".
    static const std::vector<SchemeStyle>& all();
    static const SchemeStyle& style(std::size_t index) { return all().at(index); }

    // The style whose tab caption is `caption`.
    static std::optional<std::size_t> indexOf(std::string_view caption);
};

} // namespace prismara
