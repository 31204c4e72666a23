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
QString answer(const std::function<void(FrmInput*)>& act)
{
    test::FakePlatform platform;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<FrmInput*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
    return FrmInput::InputText(platform, nullptr, "Add a new color palette", "Please input a name of new color palette:");
}

QLineEdit* box(FrmInput* d) { return d->findChild<QLineEdit*>("txtResult"); }
} // namespace

TEST(FrmInput, OkReturnsTheTrimmedText)
{
    EXPECT_EQ(answer([](FrmInput* d) {
                  QTest::keyClicks(box(d), "  Sunset  ");
                  QTest::mouseClick(d->findChild<QPushButton*>("Cmdok"), Qt::LeftButton);
              }),
              "Sunset");
}

TEST(FrmInput, BlankOrEmptyBecomesUntiltled)
{
    EXPECT_EQ(answer([](FrmInput* d) {
                  QTest::keyClicks(box(d), "   ");
                  QTest::mouseClick(d->findChild<QPushButton*>("Cmdok"), Qt::LeftButton);
              }),
              "Untiltled");
    EXPECT_EQ(answer([](FrmInput* d) { QTest::keyClick(box(d), Qt::Key_Return); }), "Untiltled")
        << "Enter in an empty box acts as OK";
}

TEST(FrmInput, CancelEscapeAndTheCloseControlReturnNothing)
{
    EXPECT_EQ(answer([](FrmInput* d) {
                  QTest::keyClicks(box(d), "kept?");
                  QTest::mouseClick(d->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
              }),
              "");
    EXPECT_EQ(answer([](FrmInput* d) {
                  QTest::keyClicks(box(d), "x");
                  QTest::keyClick(box(d), Qt::Key_Escape);
              }),
              "");
    EXPECT_EQ(answer([](FrmInput* d) {
                  QTest::keyClicks(box(d), "x");
                  d->close();
              }),
              "");
}

TEST(FrmInput, ShowsTitleAndPromptAndIsTopmost)
{
    test::FakePlatform platform;
    QString title, prompt;
    bool topmost = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<FrmInput*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        prompt = d->findChild<QLabel*>("lblMsg")->text();
        topmost = platform.topMost.contains(d);
        d->reject();
    });
    FrmInput::InputText(platform, nullptr, "Save This Color Scheme", "Save this color scheme as:");
    EXPECT_EQ(title, "Save This Color Scheme");
    EXPECT_EQ(prompt, "Save this color scheme as:");
    EXPECT_TRUE(topmost);
}
