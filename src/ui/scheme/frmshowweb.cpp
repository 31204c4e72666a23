// frmshowweb.cpp - the web scheme preview window.
#include "ui/scheme/frmshowweb.h"

#include "widgets/colorswatch.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "core/scheme/schemepreview.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace prismara {

FrmShowweb::FrmShowweb(const SchemeState& state, QWidget* parent) : QDialog(parent)
{
    setObjectName("frmShowweb");
    setWindowTitle("Web Color Scheme Preview");
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 24);
    layout->setSpacing(8);

    auto* bar = new QMenuBar(this);
    bar->setObjectName("mnuShowwebBar");
    QAction* exit = bar->addAction("E&xit");
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, this, &QDialog::accept);
    layout->setMenuBar(bar);

    const SchemePreview preview = SchemePreview::fromState(state);
    QPalette page = palette();
    page.setColor(QPalette::Window, ToQColor(preview.windowBackground));
    setPalette(page);
    setAutoFillBackground(true);
    // The menu bar keeps the desktop's colours rather than the page's.
    bar->setPalette(QPalette());

    for (std::size_t i = 0; i < SchemePreview::kLineCount; ++i) {
        const PreviewLine& line = preview.lines[i];
        auto* field = new QLineEdit(this);
        field->setObjectName(ToQString(line.field));
        field->setReadOnly(true);
        field->setFrame(false);
        QFont f("Tahoma");
        f.setPointSizeF(9.75);
        f.setUnderline(line.underlined);
        field->setFont(f);
        QPalette colours = field->palette();
        colours.setColor(QPalette::Base, ToQColor(line.background));
        colours.setColor(QPalette::Text, ToQColor(line.foreground));
        field->setPalette(colours);
        field->setText(ToQString(line.text));
        field->setCursorPosition(0);
        field->setMinimumWidth(280);
        layout->addWidget(field);
    }
    layout->addStretch(1);
}

void FrmShowweb::mousePressEvent(QMouseEvent* event)
{
    backgroundPressed_ = event->button() == Qt::LeftButton;
    QDialog::mousePressEvent(event);
}

void FrmShowweb::mouseReleaseEvent(QMouseEvent* event)
{
    // A click on the page itself (not on a text field) closes the preview.
    if (event->button() == Qt::LeftButton && backgroundPressed_ && rect().contains(event->position().toPoint())) {
        backgroundPressed_ = false;
        accept();
        return;
    }
    backgroundPressed_ = false;
    QDialog::mouseReleaseEvent(event);
}

void FrmShowweb::showPreview(Platform& platform, const SchemeState& state, QWidget* parent)
{
    FrmShowweb window(state, parent);
    platform.setTopMost(&window, true);
    window.exec();
}

} // namespace prismara
