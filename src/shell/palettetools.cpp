// palettetools.cpp - wiring of the picker and the colour information page.
#include "shell/palettetools.h"

#include "platform/platform.h"
#include "ui/colorpage/frmpreview.h"
#include "ui/picker/screenpicker.h"
#include "widgets/colorhub.h"

#include <QAction>
#include <QFileInfo>
#include <QImageReader>

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
