// The Lab, LCh and OKLCH tabs of the conversion panel: they show the colour, their sliders edit it
// live, and values outside the sRGB gamut give the gamut-mapped colour under a visible mark.
#include "core/colour/colorspaces.h"
#include "shell/frmshowcolor.h"
#include "support/windowfixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace prismara {
namespace {

constexpr ColorValue kBlue = MakeColor(0x33, 0x66, 0xCC);

class ConversionModels : public ::testing::Test
{
protected:
    void SetUp() override
    {
        tabs = w.find<QTabBar>("tabModels");
        gamut = w.find<QLabel>("lblGamut");
        ASSERT_TRUE(tabs && gamut);
        for (int i = 0; i < 3; ++i) {
            sld[i] = w.find<QSlider>(qPrintable(QString("sldVal%1").arg(i)));
            txt[i] = w.edit(qPrintable(QString("txtval%1").arg(i)));
            letter[i] = w.find<QLabel>(qPrintable(QString("lblCp%1").arg(i)));
        }
        w.window->CurrentColorChanged(kBlue, WriteRecent::Yes);
        w.window->action("mnucon")->trigger();
    }

    void showTab(const QString& caption)
    {
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption) {
                tabs->setCurrentIndex(i);
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
                ASSERT_EQ(tabs->currentIndex(), i);
                return;
            }
        FAIL() << "no tab " << caption.toStdString();
    }

    test::WindowFixture w;
    QTabBar* tabs = nullptr;
    QLabel* gamut = nullptr;
    QSlider* sld[3]{};
    QLineEdit* txt[3]{};
    QLabel* letter[3]{};
};

TEST_F(ConversionModels, EachNewTabShowsTheColourInItsModel)
{
    const struct { const char* tab; const char* letters; std::array<const char*, 3> texts; } rows[] = {
        {"Lab", "Lab", {"44.1", "11.0", "-59.1"}},   // lab(44.12 10.95 -59.09)
        {"LCh", "LCH", {"44.1", "60.1", "280.5"}},   // lch(44.12 60.09 280.5)
        {"OKLCH", "LCH", {"0.532", "0.168", "262.3"}}, // oklch(0.53248 0.16787 262.29)
    };
    for (const auto& row : rows) {
        showTab(row.tab);
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(letter[r]->text(), QString(QChar(row.letters[r]))) << row.tab << " row " << r;
            EXPECT_EQ(txt[r]->text().toStdString(), row.texts[static_cast<std::size_t>(r)]) << row.tab << " row " << r;
        }
        EXPECT_EQ(w.window->swatchColor(), kBlue) << row.tab << ": looking changes nothing";
        EXPECT_TRUE(gamut->isHidden()) << row.tab;
    }
}

TEST_F(ConversionModels, SlidersEditTheColourAndMarkValuesOutsideTheGamut)
{
    struct Case
    {
        const char* tab;
        int row;
        Qt::Key key;
        bool outside;
        const char* text; // the box's text afterwards; nullptr: not checked
        ColorValue (*expected)(const QSlider* const*);
    };
    const Case cases[] = {
        {"OKLCH", 0, Qt::Key_PageDown, false, "0.522",
         [](const QSlider* const* s) { return ToColor(OkLch{s[0]->value() / 1000.0, s[1]->value() / 1000.0, s[2]->value() / 10.0}); }},
        {"OKLCH", 1, Qt::Key_End, true, "0.400",
         [](const QSlider* const* s) { return ToColor(OkLch{s[0]->value() / 1000.0, 0.4, s[2]->value() / 10.0}); }},
        {"Lab", 1, Qt::Key_End, true, "125.0",
         [](const QSlider* const* s) { return ToColor(CieLab{s[0]->value() / 10.0, 125, s[2]->value() / 10.0}); }},
        {"LCh", 2, Qt::Key_PageUp, false, "281.5",
         [](const QSlider* const* s) { return ToColor(CieLch{s[0]->value() / 10.0, s[1]->value() / 10.0, s[2]->value() / 10.0}); }},
        {"LCh", 1, Qt::Key_End, true, "150.0",
         [](const QSlider* const* s) { return ToColor(CieLch{s[0]->value() / 10.0, 150, s[2]->value() / 10.0}); }},
    };
    for (const Case& c : cases) {
        w.window->CurrentColorChanged(kBlue, WriteRecent::Yes); // reopens the panel on the colour
        showTab(c.tab);
        const int before = sld[c.row]->value();
        QTest::keyClick(sld[c.row], c.key);
        ASSERT_NE(sld[c.row]->value(), before) << c.tab << " row " << c.row;
        EXPECT_EQ(w.window->swatchColor(), c.expected(sld)) << c.tab << " row " << c.row;
        EXPECT_EQ(!gamut->isHidden(), c.outside) << c.tab << " row " << c.row;
        // The slider keeps the value asked for, outside the gamut too.
        EXPECT_EQ(txt[c.row]->text().toStdString(), c.text) << c.tab << " row " << c.row;
        if (c.outside) {
            sld[c.row]->setValue(before);
            EXPECT_TRUE(gamut->isHidden()) << c.tab << ": back inside";
        }
    }
    // Only the colour chosen outside the panel was recorded, never one made by a slider.
    const QByteArray recent = w.fileBytes("recent.rgb");
    for (qsizetype at = 0; at + 6 <= recent.size(); at += 6)
        EXPECT_EQ(recent.mid(at, 6), "3366CC") << "record " << at / 6;
}

} // namespace
} // namespace prismara
