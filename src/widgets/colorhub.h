// colorhub.h - what the main window offers the components it composes.
//
// Every colour source ends in CurrentColorChanged; colour sources outside the web-scheme
// designer first call ClearSchemeSelection. Components find the menu and toolbar entries they
// enable, check or wire by name.
#pragma once

#include "core/colour/colorvalue.h"

#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

namespace prismara {

class DisplayFilter;
class Platform;

// The texts of the current-colour editors, as the user sees them at this moment.
struct EditorSnapshot
{
    QString hex;   // txtHex
    QString rgb;   // txtRgb
    QString red;   // txtr
    QString green; // txtg
    QString blue;  // txtb
    QString redHex;   // txtrh
    QString greenHex; // txtgh
    QString blueHex;  // txtbh
};

// Whether CurrentColorChanged records a new colour among the recent colours and refreshes an open
// conversion panel: every colour source but the conversion panel itself.
enum class WriteRecent { No, Yes };

class ColorHub
{
public:
    virtual ~ColorHub() = default;

    virtual void CurrentColorChanged(ColorValue color, WriteRecent writeRecent) = 0;
    virtual void ClearSchemeSelection() = 0;

    // The swatch's colour (the working copy of the current colour).
    virtual ColorValue swatchColor() const = 0;
    virtual EditorSnapshot editorTexts() const = 0;

    // A menu entry or toolbar button by its name (toolbar buttons of their own by tag);
    // nullptr when there is none.
    virtual QAction* action(const QString& name) const = 0;
    virtual QMenu* menu(const QString& name) const = 0;
    // Toolbar button by its 1-based position.
    virtual QAction* toolbarButton(int number) const = 0;

    virtual Platform& platform() = 0;
    // How the simulating views paint their colours (View > Simulate Color Vision); it outlives
    // every component.
    virtual const DisplayFilter& displayFilter() const = 0;
    virtual QWidget* mainWindow() = 0;

    // True while "Only Show Color Palette" is on.
    virtual bool paletteOnly() const = 0;

    // Hides the palette selection frame and disables "&Delete Selected Color".
    virtual void dropPaletteSelection() = 0;

    // The palette selector's position (0-based), and showing a palette file at its first page,
    // selecting `selectorPosition` first when it is not negative.
    virtual int paletteSelectorPosition() const = 0;
    virtual void showPalette(int selectorPosition, const QString& fileName) = 0;

    // Refreshes the copy-menu captions from the editors (before the Edit menu pops up).
    virtual void ChangeCopyMenu() = 0;

    // Imports palette files as new palettes and shows the last one made (File > Import Palette,
    // palette files dropped anywhere on the window).
    virtual void importPaletteFiles(const QStringList& files) = 0;
};

} // namespace prismara
