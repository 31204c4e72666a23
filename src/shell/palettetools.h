// palettetools.h - the palette commands that open windows of their own: the screen picker
// ("mnustartpick", also the toolbar button "pickcolor"), picking from an image ("mnuPickImage",
// "mnuPickClipboard") and the colour information page
// ("mnuViewColor", also a double click on a palette cell).
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

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
