// qtplatform.h - the desktop services of Prismara implemented with Qt.
#pragma once

#include "platform/instancelock.h"
#include "platform/platform.h"

#include <QHash>
#include <QIcon>
#include <QSet>
#include <QStringList>

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
    QStringList startupProblems() override;
    QString programFolder() override;
    QString programFileName() override;
    QSize screenSizePixels() override;
    void setTopMost(QWidget* window, bool topMost) override;
    void suspendRepaint(QWidget* window) override;
    void releaseRepaint(QWidget* window) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QImage clipboardImage() override;
    QString clipboardText() override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override;
    void showError(QWidget* parent, const QString& title, const QString& text) override;
    QString inputText(QWidget* parent, const QString& title, const QString& prompt) override;
    ColorValue chooseColor(QWidget* parent, ColorValue initial) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& proposedName, const QString& filter,
                                        const QString& defaultSuffix) override;
    QStringList openFileNames(QWidget* parent, const QString& title, const QStringList& filters) override;
    std::optional<SaveChoice> saveFileChoice(QWidget* parent, const QString& title, const QString& proposedName,
                                             const QStringList& filters, int selectedFilter) override;
    void showInformation(QWidget* parent, const QString& title, const QString& text) override;
    void shellOpen(const QString& target) override;
    bool hasDefaultApplication(const QString& filePath) override;
    QString helpFolder() override;
    ScreenCapture captureScreen(QWidget* parent) override;
    void movePointer(QWidget* window, QPointF position) override;
    DesktopColorPick pickColorOnDesktop(QWidget* parent) override;
    void sleepAndProcessEvents(int milliseconds) override;

    // The first extension a file-dialog filter names, without its dot: "gpl" for
    // "GIMP palette (*.gpl *.GPL)"; empty when it names none ("All files (*)").
    static QString filterSuffix(const QString& filter);

    // The INI file that holds the settings of one application name.
    static QString settingsFile(const QString& app);

    // The per-user lock file of the single instance (see InstanceLock::lockFile).
    QString lockFile();
    // The socket beside it on which the running copy takes requests of copies started later.
    QString instanceSocket();

    // Where the data files are looked for (see resolveProgramFolder below), for the running program.
    static QString resolveProgramFolder();

    // The folder that holds the data files, given the executable's folder and the per-user folder:
    // - `exeDir` itself when it holds the data and is writable (a program folder that was built or
    //   unpacked where the user may write);
    // - otherwise, when the data is installed (in a read-only `exeDir` or in <exeDir>/../share/prismara),
    //   `userFolder`, filled from the installed data the first time. An installed program never writes
    //   into its installation, whoever runs it. The index is copied last, so a fill that was cut short
    //   is completed at the next start; files already in `userFolder` are never replaced, except
    //   help.chm, which follows the installed one;
    // - `exeDir` when no data is found anywhere.
    static QString resolveProgramFolder(const QString& exeDir, const QString& userFolder);

    // The folder of the HTML guide for an executable in `exeDir`: `exeDir`/help in a build or an
    // unpacked program folder, else <exeDir>/../share/prismara/help as installed (or the link to it,
    // share/doc/prismara/html); "" when none holds index.html.
    static QString helpFolder(const QString& exeDir);

    // The application icon installed with the program (<exe>/../share/icons/hicolor) or by the
    // desktop's icon theme; a null icon when there is none.
    static QIcon installedIcon();

    // True when the desktop names an icon theme of its own. Without one Qt falls back to "hicolor",
    // which holds application icons only; looking names up there costs a scan of its index and
    // finds nothing.
    static bool hasIconTheme();

private:
    // Notes a problem with a file once per run, for startupProblems().
    void noteProblem(const QString& file, const QString& text);

    std::unique_ptr<InstanceLock> lock_;
    QString folder_;
    QStringList problems_;
    QSet<QString> problemFiles_;
};

} // namespace prismara
