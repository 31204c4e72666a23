// conversionpanel.h - the colour conversion panel over the palette grid.
#pragma once

#include "colour/colorvalue.h"

#include <QWidget>

namespace prismara {

class ColorHub;

class ConversionPanel : public QWidget
{
    Q_OBJECT
public:
    ConversionPanel(ColorHub& hub, QWidget* parent);

    // Opens the panel (or reloads it when open) for the current colour.
    void open();

private:
    ColorHub& hub_;
};

} // namespace prismara
