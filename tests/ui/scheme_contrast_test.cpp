// Contrast in the scheme designer: the marks on the mock-up and the flags on the element list follow
// every colour change, Fix Contrast makes a failing pair pass AA or AAA, and the code window carries
// the contrast report.
#include "core/access/contrast.h"
#include "core/scheme/schemecontrast.h"
#include "shell/frmshowcolor.h"
#include "support/windowfixture.h"
#include "ui/scheme/frmcss.h"
#include "ui/scheme/schemedesigner.h"
#include "ui/scheme/schemesample.h"

#include <QLabel>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace prismara {
namespace {

class SchemeContrastUi : public ::testing::Test
{
protected:
    void select(const char* option)
    {
        auto* button = w.find<QRadioButton>(option);
        ASSERT_NE(button, nullptr) << option;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_TRUE(button->isChecked()) << option;
    }
    void choose(ColorValue color)
    {
        w.window->ClearSchemeSelection();
        w.window->CurrentColorChanged(color, WriteRecent::Yes);
    }
    QLabel* badge(const char* pair) const { return w.find<QLabel>(qPrintable(QString("lblContrast") + pair)); }
    bool flagged(const char* option) const { return w.find<QRadioButton>(option)->property("contrastFails").toBool(); }
    double ratioOf(const char* sample) const
    {
        auto* s = w.find<SchemeSample>(sample);
        return ContrastRatio(s->foreColor(), s->backColor());
    }

    test::WindowFixture w;
};

TEST_F(SchemeContrastUi, MarksAndFlagsFollowTheColourLive)
{
    // The scheme loaded at start has a red active link, which fails AA on white: make it pass.
    select("optal");
    choose(kBlack);
    select("optvl");
    const struct { ColorValue color; const char* mark; bool fails; } rows[] = {
        {MakeColor(0x77, 0x77, 0x77), "4.4 \u2717 AA", true},
        {MakeColor(0x76, 0x76, 0x76), "4.5 AA", false},
        {MakeColor(0x59, 0x59, 0x59), "7 AAA", false},
    };
    for (const auto& row : rows) {
        choose(row.color);
        EXPECT_EQ(badge("VisitedLink")->text().toStdString(), row.mark);
        EXPECT_TRUE(badge("VisitedLink")->isVisible());
        EXPECT_EQ(flagged("optvl"), row.fails) << row.mark;
        EXPECT_EQ(flagged("optbg"), row.fails) << row.mark << ": the background takes part in the pair";
        EXPECT_FALSE(flagged("optnl")) << row.mark;
    }
}

TEST_F(SchemeContrastUi, FixContrastMakesAFailingPairPass)
{
    auto* fixAa = w.find<QToolButton>("FixContrastAA");
    auto* fixAaa = w.find<QToolButton>("FixContrastAAA");
    ASSERT_TRUE(fixAa && fixAaa);
    EXPECT_FALSE(fixAa->isEnabled()) << "no element selected at start";

    const struct { QToolButton* button; double minimum; const char* mark; } rows[] = {
        {fixAa, 4.5, "AA"}, {fixAaa, 7.0, "AAA"}};
    for (const auto& row : rows) {
        select("optvl");
        choose(MakeColor(0x99, 0x99, 0xFF));
        ASSERT_LT(ratioOf("lblvl"), 3.0);
        ASSERT_TRUE(row.button->isEnabled());
        QTest::mouseClick(row.button, Qt::LeftButton);
        EXPECT_GE(ratioOf("lblvl"), row.minimum) << row.mark;
        EXPECT_LT(ratioOf("lblvl"), row.minimum + 0.3) << row.mark << ": no further than needed";
        EXPECT_TRUE(badge("VisitedLink")->text().endsWith(row.mark)) << badge("VisitedLink")->text().toStdString();
        EXPECT_FALSE(flagged("optvl"));
        EXPECT_EQ(w.window->swatchColor(), w.find<SchemeSample>("lblvl")->foreColor()) << "the fixed colour is current";
    }

    // The table border takes part in no pair: nothing to fix.
    w.find<QTabBar>("tabColor")->setCurrentIndex(static_cast<int>(SchemeStyles::kTables));
    select("optTableBorder");
    EXPECT_FALSE(fixAa->isEnabled());
    select("optTable1Text");
    EXPECT_TRUE(fixAa->isEnabled());
}

TEST_F(SchemeContrastUi, CodeWindowCarriesTheContrastReport)
{
    select("optnl");
    choose(MakeColor(0xAA, 0xAA, 0xFF));
    FrmCss code(w.window->scheme()->state(), w.window.get());
    const QString report = code.contrastText();
    EXPECT_EQ(report.toStdString(), ContrastReport(w.window->scheme()->state(), SchemeStyles::kWebLinks));
    EXPECT_TRUE(report.contains(QRegularExpression("Normal link on background +2\\.[0-9]+:1 +FAIL"))) << report.toStdString();
    EXPECT_NE(code.findChild<QWidget*>("txtcontrast"), nullptr);
}

} // namespace
} // namespace prismara
