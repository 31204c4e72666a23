// frmcss.h - the HTML and CSS window: the Web Links Color scheme as web code, with the contrast
// report of its colours.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace prismara {

class Platform;
class SchemeState;

class FrmCss : public QDialog
{
    Q_OBJECT
public:
    // The window, filled from the Web Links Color samples of `state`.
    FrmCss(const SchemeState& state, QWidget* parent);

    // Rewrites the three code boxes and the contrast report from the samples' colours at this
    // moment.
    void ShowHtml();

    // The box texts as copied: lines joined by CR LF.
    QString htmlText() const;
    QString inlineCssText() const;
    QString externalCssText() const;
    QString contrastText() const;

    // Opens a fresh window, topmost and modal; returns when it is closed.
    static void showCode(Platform& platform, const SchemeState& state, QWidget* parent);

private:
    const SchemeState& state_;
    QPlainTextEdit* txthtml_;
    QPlainTextEdit* txtic_;
    QPlainTextEdit* txtec_;
    QPlainTextEdit* txtcontrast_;
};

} // namespace prismara
