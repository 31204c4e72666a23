// qtplatform.cpp - Qt implementation of the desktop services.
#include "platform/qtplatform.h"

#include "platform/frminput.h"
#include "platform/qtconvert.h"
#include "core/files/inifile.h"
#include "core/files/fileio.h"
#include "platform/screencapture.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QWidget>

namespace prismara {

namespace {
QString configFolder()
{
    const QByteArray xdg = qgetenv("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return QString::fromLocal8Bit(xdg);
    return QDir::homePath() + "/.config";
}

QString runtimeFolder()
{
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(QString::fromLocal8Bit(xdg)).isDir())
        return QString::fromLocal8Bit(xdg);
    return QDir::tempPath();
}

bool holdsData(const QString& folder) { return QFileInfo::exists(folder + "/colorchart.cci"); }

bool isWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// Copies a file that is not there yet and lets its owner write it: installed files may be read-only.
void copyForUser(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target) || !QFile::copy(source, target))
        return;
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
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
    QFile::remove(copy.absoluteFilePath());
    copyForUser(source.absoluteFilePath(), copy.absoluteFilePath());
    QFile file(copy.absoluteFilePath());
    if (file.open(QIODevice::Append))
        file.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
}
} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QString QtPlatform::settingsFile(const QString& app) { return configFolder() + "/" + app + ".ini"; }

QString QtPlatform::getSetting(const QString& app, const QString& section, const QString& key,
                               const QString& fallback)
{
    const auto text = ReadFile(ToPath(settingsFile(app)));
    if (!text)
        return fallback;
    const auto value = IniFile::parse(*text).get(ToStdString(section), ToStdString(key));
    return value ? ToQString(*value) : fallback;
}

void QtPlatform::saveSetting(const QString& app, const QString& section, const QString& key,
                             const QString& value)
{
    const QString path = settingsFile(app);
    QDir().mkpath(QFileInfo(path).absolutePath());
    IniFile ini = IniFile::parse(ReadFile(ToPath(path)).value_or(std::string()));
    ini.set(ToStdString(section), ToStdString(key), ToStdString(value));
    (void)ReplaceFile(ToPath(path), ToPath(path + ".tmp"), ini.serialize());
}

bool QtPlatform::previousInstance()
{
    if (!lock_) {
        lock_ = std::make_unique<QLockFile>(runtimeFolder() + "/" + programFileName() + ".lock");
        // A lock whose process is gone is stale and removed by tryLock.
        lock_->setStaleLockTime(0);
    }
    if (lock_->isLocked())
        return false;
    return !lock_->tryLock(0);
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
    if (icon.isNull() && QIcon::hasThemeIcon("prismara"))
        icon = QIcon::fromTheme("prismara");
    return icon;
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

void QtPlatform::shellOpen(const QString& target)
{
    const QUrl url = QFileInfo::exists(target) || target.startsWith('/') ? QUrl::fromLocalFile(target)
                                                                         : QUrl(target);
    QDesktopServices::openUrl(url);
}

ScreenCapture QtPlatform::captureScreen(QWidget* parent) { return CaptureVirtualScreen(parent); }

void QtPlatform::sleepAndProcessEvents(int milliseconds)
{
    QApplication::processEvents();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    QApplication::processEvents();
}

} // namespace prismara
