// Contrast in the scheme designer: the marks on the mock-up and the flags of the element list follow
// every colour change, Fix Contrast makes a failing pair pass AA or AAA, and the code window carries
// the report.
#include "core/access/contrast.h"
#include "core/scheme/schemecontrast.h"
#include "support/windowfixture.h"
#include "ui/scheme/frmcss.h"
#include "ui/scheme/schemedesigner.h"
#include "ui/scheme/schemesample.h"

#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace prismara {
namespace {

class SchemeContrastUi : public ::testing::Test
{
protected:
    void choose(const char* option, ColorValue color)
    {
        QTest::mouseClick(w.find<QRadioButton>(option), Qt::LeftButton, {}, QPoint(6, 8));
        w.window->CurrentColorChanged(color, WriteRecent::Yes);
    }
    bool flagged(const char* option) const { return w.find<QRadioButton>(option)->property("contrastFails").toBool(); }
    double visitedRatio() const
    {
        auto* s = w.find<SchemeSample>("lblvl");
        return ContrastRatio(s->foreColor(), s->backColor());
    }
    test::WindowFixture w;
};

TEST_F(SchemeContrastUi, MarksAndFlagsFollowTheColourLive)
{
    choose("optal", kBlack); // the scheme loaded at start has a red active link, which fails AA
    const struct { ColorValue color; const char* mark; bool fails; } rows[] = {
        {MakeColor(0x77, 0x77, 0x77), "4.4 \u2717 AA", true},
        {MakeColor(0x76, 0x76, 0x76), "4.5 AA", false},
        {MakeColor(0x59, 0x59, 0x59), "7 AAA", false},
    };
    for (const auto& row : rows) {
        choose("optvl", row.color);
        EXPECT_EQ(w.find<QLabel>("lblContrastVisitedLink")->text().toStdString(), row.mark);
        EXPECT_EQ(flagged("optvl"), row.fails) << row.mark;
        EXPECT_EQ(flagged("optbg"), row.fails) << row.mark << ": the background takes part in the pair";
        EXPECT_FALSE(flagged("optnl")) << row.mark;
    }
}

TEST_F(SchemeContrastUi, FixContrastMakesAFailingPairPass)
{
    auto* fixAa = w.find<QToolButton>("FixContrastAA");
    EXPECT_FALSE(fixAa->isEnabled()) << "no element selected at start";
    const struct { const char* button; double minimum; } rows[] = {{"FixContrastAA", 4.5}, {"FixContrastAAA", 7.0}};
    for (const auto& row : rows) {
        choose("optvl", MakeColor(0x99, 0x99, 0xFF));
        ASSERT_LT(visitedRatio(), 3.0);
        QTest::mouseClick(w.find<QToolButton>(row.button), Qt::LeftButton);
        EXPECT_GE(visitedRatio(), row.minimum) << row.button;
        EXPECT_LT(visitedRatio(), row.minimum + 0.3) << row.button << ": no further than needed";
        EXPECT_FALSE(flagged("optvl")) << row.button;
        EXPECT_EQ(w.window->swatchColor(), w.find<SchemeSample>("lblvl")->foreColor()) << "the fixed colour is current";
    }
    // The table border takes part in no pair: nothing to fix.
    w.find<QTabBar>("tabColor")->setCurrentIndex(static_cast<int>(SchemeStyles::kTables));
    QTest::mouseClick(w.find<QRadioButton>("optTableBorder"), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_FALSE(fixAa->isEnabled());

    // The code window carries the report of the Web Links Color scheme.
    FrmCss code(w.window->scheme()->state(), w.window.get());
    EXPECT_EQ(code.contrastText().toStdString(), ContrastReport(w.window->scheme()->state(), SchemeStyles::kWebLinks));
}

} // namespace
} // namespace prismara
