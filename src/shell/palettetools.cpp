// palettetools.cpp - wiring of the picker and the colour information page.
#include "shell/palettetools.h"

#include "platform/platform.h"
#include "platform/settings.h"
#include "ui/colorpage/frmpreview.h"
#include "ui/picker/screenpicker.h"
#include "widgets/colorhub.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>

#include <memory>
#include <utility>

namespace prismara {

PaletteTools::PaletteTools(ColorHub& hub, QObject* parent) : QObject(parent), hub_(hub)
{
    setObjectName("paletteTools");
    // The toolbar button "pickcolor" shares the menu item's action.
    if (QAction* a = hub_.action("mnustartpick"))
        connect(a, &QAction::triggered, this, &PaletteTools::startPicking);
    if (QAction* a = hub_.action("mnuPickImage"))
        connect(a, &QAction::triggered, this, &PaletteTools::pickFromImage);
    if (QAction* a = hub_.action("mnuPickClipboard"))
        connect(a, &QAction::triggered, this, &PaletteTools::pickFromClipboard);
    if (QAction* a = hub_.action("mnuQuickPick"))
        connect(a, &QAction::triggered, this, &PaletteTools::quickPick);
    // On a display with a colour profile, picks take sRGB colours while this is ticked.
    if (QAction* a = hub_.action("mnuColorManaged")) {
        a->setChecked(Settings(hub_.platform()).isOn(Setting::ColorManagedPick));
        connect(a, &QAction::toggled, this,
                [this](bool on) { Settings(hub_.platform()).setOn(Setting::ColorManagedPick, on); });
    }
    if (QAction* a = hub_.action("mnuViewColor"))
        connect(a, &QAction::triggered, this, &PaletteTools::showColorDetails);
}

ScreenPicker* PaletteTools::picker() const { return picker_; }

void PaletteTools::startPicking()
{
    startPicker([](ScreenPicker& picker) { picker.start(); });
}

void PaletteTools::pickFromImage()
{
    if (picker_)
        return;
    Platform& platform = hub_.platform();
    const QStringList files = platform.openFileNames(
        hub_.mainWindow(), QStringLiteral("Pick From Image"),
        {QStringLiteral("Images (*.png *.jpg *.jpeg *.webp *.bmp)"), QStringLiteral("All files (*)")});
    if (files.isEmpty())
        return;
    QImageReader reader(files.front());
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    const QString why = QStringLiteral("The image %1 could not be read: %2.")
                            .arg(QFileInfo(files.front()).fileName(), reader.errorString());
    startPicker([&](ScreenPicker& picker) { picker.startWithImage(image, why); });
}

void PaletteTools::pickFromClipboard()
{
    const QImage image = hub_.platform().clipboardImage();
    startPicker([&](ScreenPicker& picker) {
        picker.startWithImage(image, QStringLiteral("The clipboard holds no image to pick from."));
    });
}

void PaletteTools::quickPick()
{
    if (picker_)
        return;
    Platform& platform = hub_.platform();
    const DesktopColorPick got = platform.pickColorOnDesktop(hub_.mainWindow());
    if (!got.offered) {
        startPicking();
        return;
    }
    if (got.color) {
        hub_.ClearSchemeSelection();
        hub_.CurrentColorChanged(*got.color, WriteRecent::Yes);
    } else if (!got.cancelled) {
        platform.showError(hub_.mainWindow(), QStringLiteral("Quick Pick"), got.error);
    }
}

void PaletteTools::pickFor(bool oneColor, bool keepMainWindowHidden,
                           std::function<void(std::optional<ColorValue>)> done)
{
    auto answered = std::make_shared<bool>(false);
    auto answer = [answered, done = std::move(done)](std::optional<ColorValue> color) {
        if (!std::exchange(*answered, true))
            done(color);
    };
    auto listen = [this, answer](ScreenPicker& picker) {
        connect(&picker, &ScreenPicker::colorTaken, this, [answer](ColorValue color) { answer(color); });
        connect(&picker, &ScreenPicker::finished, this, [answer] { answer(std::nullopt); });
    };
    if (picker_) {
        listen(*picker_);
        return;
    }
    startPicker([&](ScreenPicker& picker) {
        if (oneColor)
            picker.endAfterOneColor(keepMainWindowHidden);
        listen(picker);
        picker.start();
    });
}

void PaletteTools::startPicker(const std::function<void(ScreenPicker&)>& begin)
{
    if (picker_)
        return;
    auto* picker = new ScreenPicker(hub_, this);
    picker_ = picker;
    connect(picker, &ScreenPicker::finished, this, [this, picker] {
        if (picker_ == picker)
            picker_ = nullptr;
        picker->deleteLater();
    });
    begin(*picker);
}

void PaletteTools::showColorDetails() { FrmPreview::showColorDetails(hub_); }

} // namespace prismara
