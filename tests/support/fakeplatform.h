// fakeplatform.h - a scripted Platform for widget tests: settings in memory, a recorded
// clipboard, queued answers for questions and dialogs, and a temporary program folder.
#pragma once

#include "platform/platform.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QWidget>

#include <deque>
#include <memory>

namespace prismara::test {

class FakePlatform : public Platform
{
public:
    // `folder` is the program folder; empty = a fresh temporary one filled with the shipped data.
    explicit FakePlatform(const QString& folder = QString());
    ~FakePlatform() override;

    QString getSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) override;
    void saveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    bool previousInstance() override { return otherInstanceRunning; }
    QString programFolder() override { return folder_; }
    QString folder() const { return folder_; }
    QString programFileName() override { return QStringLiteral("prismara"); }
    QSize screenSizePixels() override { return screenSize; }
    void setTopMost(QWidget* window, bool topMost) override;
    void suspendRepaint(QWidget* window) override;
    void releaseRepaint(QWidget* window) override;
    void clearClipboard() override
    {
        clipboard.clear();
        ++clipboardClears;
    }
    void setClipboardText(const QString& text) override
    {
        clipboard = text;
        ++clipboardSets;
    }
    QImage clipboardImage() override { return clipboardPicture; }
    QString clipboardText() override { return clipboard; }
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    void showError(QWidget*, const QString& title, const QString& text) override { errorsShown.append(title + "|" + text); }
    QString inputText(QWidget* parent, const QString& title, const QString& prompt) override;
    ColorValue chooseColor(QWidget* parent, ColorValue initial) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& proposedName, const QString& filter,
                                        const QString& defaultSuffix) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QStringList& filters) override;
    std::optional<SaveChoice> saveFileChoice(QWidget* parent, const QString& title, const QString& proposedName,
                                             const QStringList& filters, int selectedFilter) override;
    void showInformation(QWidget*, const QString& title, const QString& text) override
    {
        informationShown.append(title + "|" + text);
    }
    void shellOpen(const QString& target) override { opened.append(target); }
    bool hasDefaultApplication(const QString& filePath) override { return openable.contains(QFileInfo(filePath).suffix()); }
    QString helpFolder() override { return helpPages; }
    ScreenCapture captureScreen(QWidget* parent) override;
    void movePointer(QWidget*, QPointF position) override { pointerMoves.append(position); }
    DesktopColorPick pickColorOnDesktop(QWidget*) override
    {
        ++desktopPicks;
        return desktopPick;
    }
    void sleepAndProcessEvents(int) override
    {
        ++sleeps;
        QApplication::processEvents();
    }

    static QString settingKey(const QString& app, const QString& section, const QString& key)
    {
        return app + "/" + section + "/" + key;
    }

    // Scripted state; tests read and set these directly.
    QHash<QString, QString> settings;          // settingKey(...) -> value
    int settingWrites = 0;
    bool otherInstanceRunning = false;
    QSize screenSize{1920, 1080};
    QString clipboard;
    int clipboardClears = 0;
    int clipboardSets = 0;
    std::deque<bool> yesNoAnswers;             // empty queue answers No
    QStringList questionsAsked;                // "title|text"
    QStringList errorsShown;                   // "title|text"
    std::deque<QString> inputAnswers;          // empty queue answers "" (cancel)
    QStringList inputsAsked;                   // "title|prompt"
    std::deque<std::optional<ColorValue>> colorAnswers;  // nullopt = Cancel
    std::deque<std::optional<QString>> saveAnswers;      // nullopt = Cancel
    QStringList saveDialogsShown;              // proposed names
    QImage clipboardPicture;                        // what clipboardImage() returns
    QList<QPointF> pointerMoves;                    // movePointer positions, in the window's pixels
    QStringList opened;                        // shellOpen targets
    QStringList openable;                      // extensions the desktop has an application for
#ifdef PRISMARA_HELP_DIR
    QString helpPages = PRISMARA_HELP_DIR;     // the HTML guide
#else
    QString helpPages;
#endif
    QList<QWidget*> topMost;
    int suspendDepth = 0;
    int suspendCount = 0;
    std::optional<ScreenCapture> capture;      // default: grab the offscreen screen
    int sleeps = 0;
    std::deque<QStringList> openAnswers;       // empty queue answers Cancel
    std::deque<std::optional<SaveChoice>> saveChoiceAnswers; // nullopt = Cancel
    QStringList dialogFilters;                 // the filters of the last open or save-choice dialog
    QStringList saveChoicesShown;              // "title|proposed name|selected filter"
    QStringList informationShown;              // "title|text"
    DesktopColorPick desktopPick;              // default: the desktop has no colour picker
    int desktopPicks = 0;

private:
    QString folder_;
    bool ownsFolder_ = false;
};

// Copies the shipped data files into `folder`.
void copyShippedData(const QString& folder);

} // namespace prismara::test
