// frmpreview.h - the colour information page "Color Preview": the current colour full size
// with its values in five colour models, savable as a small HTML page.
#pragma once

#include "core/palette/colorpage.h"

#include <QDialog>

class QLineEdit;
class QMenu;
class QMenuBar;

namespace prismara {

class ColorHub;

class FrmPreview : public QDialog
{
    Q_OBJECT
public:
    // Builds the page from the main window's current colour and editor texts.
    FrmPreview(ColorHub& hub, QWidget* parent);

    // Opens a fresh page modally and topmost over the main window; "Exit" discards it.
    static void showColorDetails(ColorHub& hub);

    // "Save as Html...": asks for a file (proposing the hex text) and writes the page there.
    void saveAsHtml();

    // What the page holds now (the boxes' texts, as the saved file takes them).
    ColorPageTexts texts() const;

    QMenu* actionMenu() const { return mnufile_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLineEdit* box(const char* name) const;

    ColorHub& hub_;
    QMenuBar* menuBar_;
    QMenu* mnufile_;
    QWidget* picInfo_;
};

} // namespace prismara
