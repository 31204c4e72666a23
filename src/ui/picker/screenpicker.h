// screenpicker.h - one run of the screen picker: freeze the screen, follow the pointer, save
// every picked colour to the chosen palette, and hand back to the main window at Stop.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/colour/displayprofile.h"
#include "platform/platform.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <vector>

namespace prismara {

class ColorHub;
class FrmGetColor;
class FrmPick;

class ScreenPicker : public QObject
{
    Q_OBJECT
public:
    ScreenPicker(ColorHub& hub, QObject* parent = nullptr);
    ~ScreenPicker() override;

    // Starts picking: hides the main window, captures the screen and opens the picker windows.
    // When the screen cannot be captured the main window comes back, the reason is shown once,
    // and false is returned (finished() has then been emitted).
    bool start();

    // Starts picking from an opened image instead of the screen: the same windows, the image shown
    // from the top left corner of the primary screen. A null image is reported as `unreadable`.
    bool startWithImage(const QImage& image, const QString& unreadable);

    // The colour a pick takes of the device colour `device`: converted to sRGB when the screen has
    // a colour profile and the setting "colormanagedpick" is on, else `device` itself.
    ColorValue takenColor(ColorValue device) const;

    // A click on the picture: saves pickedColor to the chosen palette and makes it the current
    // colour; ends picking unless "Pick colors continuously" is ticked.
    void pick();

    // Takes `color` (as takenColor gives it): saves it to the chosen palette and makes it the current colour; ends picking
    // unless "Pick colors continuously" is ticked. Every way of picking ends here.
    void take(ColorValue color);

    // Ends picking: closes both windows, shows the main window with the chosen palette at page 1.
    void cmdStop_Click();

    // A run for the command line: it ends at the first colour taken, whatever "Pick colors
    // continuously" says; with `keepMainWindowHidden` the main window is not shown at the end (the
    // program ends with the run).
    void endAfterOneColor(bool keepMainWindowHidden);

    bool active() const;
    int pickStartChart() const { return pickStartChart_; }
    FrmGetColor* getColorWindow() const;
    FrmPick* pickWindow() const;

signals:
    // A colour was taken (saved and made the current colour).
    void colorTaken(ColorValue color);
    // Picking has ended (stopped, or never started because the capture failed).
    void finished();

private:
    bool open(const ScreenCapture& capture, bool image);
    void showUnderPointer(ColorValue device);
    // The profile of the screen the sampled pixel lies on; null when that screen has none.
    const DisplayProfile* profileUnderPointer() const;

    ColorHub& hub_;
    QPointer<FrmGetColor> getColor_;
    QPointer<FrmPick> pick_;
    int pickStartChart_ = 0;
    bool stopping_ = false;
    struct ScreenConversion
    {
        QRect geometry;
        DisplayProfile profile;
    };
    std::vector<ScreenConversion> profiles_; // the screens with a readable profile
    bool takeSrgb_ = true;
    bool oneColor_ = false;
    bool keepMainHidden_ = false;
};

} // namespace prismara
