// fakeplatform.cpp - the scripted Platform of the widget tests.
#include "support/fakeplatform.h"

#include "support/privatedir.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <filesystem>

namespace prismara::test {

void copyShippedData(const QString& folder)
{
    namespace fs = std::filesystem;
    const fs::path from(PRISMARA_SHIPPED_DATA_DIR);
    for (const auto& entry : fs::directory_iterator(from)) {
        const auto ext = entry.path().extension().string();
        if (ext == ".cci" || ext == ".rgb" || ext == ".hcs" || ext == ".dat")
            fs::copy_file(entry.path(), fs::path(folder.toStdString()) / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    }
}

FakePlatform::FakePlatform(const QString& folder) : folder_(folder)
{
    if (folder_.isEmpty()) {
        folder_ = QString::fromStdString(makePrivateDir("folder").string());
        ownsFolder_ = true;
        copyShippedData(folder_);
    }
}

FakePlatform::~FakePlatform()
{
    if (ownsFolder_)
        removePrivateDir(folder_.toStdString());
}

namespace {
// The next scripted answer, or `fallback` when none is left.
template <typename T, typename F> T takeFront(std::deque<T>& answers, F fallback)
{
    if (answers.empty())
        return T(fallback);
    T answer = answers.front();
    answers.pop_front();
    return answer;
}
// The next scripted choice; an empty queue answers Cancel. The value is copied out alone: an
// optional QString copied whole out of the queue upsets GCC's warnings.
template <typename T> std::optional<T> takeChoice(std::deque<std::optional<T>>& answers)
{
    if (answers.empty() || !answers.front()) {
        if (!answers.empty())
            answers.pop_front();
        return std::nullopt;
    }
    const T answer = *answers.front();
    answers.pop_front();
    return answer;
}
} // namespace

QString FakePlatform::getSetting(const QString& app, const QString& section, const QString& key, const QString& fallback)
{
    return settings.value(settingKey(app, section, key), fallback);
}

void FakePlatform::saveSetting(const QString& app, const QString& section, const QString& key, const QString& value)
{
    settings.insert(settingKey(app, section, key), value);
    ++settingWrites;
}

void FakePlatform::setTopMost(QWidget* window, bool on)
{
    topMost.removeAll(window);
    if (on)
        topMost.append(window);
}

void FakePlatform::suspendRepaint(QWidget* window)
{
    ++suspendDepth;
    ++suspendCount;
    if (window)
        window->setUpdatesEnabled(false);
}

void FakePlatform::releaseRepaint(QWidget* window)
{
    --suspendDepth;
    if (window)
        window->setUpdatesEnabled(true);
}

bool FakePlatform::askYesNo(QWidget*, const QString& text, const QString& title)
{
    questionsAsked.append(title + "|" + text);
    return takeFront(yesNoAnswers, false);
}

QString FakePlatform::inputText(QWidget*, const QString& title, const QString& prompt)
{
    inputsAsked.append(title + "|" + prompt);
    return takeFront(inputAnswers, QString());
}

ColorValue FakePlatform::chooseColor(QWidget*, ColorValue initial)
{
    return takeFront(colorAnswers, std::optional<ColorValue>()).value_or(initial);
}

std::optional<QString> FakePlatform::saveFileName(QWidget*, const QString& proposedName, const QString&, const QString&)
{
    saveDialogsShown.append(proposedName);
    return takeChoice(saveAnswers);
}

ScreenCapture FakePlatform::captureScreen(QWidget*)
{
    if (capture)
        return *capture;
    ScreenCapture result;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        result.image = screen->grabWindow(0).toImage();
        result.geometry = screen->geometry();
    }
    if (result.image.isNull())
        result.error = QStringLiteral("no screen");
    return result;
}

QStringList FakePlatform::openFileNames(QWidget*, const QString&, const QStringList& filters)
{
    dialogFilters = filters;
    return takeFront(openAnswers, QStringList());
}

std::optional<SaveChoice> FakePlatform::saveFileChoice(QWidget*, const QString& title, const QString& proposedName,
                                                       const QStringList& filters, int selectedFilter)
{
    dialogFilters = filters;
    saveChoicesShown.append(title + "|" + proposedName + "|" + filters.value(selectedFilter));
    return takeChoice(saveChoiceAnswers);
}

} // namespace prismara::test
