// frmabout.cpp - the About box.
#include "shell/frmabout.h"

#include "core/app/appinfo.h"
#include "shell/toolbaricons.h"
#include "platform/platform.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace prismara {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmabout");
    setWindowTitle("About");
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName("imgIcon");
    // The application's icon (the installed one when there is one), else the drawn wheel.
    const QIcon appIcon = QApplication::windowIcon().isNull() ? ApplicationIcon() : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(64, 64));
    auto* product = new QLabel(QString("<b>%1, Version %2</b>").arg(kProductName, kVersion), this);
    product->setObjectName("lblProduct");
    auto* thanksTitle = new QLabel("Special Thanks To:", this);
    thanksTitle->setObjectName("lblThanksTitle");
    auto* thanks = new QLabel("The Qt Project, the Debian developers, and every designer who sent us a palette.", this);
    thanks->setObjectName("lblThanks");
    thanks->setWordWrap(true);
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("Cmdok");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(product, 0, 1);
    layout->addWidget(thanksTitle, 1, 1);
    layout->addWidget(thanks, 2, 1);
    layout->addWidget(ok, 3, 1, Qt::AlignRight);
    setFixedWidth(360);
}

void FrmAbout::showAbout(Platform& platform, QWidget* parent)
{
    FrmAbout box(parent);
    platform.setTopMost(&box, true);
    box.exec();
}

} // namespace prismara
