// helpcontents.h - the table of contents of the user guide, read from its HTML Help contents file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace prismara {

struct HelpTopic
{
    std::string name; // "Palettes"
    std::string page; // "palettes.html", relative to the guide's folder
};

// The topics of a contents file (prismara.hhc) in their order: each <object> with a "Name" and a
// "Local" parameter. Entities &amp; &lt; &gt; &quot; in the values are decoded; objects that lack
// either parameter are skipped.
std::vector<HelpTopic> ReadHelpContents(std::string_view hhc);

} // namespace prismara
