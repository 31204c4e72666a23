// The web-scheme style table must hang together: every name an element uses is a sample of its own
// style with a property that kind of sample has, each element's initial colour is its source's
// start, and a record holds one field per element.
#include "core/scheme/schemestyles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace prismara;

TEST(SchemeStyles, EveryReferenceNamesASampleOfItsStyle)
{
    std::set<std::string> options;
    for (std::size_t i = 0; i < SchemeStyles::all().size(); ++i) {
        const SchemeStyle& s = SchemeStyles::style(i);
        EXPECT_EQ(SchemeStyles::indexOf(s.caption), i);
        EXPECT_EQ(s.recordLength, s.elements.size() * SchemeStyles::kFieldLength) << s.caption;
        EXPECT_EQ(s.dataFileName(), s.stem + ".dat");
        std::set<std::string> names;
        for (const SampleControl& c : s.samples)
            EXPECT_TRUE(names.insert(c.name).second) << s.caption << ": duplicate sample " << c.name;

        const auto check = [&](const SampleRef& ref, const std::string& what) {
            const auto index = s.sampleIndex(ref.control);
            ASSERT_TRUE(index.has_value()) << s.caption << ": " << what << " names unknown " << ref.control;
            EXPECT_EQ(s.samples[*index].kind == SampleKind::Rectangle, ref.property == SampleProperty::BorderColor)
                << s.caption << ": " << what << " uses a property " << ref.control << " does not have";
        };
        for (const SchemeElement& e : s.elements) {
            EXPECT_TRUE(options.insert(e.optionName).second) << "duplicate option " << e.optionName;
            for (const SampleRef& t : e.targets)
                check(t, e.optionName + " target");
            check(e.source, e.optionName + " source");
            EXPECT_NE(std::find(e.targets.begin(), e.targets.end(), e.source), e.targets.end())
                << e.optionName << ": the source must be one of the targets";
            for (const PickSample& p : e.picks) {
                check({p.sample, SampleProperty::ForeColor}, e.optionName + " pick");
                check(p.colorFrom, e.optionName + " pick colour");
            }
            if (e.captionRewrite) {
                EXPECT_TRUE(s.sampleIndex(e.captionRewrite->sample).has_value()) << e.optionName;
            }
            const SampleControl& src = s.samples[s.sampleIndex(e.source.control).value()];
            const ColorValue start = e.source.property == SampleProperty::BackColor   ? src.backColor
                                     : e.source.property == SampleProperty::ForeColor ? src.foreColor
                                                                                      : src.borderColor;
            EXPECT_EQ(e.initialColor, start) << e.optionName;
        }
    }
    EXPECT_EQ(SchemeStyles::indexOf("web links color"), std::nullopt);
}
