// frmcss.cpp - the HTML and CSS window.
#include "ui/scheme/frmcss.h"

#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "core/scheme/schemecode.h"
#include "core/scheme/schemecontrast.h"
#include "core/scheme/schemestyles.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace prismara {

namespace {
// A read-only code box tall enough for `lines` lines.
QPlainTextEdit* codeBox(const char* name, int lines, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(9.0);
    box->setFont(mono);
    const int frame = 2 * box->frameWidth() + 2 * static_cast<int>(box->document()->documentMargin());
    box->setFixedHeight(QFontMetrics(mono).lineSpacing() * lines + frame + 2);
    return box;
}

QLabel* caption(const char* name, const char* text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

// Box texts keep the program's CR LF line ends; the boxes themselves show plain lines.
QString shown(const std::string& text) { return ToQString(text).replace("\r\n", "\n"); }
QString copied(const QPlainTextEdit* box) { return box->toPlainText().replace("\n", "\r\n"); }
} // namespace

FrmCss::FrmCss(const SchemeState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName("frmcss");
    setWindowTitle("HTML and CSS");
    setModal(true);

    txthtml_ = codeBox("txthtml", 3, this);
    txthtml_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtic_ = codeBox("txtic", 9, this);
    txtic_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtec_ = codeBox("txtec", 5, this);
    txtec_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // One line per pair of the Web Links Color style, under a heading and the column heads.
    txtcontrast_ = codeBox("txtcontrast",
                           static_cast<int>(SchemeStyles::style(SchemeStyles::kWebLinks).contrastPairs.size()) + 2, this);
    txtcontrast_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* exit = new QPushButton("Exit", this);
    exit->setObjectName("cmdexit");
    exit->setDefault(true);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(3);
    layout->addWidget(caption("lblhtml", "HTML", txthtml_, this));
    layout->addWidget(txthtml_);
    layout->addSpacing(6);
    layout->addWidget(caption("lblic", "Inline CSS", txtic_, this));
    layout->addWidget(txtic_);
    layout->addSpacing(6);
    layout->addWidget(caption("lblec", "External CSS", txtec_, this));
    layout->addWidget(txtec_);
    layout->addSpacing(6);
    layout->addWidget(caption("lblcontrast", "Contrast", txtcontrast_, this));
    layout->addWidget(txtcontrast_);
    layout->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    resize(640, sizeHint().height());

    ShowHtml();
}

void FrmCss::ShowHtml()
{
    const SchemeCode code = SchemeCode::fromState(state_);
    txthtml_->setPlainText(shown(code.html));
    txtec_->setPlainText(shown(code.externalCss));
    txtic_->setPlainText(shown(code.inlineCss));
    txtcontrast_->setPlainText(shown(ContrastReport(state_, SchemeStyles::kWebLinks)));
}

QString FrmCss::htmlText() const { return copied(txthtml_); }
QString FrmCss::inlineCssText() const { return copied(txtic_); }
QString FrmCss::externalCssText() const { return copied(txtec_); }
QString FrmCss::contrastText() const { return copied(txtcontrast_); }

void FrmCss::showCode(Platform& platform, const SchemeState& state, QWidget* parent)
{
    FrmCss window(state, parent);
    platform.setTopMost(&window, true);
    window.exec();
}

} // namespace prismara
