// qtplatform.cpp - Qt implementation of the desktop services.
#include "platform/qtplatform.h"

#include "platform/frminput.h"
#include "platform/qtconvert.h"
#include "core/files/inifile.h"
#include "core/files/fileio.h"
#include "platform/portalscreenshot.h"
#include "platform/screencapture.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDBusConnection>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QWidget>

#include <QCursor>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <algorithm>

namespace prismara {

namespace {
QString configFolder()
{
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return QString::fromLocal8Bit(xdg);
    return QDir::homePath() + "/.config";
}

QString cacheFolder()
{
    const QByteArray xdg = qgetenv("XDG_CACHE_HOME");
    if (!xdg.isEmpty())
        return QString::fromLocal8Bit(xdg);
    return QDir::homePath() + "/.cache";
}

bool holdsData(const QString& folder) { return QFileInfo::exists(folder + "/colorchart.cci"); }

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// Copies a file that is not there yet, writable by its owner (installed files may be read-only).
// The copy is written whole under a temporary name first, so a copy that fails (a full disk)
// leaves nothing behind, not an empty or partial file.
bool copyForUser(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target))
        return false;
    std::string bytes;
    if (!ReadWholeFile(ToPath(source), bytes))
        return false;
    return ReplaceFile(ToPath(target), ToPath(target + ".tmp"), bytes);
}

// Fills the per-user folder from the installed data. The index goes last: it marks a complete fill.
void fillUserFolder(const QString& installed, const QString& userFolder)
{
    QDir().mkpath(userFolder);
    const QStringList patterns{"*.rgb", "*.hcs", "*.dat"};
    for (const QFileInfo& file : QDir(installed).entryInfoList(patterns, QDir::Files))
        copyForUser(file.absoluteFilePath(), userFolder + "/" + file.fileName());
    copyForUser(installed + "/colorchart.cci", userFolder + "/colorchart.cci");
}

// The help file is documentation, not user data: the per-user copy follows the installed one. The
// copy takes the installed file's time, so any other size or time means the installation changed.
void refreshHelpFile(const QString& installed, const QString& userFolder)
{
    const QFileInfo source(installed + "/help.chm");
    const QFileInfo copy(userFolder + "/help.chm");
    if (!source.exists())
        return;
    if (copy.exists() && copy.size() == source.size() && copy.lastModified() == source.lastModified())
        return;
    (void)RemoveFile(ToPath(copy.absoluteFilePath()));
    if (!copyForUser(source.absoluteFilePath(), copy.absoluteFilePath()))
        return;
    QFile file(copy.absoluteFilePath());
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
}
} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QString QtPlatform::settingsFile(const QString& app) { return configFolder() + "/" + app + ".ini"; }

void QtPlatform::noteProblem(const QString& file, const QString& text)
{
    if (problemFiles_.contains(file))
        return;
    problemFiles_.insert(file);
    problems_.append(text);
}

QStringList QtPlatform::startupProblems() { return std::exchange(problems_, {}); }

QString QtPlatform::getSetting(const QString& app, const QString& section, const QString& key,
                               const QString& fallback)
{
    const QString path = settingsFile(app);
    std::string text;
    if (const FileResult read = ReadWholeFile(ToPath(path), text, kSmallFileLimit); !read) {
        // A settings file that cannot be read (a FIFO, a device, far too large) counts as absent
        // and is never written over.
        if (!read.missing())
            noteProblem(path, QString("The settings file %1 could not be read: %2. Prismara uses its defaults and "
                                      "leaves the file as it is.")
                                  .arg(path, ToQString(read.reason())));
        return fallback;
    }
    const auto value = IniFile::parse(text).get(ToStdString(section), ToStdString(key));
    return value ? ToQString(*value) : fallback;
}

void QtPlatform::saveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value)
{
    const QString path = settingsFile(app);
    QDir().mkpath(QFileInfo(path).absolutePath());
    std::string text;
    if (const FileResult read = ReadWholeFile(ToPath(path), text, kSmallFileLimit); !read && !read.missing())
        return; // reported when it was read
    IniFile ini = IniFile::parse(text);
    const std::string sectionName = ToStdString(section), keyName = ToStdString(key), valueText = ToStdString(value);
    // A value saved again unchanged (the window not moved since the last run) costs no rewrite.
    if (ini.get(sectionName, keyName) == valueText)
        return;
    ini.set(sectionName, keyName, valueText);
    if (const FileResult saved = ReplaceFile(ToPath(path), ToPath(path + ".tmp"), ini.serialize()); !saved)
        qWarning("prismara: %s could not be written: %s", qPrintable(path), saved.reason().c_str());
}

QString QtPlatform::lockFile()
{
    return PathToQString(InstanceLock::lockFile(ToStdString(programFileName()),
                                                qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString(),
                                                ToStdString(cacheFolder())));
}

QString QtPlatform::instanceSocket()
{
    const QFileInfo lock(lockFile());
    return lock.absolutePath() + "/" + programFileName() + ".socket";
}

bool QtPlatform::previousInstance()
{
    if (!lock_) {
        lock_ = std::make_unique<InstanceLock>(ToPath(lockFile()));
        if (lock_->state() == InstanceLock::State::Failed)
            noteProblem(PathToQString(lock_->file()),
                        QString("The lock file %1 could not be used: %2. Prismara runs, but it cannot tell whether "
                                "another copy of it is running.")
                            .arg(PathToQString(lock_->file()), ToQString(lock_->reason())));
    }
    return lock_->state() == InstanceLock::State::HeldByOtherCopy;
}

QString QtPlatform::resolveProgramFolder()
{
    return resolveProgramFolder(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                    "/prismara");
}

QString QtPlatform::resolveProgramFolder(const QString& exeDir, const QString& userFolder)
{
    if (holdsData(exeDir) && isWritableFolder(exeDir))
        return exeDir;

    QString installed;
    for (const QString& candidate : {exeDir, QDir::cleanPath(exeDir + "/../share/prismara")})
        if (holdsData(candidate)) {
            installed = candidate;
            break;
        }
    if (installed.isEmpty())
        return exeDir;
    if (QDir(installed) == QDir(userFolder))
        return userFolder;

    if (!holdsData(userFolder))
        fillUserFolder(installed, userFolder);
    refreshHelpFile(installed, userFolder);
    return userFolder;
}

QIcon QtPlatform::installedIcon()
{
    QIcon icon;
    const QString icons = QCoreApplication::applicationDirPath() + "/../share/icons/hicolor/";
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString file = icons + QString("%1x%1/apps/prismara.png").arg(size);
        if (QFileInfo::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    if (icon.isNull() && hasIconTheme() && QIcon::hasThemeIcon("prismara"))
        icon = QIcon::fromTheme("prismara");
    return icon;
}

bool QtPlatform::hasIconTheme()
{
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

QString QtPlatform::programFolder()
{
    if (folder_.isEmpty())
        folder_ = resolveProgramFolder();
    return folder_;
}

QString QtPlatform::programFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QSize QtPlatform::screenSizePixels()
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        return screen->size();
    return {1024, 768};
}

void QtPlatform::setTopMost(QWidget* window, bool topMost)
{
    if (!window)
        return;
    window = window->window();
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    // Changing the flags re-creates the native window, which may move it: put it back.
    if (visible)
        window->show();
    if (window->geometry() != geometry)
        window->setGeometry(geometry);
}

void QtPlatform::suspendRepaint(QWidget* window)
{
    if (window)
        window->setUpdatesEnabled(false);
}

void QtPlatform::releaseRepaint(QWidget* window)
{
    if (window)
        window->setUpdatesEnabled(true);
}

void QtPlatform::clearClipboard() { QGuiApplication::clipboard()->clear(); }

QString QtPlatform::clipboardText() { return QGuiApplication::clipboard()->text(); }

void QtPlatform::setClipboardText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

bool QtPlatform::askYesNo(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showError(QWidget* parent, const QString& title, const QString& text)
{
    // Also on the error stream, one line, for the user's session log.
    std::fprintf(stderr, "prismara: %s\n", qPrintable(QString(text).replace('\n', ' ')));
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtPlatform::inputText(QWidget* parent, const QString& title, const QString& prompt)
{
    return FrmInput::InputText(*this, parent, title, prompt);
}

ColorValue QtPlatform::chooseColor(QWidget* parent, ColorValue initial)
{
    const QColor start(GetRed(initial), GetGreen(initial), GetBlue(initial));
    QColorDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return initial;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return initial;
    return MakeColor(chosen.red(), chosen.green(), chosen.blue());
}

QImage QtPlatform::clipboardImage()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->image() : QImage();
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const QString& proposedName,
                                                const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

QStringList QtPlatform::openFileNames(QWidget* parent, const QString& title, const QStringList& filters)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtPlatform::filterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^ )*]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<SaveChoice> QtPlatform::saveFileChoice(QWidget* parent, const QString& title,
                                                     const QString& proposedName, const QStringList& filters,
                                                     int selectedFilter)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(filters);
    const QString first = filters.value(selectedFilter);
    dialog.selectNameFilter(first);
    dialog.setDefaultSuffix(filterSuffix(first));
    // The extension a bare name gets follows the filter chosen.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().front(), static_cast<int>(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
}

void QtPlatform::showInformation(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::shellOpen(const QString& target)
{
    const QUrl url = QFileInfo::exists(target) || target.startsWith('/') ? QUrl::fromLocalFile(target)
                                                                         : QUrl(target);
    QDesktopServices::openUrl(url);
}

bool QtPlatform::hasDefaultApplication(const QString& filePath)
{
    // What the desktop opens a file with is what xdg-open (which QDesktopServices runs) finds:
    // the default application xdg-mime names for the file's type or one of its aliases.
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty() || QStandardPaths::findExecutable("xdg-open").isEmpty())
        return false;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(filePath, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return false;
    for (const QString& name : QStringList{type.name()} + type.aliases()) {
        QProcess query;
        query.start(xdgMime, {"query", "default", name});
        if (!query.waitForFinished(3000)) {
            query.kill();
            query.waitForFinished();
            return false;
        }
        if (query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
            !query.readAllStandardOutput().trimmed().isEmpty())
            return true;
    }
    return false;
}

QString QtPlatform::helpFolder() { return helpFolder(QCoreApplication::applicationDirPath()); }

QString QtPlatform::helpFolder(const QString& exeDir)
{
    for (const QString& folder : {exeDir + "/help", QDir::cleanPath(exeDir + "/../share/prismara/help"),
                                  QDir::cleanPath(exeDir + "/../share/doc/prismara/html")})
        if (QFileInfo::exists(folder + "/index.html"))
            return folder;
    return {};
}

ScreenCapture QtPlatform::captureScreen(QWidget* parent) { return CaptureVirtualScreen(parent); }

void QtPlatform::movePointer(QWidget* window, QPointF position)
{
#if QT_CONFIG(xcb)
    // QCursor::setPos takes whole logical pixels, which on a scaled screen skips device pixels; the
    // X server places the pointer at any device pixel of the window.
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        QWidget* top = window->window();
        const QPointF device = window->mapTo(top, position) * window->devicePixelRatioF();
        xcb_connection_t* connection = x11->connection();
        xcb_warp_pointer(connection, XCB_NONE, static_cast<xcb_window_t>(top->winId()), 0, 0, 0, 0,
                         static_cast<std::int16_t>(std::floor(device.x())),
                         static_cast<std::int16_t>(std::floor(device.y())));
        xcb_flush(connection);
        return;
    }
#endif
    // Wayland lets no program move the pointer; the picker keeps its own sampled pixel there.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        QCursor::setPos(window->mapToGlobal(position).toPoint());
}

DesktopColorPick QtPlatform::pickColorOnDesktop(QWidget* parent)
{
    return PortalScreenshot::pickColor(QDBusConnection::sessionBus(), PortalScreenshot::serviceName(),
                                       PortalParentWindow(parent));
}

void QtPlatform::sleepAndProcessEvents(int milliseconds)
{
    QApplication::processEvents();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    QApplication::processEvents();
}

} // namespace prismara
