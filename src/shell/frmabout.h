// frmabout.h - the About box.
#pragma once

#include <QDialog>

namespace prismara {

class Platform;

class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // Opens a fresh About box modally over `parent`, topmost; "&OK" closes and discards it.
    static void showAbout(Platform& platform, QWidget* parent);
};

} // namespace prismara
