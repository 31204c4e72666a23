// palettetools.h - the palette commands that open windows of their own: the screen picker
// ("mnustartpick", also the toolbar button "pickcolor"; "mnuQuickPick"; "mnuColorManaged"),
// picking from an image ("mnuPickImage", "mnuPickClipboard") and the colour information page
// ("mnuViewColor", also a double click on a palette cell).
#pragma once

#include "core/colour/colorvalue.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

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
    // Picks from an image file chosen in the open dialog, or from the image on the clipboard, in
    // the picker's windows.
    void pickFromImage();
    void pickFromClipboard();
    // Tool > Quick Pick: where the desktop has a colour picker of its own, one click takes a colour
    // (it becomes the current colour); elsewhere the screen picker starts.
    void quickPick();

    // Picking asked for from the command line, by this copy or by one started later. With
    // `oneColor` a new run ends at the first colour taken, and with `keepMainWindowHidden` the main
    // window stays hidden at its end. A run already going is joined as it is. `done` gets the
    // first colour taken from now on, or nullopt when the run ends without one; it runs once.
    void pickFor(bool oneColor, bool keepMainWindowHidden, std::function<void(std::optional<ColorValue>)> done);

    // Opens the colour information page modally.
    void showColorDetails();

    // The picker while it runs, else nullptr.
    ScreenPicker* picker() const;

private:
    // Runs `begin` on a new picker unless one is running.
    void startPicker(const std::function<void(ScreenPicker&)>& begin);

    ColorHub& hub_;
    QPointer<ScreenPicker> picker_;
};

} // namespace prismara
