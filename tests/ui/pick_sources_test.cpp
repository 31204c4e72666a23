// Where a picked colour comes from besides a plain click: a display with a colour profile and the
// desktop's own colour picker (Quick Pick). Picking from the command line is tested end to end
// (tests/e2e/pick_cli.sh).
#include "shell/palettetools.h"
#include "support/testprofile.h"
#include "support/windowfixture.h"
#include "ui/picker/frmgetcolor.h"
#include "ui/picker/frmpick.h"
#include "ui/picker/pickerloupe.h"
#include "ui/picker/screenpicker.h"
#include "widgets/colorswatch.h"

#include <QLabel>
#include <QLineEdit>

using namespace prismara;

namespace {

const ColorValue kDevice = MakeColor(51, 102, 204);
const ColorValue kSrgb = MakeColor(2, 121, 216); // kDevice through the test profile (transicc -t0)

class PickSources : public ::testing::Test, public test::WindowFixture
{
public:
    PickSources() : WindowFixture(true, false)
    {
        ScreenCapture capture;
        capture.image = QImage(64, 48, QImage::Format_RGB32);
        capture.image.fill(ToQColor(kDevice));
        capture.geometry = QRect(0, 0, 64, 48);
        platform.capture = capture;
    }
    PaletteTools* tools() const { return window->findChild<PaletteTools*>("paletteTools"); }
    ScreenPicker* picker() const { return tools()->picker(); }
    void setProfile(const std::vector<unsigned char>& icc, QRect screen = QRect(0, 0, 64, 48))
    {
        platform.capture->profiles.clear();
        if (!icc.empty())
            platform.capture->profiles.push_back({screen, QByteArray(reinterpret_cast<const char*>(icc.data()),
                                                                     static_cast<qsizetype>(icc.size()))});
    }
    // Moves over the frozen screen and returns what the tool window shows: hex, profile line.
    std::pair<QString, QString> hover(QPointF at = QPointF(5, 5)) const
    {
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picker()->getColorWindow(), &move);
        const FrmPick* pick = picker()->pickWindow();
        const QLabel* line = pick->findChild<QLabel*>("lblProfile");
        return {pick->findChild<QLineEdit*>("txtHex")->text(), line->isVisibleTo(pick) ? line->text() : QString()};
    }
    void clickPicture() const
    {
        QTest::mouseClick(picker()->getColorWindow(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(PickSources, ADisplayProfileTurnsDeviceColoursIntoSrgbAsTheSettingChooses)
{
    const QString managed = test::FakePlatform::settingKey("quorvel software", "Prismara 4.6", "colormanagedpick");
    const QString both = QString("device #3366CC \u2192 sRGB %1").arg(QString::fromStdString(HtmlHex(kSrgb)));
    const struct
    {
        const char* name;
        bool profile;
        bool unreadable;
        bool untick; // Tool > Color-Managed Picking cleared
        QString shown, line;
        ColorValue taken;
    } rows[] = {
        {"no profile", false, false, false, "#3366CC", "", kDevice},
        {"profile, sRGB taken", true, false, false, QString::fromStdString(HtmlHex(kSrgb)), both, kSrgb},
        {"profile, device taken", true, false, true, "#3366CC", both, kDevice},
        {"unreadable profile", true, true, false, "#3366CC", "The display's colour profile could not be read: device "
                                                             "colours are taken.", kDevice},
    };
    for (const auto& row : rows) {
        platform.settings.remove(managed);
        std::vector<unsigned char> icc = test::TestDisplayProfile();
        if (row.unreadable)
            icc.resize(40);
        setProfile(row.profile ? icc : std::vector<unsigned char>());
        open();
        EXPECT_TRUE(action("mnuColorManaged")->isChecked()) << row.name;
        if (row.untick) {
            action("mnuColorManaged")->trigger();
            EXPECT_EQ(platform.settings.value(managed), "0") << "the choice is remembered";
        }
        tools()->startPicking();
        EXPECT_EQ(hover(), std::make_pair(row.shown, row.line)) << row.name;
        EXPECT_EQ(picker()->getColorWindow()->loupe()->hexText(), row.shown) << row.name << ": the loupe names what a click takes";
        clickPicture();
        EXPECT_EQ(current(), row.taken) << row.name;
        EXPECT_TRUE(bytes("c1.rgb").endsWith(QByteArray::fromStdString(HtmlHex(row.taken).substr(1)))) << row.name;
    }
}

TEST_F(PickSources, EachScreenIsConvertedWithItsOwnProfile)
{
    setProfile(test::TestDisplayProfile(), QRect(32, 0, 32, 48)); // the right-hand screen's
    open();
    tools()->startPicking();
    const QString srgb = QString::fromStdString(HtmlHex(kSrgb));
    EXPECT_EQ(hover(QPointF(40, 5)).first, srgb);
    EXPECT_EQ(hover(QPointF(5, 5)), std::make_pair(QString("#3366CC"), QString("This screen has no colour profile: "
                                                                               "device colours are taken.")));
    EXPECT_EQ(hover(QPointF(63, 47)).first, srgb);
}

TEST_F(PickSources, QuickPickTakesTheDesktopsColourOrFallsBackToTheScreenPicker)
{
    open();
    action("mnuQuickPick")->trigger();
    ASSERT_NE(picker(), nullptr) << "no colour picker of the desktop's own: the screen picker starts";
    picker()->cmdStop_Click();

    platform.desktopPick.offered = true;
    platform.desktopPick.color = MakeColor(26, 255, 128);
    action("mnuQuickPick")->trigger();
    EXPECT_EQ(picker(), nullptr);
    EXPECT_EQ(current(), MakeColor(26, 255, 128));
    EXPECT_TRUE(bytes("recent.rgb").endsWith("1AFF80"));

    platform.desktopPick.color.reset();
    platform.desktopPick.cancelled = true;
    action("mnuQuickPick")->trigger();
    platform.desktopPick.cancelled = false;
    platform.desktopPick.error = "The desktop's colour picker reported a failure.";
    action("mnuQuickPick")->trigger();
    EXPECT_EQ(platform.errorsShown, QStringList{"Quick Pick|The desktop's colour picker reported a failure."})
        << "a cancel is not told, a failure is";
    EXPECT_EQ(current(), MakeColor(26, 255, 128));
    EXPECT_EQ(platform.desktopPicks, 4);
}
