// The colour information page "Color Preview": its values for the current colour, the saved HTML
// page byte for byte, Cancel, replacing a saved page, a failed save, the Action menu and its modal
// opening.
#include "core/files/fileio.h"
#include "core/palette/colorinfo.h"
#include "support/tempdir.h"
#include "support/windowfixture.h"
#include "ui/colorpage/frmpreview.h"
#include "widgets/colorswatch.h"

#include <QLineEdit>
#include <QPointer>

using namespace prismara;
using prismara::test::TempDir;

namespace {

class ColorPage : public ::testing::Test, public test::WindowFixture
{
protected:
    void save(FrmPreview& page, const std::filesystem::path& file)
    {
        platform.saveAnswers.push_back(QString::fromStdString(file.string()));
        page.findChild<QAction*>("mnusave")->trigger();
    }
    TempDir dir;
};

} // namespace

TEST_F(ColorPage, ShowsTheCurrentColourInFiveModelsAndSavesThemByteForByte)
{
    setColor(MakeColor(51, 102, 153));
    FrmPreview page(*window, window.get());
    const ColorPageTexts texts = page.texts();
    EXPECT_EQ(ColorPageHtml(texts), ColorPageHtml(ColorInfoTexts("#336699", "51", "102", "153")));
    const QWidget* info = page.findChild<QWidget*>("PicInfo");
    EXPECT_EQ(info->height(), platform.screenSize.height()) << "PicInfo is as tall as the screen";
    EXPECT_EQ(FromQColor(info->parentWidget()->palette().color(QPalette::Window)), MakeColor(51, 102, 153));

    save(page, dir / "a.htm");
    EXPECT_EQ(platform.saveDialogsShown.last(), "#336699");
    const std::string expected = *ReadFile(std::filesystem::path(PRISMARA_TEST_DATA_DIR) / "palette/colorpage_336699.htm");
    EXPECT_EQ(dir.read("a.htm"), expected);

    // What the user typed into a box is what the page holds.
    page.findChild<QLineEdit*>("txtK")->setText("7");
    save(page, dir / "a.htm");
    EXPECT_NE(dir.read("a.htm").find("K\r\n</font>\r\n</td>\r\n<td width=33%><font face=Tahoma size=2>7</font></td>\r\n"),
              std::string::npos);
    EXPECT_EQ(dir.read("a.htm").size(), expected.size() - 1) << "\"40\" replaced by \"7\"";

    platform.saveAnswers.push_back(std::nullopt); // Cancel
    page.findChild<QAction*>("mnusave")->trigger();
    save(page, dir / "missing-folder" / "page.htm");
    ASSERT_EQ(platform.errorsShown.size(), 1);
    EXPECT_TRUE(platform.errorsShown.front().contains(QString::fromStdString((dir / "missing-folder" / "page.htm").string())));
}

TEST_F(ColorPage, ARightClickPopsUpTheActionMenu)
{
    FrmPreview page(*window, window.get());
    page.show();
    for (const char* where : {"PicInfo", "picPage"}) {
        QWidget* target = page.findChild<QWidget*>(where);
        const QPoint at(target->width() - 5, std::min(target->height() / 2, 400));
        QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, at);
        EXPECT_TRUE(page.actionMenu()->isVisible()) << where;
        page.actionMenu()->hide();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_FALSE(page.actionMenu()->isVisible()) << where << ": only the right button";
    }
}

TEST_F(ColorPage, TheEditMenuEntryOpensAModalTopmostPageThatExitDiscards)
{
    setColor(MakeColor(0xFF, 0xA1, 0xCC));
    QPointer<QDialog> seen;
    QString hexShown;
    withModal([&] { action("mnuViewColor")->trigger(); },
              [&](QDialog* d) {
                  seen = d;
                  EXPECT_TRUE(platform.topMost.contains(d));
                  hexShown = d->findChild<QLineEdit*>("txtHex")->text();
                  d->findChild<QAction*>("mnuExit")->trigger();
              });
    EXPECT_EQ(hexShown, "#FFA1CC");
    EXPECT_TRUE(seen.isNull()) << "Exit discards the page";
    EXPECT_TRUE(window->isVisible());
}
