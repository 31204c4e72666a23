// The one-line input dialog.
#include "platform/frminput.h"
#include "support/fakeplatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

using namespace prismara;

namespace {
// Runs InputText and acts on the dialog once it is open.
QString answer(const std::function<void(FrmInput*, QLineEdit*)>& act)
{
    test::FakePlatform platform;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FrmInput*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Save This Color Scheme");
        EXPECT_EQ(dialog->findChild<QLabel*>("lblMsg")->text(), "Save this color scheme as:");
        EXPECT_TRUE(platform.topMost.contains(dialog));
        act(dialog, dialog->findChild<QLineEdit*>("txtResult"));
    });
    return FrmInput::InputText(platform, nullptr, "Save This Color Scheme", "Save this color scheme as:");
}
} // namespace

TEST(FrmInput, OkReturnsTheTrimmedTextOrUntiltledAndCancelNothing)
{
    const auto ok = [](FrmInput* d) { QTest::mouseClick(d->findChild<QPushButton*>("Cmdok"), Qt::LeftButton); };
    EXPECT_EQ(answer([&](FrmInput* d, QLineEdit* box) { QTest::keyClicks(box, "  Sunset  "); ok(d); }), "Sunset");
    EXPECT_EQ(answer([&](FrmInput* d, QLineEdit* box) { QTest::keyClicks(box, "   "); ok(d); }), "Untiltled");
    EXPECT_EQ(answer([](FrmInput*, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Return); }), "Untiltled")
        << "Enter in an empty box acts as OK";
    const std::function<void(FrmInput*, QLineEdit*)> cancels[] = {
        [](FrmInput* d, QLineEdit*) { QTest::mouseClick(d->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); },
        [](FrmInput*, QLineEdit* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](FrmInput* d, QLineEdit*) { d->close(); },
    };
    for (const auto& cancel : cancels)
        EXPECT_EQ(answer([&](FrmInput* d, QLineEdit* box) {
                      QTest::keyClicks(box, "kept?");
                      cancel(d, box);
                  }),
                  "");
}
