// windowfixture.h - a real main window on a scripted platform, for widget tests.
#pragma once

#include "shell/frmshowcolor.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace prismara::test {

class WindowFixture
{
public:
    explicit WindowFixture(bool show = true) { open(show); }

    void open(bool show = true)
    {
        window = std::make_unique<FrmShowColor>(platform);
        if (show) {
            window->show();
            (void)QTest::qWaitForWindowExposed(window.get());
        }
    }

    template <typename T = QWidget> T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }

    QString path(const QString& fileName) const { return platform.folder() + "/" + fileName; }
    QByteArray fileBytes(const QString& fileName) const
    {
        QFile f(path(fileName));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& fileName, const QByteArray& bytes) const
    {
        QFile f(path(fileName));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }

    FakePlatform platform;
    std::unique_ptr<FrmShowColor> window;
};

} // namespace prismara::test
