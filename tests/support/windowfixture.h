// windowfixture.h - a real main window on a scripted platform, and the ways a widget test drives
// it: controls by name, clicks, the files of the program folder, pop-up menus and modal windows.
#pragma once

#include "shell/frmshowcolor.h"
#include "support/fakeplatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace prismara::test {

class WindowFixture
{
public:
    // The window is built (and shown) at once unless `open` is false; then open() builds it, so that
    // a test can prepare the program folder first.
    explicit WindowFixture(bool show = true, bool open = true)
    {
        if (open)
            this->open(show);
    }

    // A window opened again first closes the one before.
    void open(bool show = true)
    {
        window.reset();
        window = std::make_unique<FrmShowColor>(platform);
        if (show) {
            window->show();
            QApplication::setActiveWindow(window.get());
            (void)QTest::qWaitForWindowExposed(window.get());
        }
    }

    template <typename T = QWidget> T* find(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QAction* action(const QString& name) const { return window->action(name); }
    ColorValue current() const { return window->swatchColor(); }
    void setColor(ColorValue color) const { window->CurrentColorChanged(color, WriteRecent::Yes); }

    static void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(w, button); }
    // Option buttons and check boxes take clicks on their indicator and caption only.
    static void clickIndicator(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(7, b->height() / 2)); }

    QString path(const QString& fileName) const { return platform.folder() + "/" + fileName; }
    QByteArray bytes(const QString& fileName) const
    {
        QFile f(path(fileName));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QByteArray fileBytes(const QString& fileName) const { return bytes(fileName); }
    void write(const QString& fileName, const QByteArray& content) const
    {
        QFile f(path(fileName));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }

    // Runs `trigger`, which must pop up a menu, and returns the captions it showed ("-" for a
    // separator); the menu is closed again.
    static QStringList popupEntries(const std::function<void()>& trigger)
    {
        auto seen = std::make_shared<QStringList>();
        auto opened = std::make_shared<bool>(false);
        QTimer::singleShot(0, [seen, opened] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                *opened = true;
                for (QAction* a : menu->actions())
                    if (a->isVisible())
                        *seen << (a->isSeparator() ? QString("-") : a->text());
                menu->close();
            }
        });
        trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(*opened) << "no pop-up menu opened";
        return *seen;
    }

    // Runs `trigger`, which must open a modal window, and hands that window to `inspect`; the
    // window is closed afterwards if `inspect` left it open.
    static void withModal(const std::function<void()>& trigger, const std::function<void(QDialog*)>& inspect)
    {
        auto done = std::make_shared<bool>(false);
        QTimer::singleShot(0, [done, inspect] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                *done = true;
                inspect(dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        });
        trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(*done) << "no modal window opened";
    }

    FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
};

} // namespace prismara::test
