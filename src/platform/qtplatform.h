// qtplatform.h - the desktop services of Prismara implemented with Qt.
#pragma once

#include "platform/platform.h"

#include <QHash>
#include <QLockFile>

#include <memory>

namespace prismara {

class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;

    QString getSetting(const QString& app, const QString& section, const QString& key,
                       const QString& fallback) override;
    void saveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& value) override;
    bool previousInstance() override;
    QString programFolder() override;
    QString programFileName() override;
    QSize screenSizePixels() override;
    void setTopMost(QWidget* window, bool topMost) override;
    void suspendRepaint(QWidget* window) override;
    void releaseRepaint(QWidget* window) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    QString inputText(QWidget* parent, const QString& title, const QString& prompt) override;
    ColorValue chooseColor(QWidget* parent, ColorValue initial) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& proposedName, const QString& filter,
                                        const QString& defaultSuffix) override;
    void shellOpen(const QString& target) override;
    ScreenCapture captureScreen(QWidget* parent) override;
    void sleepAndProcessEvents(int milliseconds) override;

    // The INI file that holds the settings of one application name.
    static QString settingsFile(const QString& app);

    // Where the data files are looked for: the executable's folder when it holds them and is
    // writable; otherwise a per-user folder filled once from the installed data.
    static QString resolveProgramFolder();

private:
    std::unique_ptr<QLockFile> lock_;
    QString folder_;
};

} // namespace prismara
