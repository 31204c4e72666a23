// palettetools.h - the palette commands that open windows of their own: the screen picker
// ("mnustartpick", also the toolbar button "pickcolor") and the colour information page
// ("mnuViewColor", also a double click on a palette cell).
#pragma once

#include <QObject>
#include <QPointer>

namespace prismara {

class ColorHub;
class ScreenPicker;

class PaletteTools : public QObject
{
    Q_OBJECT
public:
    // Connects the commands it serves, found by name through the hub.
    PaletteTools(ColorHub& hub, QObject* parent);

    // Starts the screen picker unless it is already running.
    void startPicking();
    // Opens the colour information page modally.
    void showColorDetails();

    // The picker while it runs, else nullptr.
    ScreenPicker* picker() const;

private:
    ColorHub& hub_;
    QPointer<ScreenPicker> picker_;
};

} // namespace prismara
