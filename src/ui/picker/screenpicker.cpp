// screenpicker.cpp - starting, picking and stopping.
#include "ui/picker/screenpicker.h"

#include "widgets/colorhub.h"
#include "ui/picker/frmgetcolor.h"
#include "ui/picker/frmpick.h"
#include "core/palette/palettefile.h"
#include "core/palette/palettestore.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "platform/settings.h"

#include <QAction>
#include <QWidget>

#include <span>

namespace prismara {

namespace {
const QString kPickerTitle = QStringLiteral("Screen Color Picker");
}

ScreenPicker::ScreenPicker(ColorHub& hub, QObject* parent) : QObject(parent), hub_(hub)
{
}

ScreenPicker::~ScreenPicker()
{
    delete getColor_; // takes frmpick with it
}

void ScreenPicker::endAfterOneColor(bool keepMainWindowHidden)
{
    oneColor_ = true;
    keepMainHidden_ = keepMainWindowHidden;
}

bool ScreenPicker::active() const { return !getColor_.isNull(); }

FrmGetColor* ScreenPicker::getColorWindow() const { return getColor_; }

FrmPick* ScreenPicker::pickWindow() const { return pick_; }

bool ScreenPicker::start()
{
    Platform& platform = hub_.platform();
    QWidget* main = hub_.mainWindow();
    pickStartChart_ = hub_.paletteSelectorPosition();

    // The main window must have left the screen before the screen is frozen. The clipboard is
    // the user's and stays as it is.
    main->hide();
    platform.sleepAndProcessEvents(100);
    const ScreenCapture capture = platform.captureScreen(main);
    if (capture.image.isNull()) {
        if (!keepMainHidden_)
            main->show();
        // A wait the user cancelled needs no explanation.
        if (!capture.cancelled)
            platform.showError(main, kPickerTitle,
                               capture.error.isEmpty() ? QStringLiteral("The screen could not be captured.")
                                                       : capture.error);
        emit finished();
        return false;
    }

    return open(capture, false);
}

bool ScreenPicker::startWithImage(const QImage& image, const QString& unreadable)
{
    Platform& platform = hub_.platform();
    QWidget* main = hub_.mainWindow();
    pickStartChart_ = hub_.paletteSelectorPosition();
    if (image.isNull()) {
        platform.showError(main, kPickerTitle, unreadable);
        emit finished();
        return false;
    }
    main->hide();
    ScreenCapture picture;
    picture.image = image;
    return open(picture, true);
}

bool ScreenPicker::open(const ScreenCapture& capture, bool image)
{
    Platform& platform = hub_.platform();
    QWidget* main = hub_.mainWindow();
    profiles_.clear();
    bool unreadable = false;
    for (const ScreenProfile& screen : capture.profiles) {
        const auto* icc = reinterpret_cast<const std::uint8_t*>(screen.icc.constData());
        if (auto profile = DisplayProfile::FromIcc(std::span(icc, static_cast<std::size_t>(screen.icc.size()))))
            profiles_.push_back({screen.geometry, std::move(*profile)});
        else
            unreadable = true;
    }
    takeSrgb_ = Settings(platform).isOn(Setting::ColorManagedPick);
    getColor_ = new FrmGetColor(capture, platform.screenSizePixels().width(), platform,
                                image ? FrmGetColor::Source::Image : FrmGetColor::Source::Screen);
    getColor_->setFont(main->font());
    pick_ = new FrmPick(platform, pickStartChart_, getColor_);
    getColor_->setSampleSize(pick_->sampleSize());

    getColor_->setTakenColorRule([this](ColorValue device) { return takenColor(device); });
    connect(getColor_, &FrmGetColor::colorUnderPointer, this, &ScreenPicker::showUnderPointer);
    if (unreadable)
        pick_->showProfileText(
            QStringLiteral("The display's colour profile could not be read: device colours are taken."));
    connect(getColor_, &FrmGetColor::picked, this, &ScreenPicker::pick);
    connect(getColor_, &FrmGetColor::stopRequested, this, &ScreenPicker::cmdStop_Click);
    connect(getColor_, &FrmGetColor::sampleSizeKeyed, pick_, &FrmPick::chooseSampleSize);
    connect(pick_, &FrmPick::sampleSizeChanged, getColor_, &FrmGetColor::setSampleSize);
    connect(pick_, &FrmPick::stopRequested, this, &ScreenPicker::cmdStop_Click);
    connect(pick_, &FrmPick::pointerEntered, getColor_, &FrmGetColor::hideSquare);

    getColor_->showOverScreen();
    pick_->show();
    // The keys go to the picture: arrows, Enter, Space, 1 to 4 and Esc.
    getColor_->activateWindow();
    getColor_->setFocus();
    return true;
}

const DisplayProfile* ScreenPicker::profileUnderPointer() const
{
    const std::optional<QPoint> at = getColor_ ? getColor_->sampledScreenPoint() : std::nullopt;
    for (const ScreenConversion& screen : profiles_)
        if (at && screen.geometry.contains(*at))
            return &screen.profile;
    return nullptr;
}

ColorValue ScreenPicker::takenColor(ColorValue device) const
{
    const DisplayProfile* profile = profileUnderPointer();
    return profile && takeSrgb_ ? profile->toSrgb(device) : device;
}

void ScreenPicker::showUnderPointer(ColorValue device)
{
    if (!pick_)
        return;
    pick_->showColor(takenColor(device));
    if (const DisplayProfile* profile = profileUnderPointer())
        pick_->showProfileText(QStringLiteral("device %1 \u2192 sRGB %2")
                                   .arg(ToQString(HtmlHex(device)), ToQString(HtmlHex(profile->toSrgb(device)))));
    else if (!profiles_.empty())
        pick_->showProfileText(QStringLiteral("This screen has no colour profile: device colours are taken."));
}

void ScreenPicker::pick()
{
    if (getColor_ && pick_ && !stopping_)
        take(takenColor(getColor_->pickedColor()));
}

void ScreenPicker::take(ColorValue color)
{
    if (!getColor_ || !pick_ || stopping_)
        return;
    Platform& platform = hub_.platform();
    const SaveTarget* target = pick_->chosenTarget();
    const StoreResult saved = AppendChartColor(platform.programFolderPath(), target ? target->file : std::string(),
                                               HtmlHex(color));
    if (!saved) {
        const QString what = target ? ToQString(saved.message())
                                    : QStringLiteral("There is no palette to save the picked color to.");
        platform.showError(pick_, kPickerTitle, what);
    }
    hub_.ClearSchemeSelection();
    hub_.CurrentColorChanged(color, WriteRecent::Yes);
    emit colorTaken(color);
    if (oneColor_ || (pick_ && !pick_->continuous()))
        cmdStop_Click();
}

void ScreenPicker::cmdStop_Click()
{
    if (stopping_ || !getColor_)
        return;
    stopping_ = true;
    Platform& platform = hub_.platform();
    std::string saveFile;
    if (pick_) {
        if (const SaveTarget* target = pick_->chosenTarget())
            saveFile = target->file;
        pick_->closeQuietly();
    }
    // Both windows go, and the frozen picture with them. This may run inside one of their own
    // event handlers, so they are deleted once that has returned.
    getColor_->hide();
    getColor_->deleteLater();
    getColor_ = nullptr;
    pick_ = nullptr;

    QWidget* main = hub_.mainWindow();
    if (!keepMainHidden_) {
        main->show();
        main->activateWindow();
    }

    if (!saveFile.empty()) {
        // The palette is found by its file name, whatever the records before it hold.
        PaletteStore store(platform.programFolderPath());
        (void)store.readIndex();
        const int position = SelectorPositionOf(store, saveFile);
        hub_.showPalette(position, ToQString(saveFile));
    }

    QWidget* converter = main->findChild<QWidget*>(QStringLiteral("picColorConverter"));
    if (converter && converter->isVisible()) {
        if (QAction* refresh = hub_.action(QStringLiteral("mnucon")))
            refresh->trigger();
    }
    stopping_ = false;
    emit finished();
}

} // namespace prismara
