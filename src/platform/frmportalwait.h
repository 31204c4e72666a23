// frmportalwait.h - the small window that stands in for the hidden main window while the
// desktop's screenshot portal is asked for the screen.
#pragma once

#include <QDialog>

namespace prismara {

class FrmPortalWait : public QDialog
{
    Q_OBJECT
public:
    // Shown this long after the request, so that a portal that answers at once never has the
    // window in its picture.
    static constexpr int kShowDelayMs = 300;

    explicit FrmPortalWait(QWidget* parent = nullptr);

    // Cancel, Esc and the window's close control end the wait: rejected() is emitted.
};

} // namespace prismara
