// paletteview.cpp - the palette view.
#include "palette/paletteview.h"

#include "app/colorhub.h"

#include <QComboBox>

namespace prismara {

PaletteView::PaletteView(ColorHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName("picPalette");
    cmbChart_ = new QComboBox(parent);
    cmbChart_->setObjectName("cmbChart");
}

void PaletteView::buildGrid() {}
void PaletteView::ShowChartMenu() {}
void PaletteView::showSelectedFirstPage() {}
void PaletteView::ShowColorChart(const QString&, int) {}
void PaletteView::recordRecent(ColorValue) {}
void PaletteView::currentColorShown(ColorValue) {}
void PaletteView::dropSelection() {}

} // namespace prismara
