// palettetools.cpp - wiring of the picker and the colour information page.
#include "shell/palettetools.h"

#include "widgets/colorhub.h"
#include "ui/colorpage/frmpreview.h"
#include "ui/picker/screenpicker.h"

#include <QAction>

namespace prismara {

PaletteTools::PaletteTools(ColorHub& hub, QObject* parent) : QObject(parent), hub_(hub)
{
    setObjectName("paletteTools");
    // The toolbar button "pickcolor" shares the menu item's action.
    if (QAction* a = hub_.action("mnustartpick"))
        connect(a, &QAction::triggered, this, &PaletteTools::startPicking);
    if (QAction* a = hub_.action("mnuViewColor"))
        connect(a, &QAction::triggered, this, &PaletteTools::showColorDetails);
}

ScreenPicker* PaletteTools::picker() const { return picker_; }

void PaletteTools::startPicking()
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
    picker->start();
}

void PaletteTools::showColorDetails() { FrmPreview::showColorDetails(hub_); }

} // namespace prismara
