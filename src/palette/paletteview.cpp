// paletteview.cpp - the palette view.
#include "palette/paletteview.h"

#include "app/colorhub.h"
#include "palette/palettefile.h"
#include "platform/platform.h"

#include <QComboBox>

namespace prismara {

PaletteView::PaletteView(ColorHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName("picPalette");
    cmbChart_ = new QComboBox(parent);
    cmbChart_->setObjectName("cmbChart");
}

void PaletteView::buildGrid() {}

int PaletteView::selectorPosition() const { return cmbChart_->currentIndex(); }

void PaletteView::selectPosition(int position) { cmbChart_->setCurrentIndex(position); }
void PaletteView::ShowChartMenu() {}
void PaletteView::showSelectedFirstPage() {}
void PaletteView::ShowColorChart(const QString&, int) {}
void PaletteView::recordRecent(ColorValue color)
{
    const std::filesystem::path folder = hub_.platform().programFolder().toStdString();
    if (cmbChart_->currentIndex() == 1) {
        // The recent colours are on view: a click on one of their cells is not recorded again.
        if (color == lastChartColor_)
            return;
        (void)AppendChartColor(folder, "recent.rgb", HtmlHex(color));
        ShowColorChart("recent.rgb", 1);
        return;
    }
    // Recording is best effort: a folder that cannot be written loses only this run's history.
    (void)AppendChartColor(folder, "recent.rgb", HtmlHex(color));
}
void PaletteView::currentColorShown(ColorValue) {}
void PaletteView::dropSelection() {}

} // namespace prismara
