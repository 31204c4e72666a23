// conversionpanel.cpp - the colour conversion panel.
#include "convert/conversionpanel.h"

#include "app/colorhub.h"

namespace prismara {

ConversionPanel::ConversionPanel(ColorHub& hub, QWidget* parent) : QWidget(parent), hub_(hub)
{
    setObjectName("picColorConverter");
    hide();
}

void ConversionPanel::open() {}

} // namespace prismara
