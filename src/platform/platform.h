// platform.h - every desktop service Prismara uses, behind one interface.
//
// Widgets never call QClipboard, QMessageBox, QSettings, QColorDialog, QFileDialog or
// QDesktopServices themselves; they ask the Platform. QtPlatform implements it for the desktop,
// tests use a scripted double (tests/support/fakeplatform.h).
#pragma once

#include "core/app/twips.h"
#include "core/colour/colorvalue.h"
#include "platform/qtconvert.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <vector>
#include <string_view>

class QWidget;

namespace prismara {

// A display's colour profile (the bytes of an ICC profile) and the part of the virtual screen it
// covers, in logical pixels.
struct ScreenProfile
{
    QRect geometry;
    QByteArray icc;
};

// Result of a screen capture: the image at device pixels, or the reason there is none.
struct ScreenCapture
{
    QImage image;         // empty when the capture failed
    QRect geometry;       // the captured virtual-screen rectangle, in logical pixels
    QString error;        // why nothing could be captured (empty on success)
    bool cancelled = false; // the user cancelled the wait for the desktop: nothing to tell
    // The colour profiles of the screens that have one (X11: the root window's _ICC_PROFILE for
    // the first screen, _ICC_PROFILE_1, _ICC_PROFILE_2, ... for the others).
    std::vector<ScreenProfile> profiles{};
};

// Result of the desktop's own colour picker: one click anywhere, no frozen screen.
struct DesktopColorPick
{
    std::optional<ColorValue> color; // the colour clicked
    bool offered = false;            // false: the desktop has no colour picker of its own
    bool cancelled = false;          // the user cancelled: nothing to tell
    QString error;                   // why no colour came (one sentence)
};

// A file name chosen in a save dialog, with the filter that was chosen (its position among the
// filters offered).
struct SaveChoice
{
    QString path;
    int filter = 0;
};

class Platform
{
public:
    virtual ~Platform() = default;

    // Settings store: text values by application, section and key. get returns `fallback` when
    // the key is absent; save creates or replaces the value and makes it survive the program.
    virtual QString getSetting(const QString& app, const QString& section, const QString& key,
                               const QString& fallback) = 0;
    virtual void saveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value) = 0;

    // True when another copy of the program runs. The first call claims the instance.
    virtual bool previousInstance() = 0;

    // Problems met so far that the user should hear of once, each one sentence naming the file
    // and the reason (a lock that could not be used, a settings file that is not a regular
    // file). Each is returned once.
    virtual QStringList startupProblems() { return {}; }

    // The folder that holds the data files (no trailing separator) and the program's file name
    // without extension ("prismara").
    virtual QString programFolder() = 0;
    virtual QString programFileName() = 0;
    // The program folder as a path, and a data file in it (the folder, "/", the file name).
    std::filesystem::path programFolderPath() { return ToPath(programFolder()); }
    std::filesystem::path dataFilePath(std::string_view fileName) { return programFolderPath() / fileName; }

    // The primary screen's size in logical pixels and in twips (15 twips to a pixel).
    virtual QSize screenSizePixels() = 0;
    QSize screenSizeTwips() { return screenSizePixels() * kTwipsPerPixel; }

    // Z-order: above all normal windows, or back to normal, keeping position and size.
    virtual void setTopMost(QWidget* window, bool topMost) = 0;

    // Suspends repainting of a window while controls are rearranged, and releases it.
    virtual void suspendRepaint(QWidget* window) = 0;
    virtual void releaseRepaint(QWidget* window) = 0;

    // Clipboard: clear, and set plain text (clear first, then exactly `text`); the plain text it
    // holds ("" when it holds none).
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0;
    // The image on the clipboard; a null image when it holds none.
    virtual QImage clipboardImage() = 0;

    // Modal Yes/No question with a question icon; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;

    // Modal information that something failed (a file that could not be written, no capture).
    virtual void showError(QWidget* parent, const QString& title, const QString& text) = 0;

    // The modal one-line input dialog (frmInput); "" when cancelled.
    virtual QString inputText(QWidget* parent, const QString& title, const QString& prompt) = 0;

    // Modal colour chooser starting from `initial`; returns `initial` after Cancel.
    virtual ColorValue chooseColor(QWidget* parent, ColorValue initial) = 0;

    // Save-file dialog with an overwrite prompt; nullopt after Cancel. `defaultSuffix` is added
    // when the user gives no extension.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& proposedName,
                                                const QString& filter, const QString& defaultSuffix) = 0;

    // Open-file dialog for one or more existing files, offering `filters` in order ("GIMP palette
    // (*.gpl)"); empty after Cancel.
    virtual QStringList openFileNames(QWidget* parent, const QString& title, const QStringList& filters) = 0;

    // Save-file dialog with an overwrite prompt, offering `filters` in order with `selectedFilter`
    // chosen first. A name given without an extension gets the first extension of the filter
    // chosen. nullopt after Cancel.
    virtual std::optional<SaveChoice> saveFileChoice(QWidget* parent, const QString& title,
                                                     const QString& proposedName, const QStringList& filters,
                                                     int selectedFilter) = 0;

    // Modal information: what went well, with what the user should know about it.
    virtual void showInformation(QWidget* parent, const QString& title, const QString& text) = 0;

    // Hands a file path or web address to the desktop; nothing is read back.
    virtual void shellOpen(const QString& target) = 0;

    // True when the desktop names an application that opens files of the type of `filePath`
    // (by its extension; the file need not exist).
    virtual bool hasDefaultApplication(const QString& filePath) = 0;

    // The folder of the HTML user guide (index.html and the pages it links to); "" when the
    // guide was not found.
    virtual QString helpFolder() = 0;

    // Captures the whole virtual screen at device pixels.
    virtual ScreenCapture captureScreen(QWidget* parent) = 0;

    // Puts the pointer at `position` (logical pixels of `window`, fractions reaching single device
    // pixels where the desktop lets programs move the pointer; elsewhere nothing happens).
    virtual void movePointer(QWidget* window, QPointF position) = 0;

    // The desktop's own colour picker, where it has one (the portal's PickColor).
    virtual DesktopColorPick pickColorOnDesktop(QWidget* parent)
    {
        (void)parent;
        return {};
    }

    // Sleeps for `milliseconds` and lets pending window events run.
    virtual void sleepAndProcessEvents(int milliseconds) = 0;
};

} // namespace prismara
