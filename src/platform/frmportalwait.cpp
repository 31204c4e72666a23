// frmportalwait.cpp - "Waiting for the desktop to share the screen…" with Cancel.
#include "platform/frmportalwait.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace prismara {

FrmPortalWait::FrmPortalWait(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmPortalWait");
    setWindowTitle("Screen Color Picker");
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto* text = new QLabel(QString::fromUtf8("Waiting for the desktop to share the screen\u2026"), this);
    text->setObjectName("lblWaiting");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cmdCancel");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace prismara
