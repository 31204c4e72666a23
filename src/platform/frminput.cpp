// frminput.cpp - the one-line input dialog.
#include "platform/frminput.h"

#include "platform/platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace prismara {

FrmInput::FrmInput(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmInput");
    setWindowTitle("Add a new color chart");
    setModal(true);

    lblMsg_ = new QLabel("Please input a name of new color chart:", this);
    lblMsg_->setObjectName("lblMsg");
    txtResult_ = new QLineEdit(this);
    txtResult_->setObjectName("txtResult");
    cmdOk_ = new QPushButton("&Ok", this);
    cmdOk_->setObjectName("Cmdok");
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton("&Cancel", this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMsg_);
    layout->addWidget(txtResult_);
    layout->addLayout(buttons);
    setFixedWidth(340);

    connect(cmdOk_, &QPushButton::clicked, this, &FrmInput::accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &FrmInput::reject);
    connect(txtResult_, &QLineEdit::returnPressed, this, &FrmInput::accept);
}

void FrmInput::accept()
{
    if (txtResult_->text().trimmed().isEmpty())
        txtResult_->setText("Untiltled");
    inputResult_ = txtResult_->text().trimmed();
    QDialog::accept();
}

void FrmInput::reject()
{
    // Cancel, Esc and the window's own close control all end here.
    inputResult_.clear();
    QDialog::reject();
}

QString FrmInput::InputText(Platform& platform, QWidget* parent, const QString& title, const QString& prompt)
{
    FrmInput dialog(parent);
    dialog.setWindowTitle(title);
    dialog.lblMsg_->setText(prompt);
    platform.setTopMost(&dialog, true);
    dialog.txtResult_->setFocus();
    dialog.exec();
    return dialog.inputResult();
}

} // namespace prismara
