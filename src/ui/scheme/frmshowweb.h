// frmshowweb.h - the preview of the Web Links Color scheme as a page shows it.
#pragma once

#include <QDialog>

namespace prismara {

class Platform;
class SchemeState;

// A snapshot taken when the window opens: the page background, a line of body text and four
// link lines. "E&xit" or a click on the background closes it.
class FrmShowweb : public QDialog
{
    Q_OBJECT
public:
    FrmShowweb(const SchemeState& state, QWidget* parent);

    // Opens a fresh window, topmost and modal; returns when it is closed.
    static void showPreview(Platform& platform, const SchemeState& state, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool backgroundPressed_ = false;
};

} // namespace prismara
