// currentcoloreditors.h - the current-colour swatch and its eight text editors.
#pragma once

#include "core/editors/editortext.h"
#include "widgets/colorhub.h"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace prismara {

class ColorSwatch;

class CurrentColorEditors : public QWidget
{
    Q_OBJECT
public:
    CurrentColorEditors(ColorHub& hub, QWidget* parent);

    ColorSwatch* swatch() const { return lblcolor_; }
    ColorValue swatchColor() const;
    void setSwatchColor(ColorValue color);

    // Rewrites the editors for `color`, leaving a box the user is typing in alone where the
    // rules say so. Change notifications raised meanwhile return at once.
    void showColor(ColorValue color);

    EditorSnapshot texts() const;

    // The clipboard commands of the window, for the box that has the keyboard focus (the box a
    // menu was opened from counts as having it). copySelection copies the box's selected text and
    // is false when no box has a selection. paste pastes as EditorText::paste says: into the box,
    // as the current colour (also without a box), or not at all, which a tool tip then explains.
    bool copySelection();
    void paste();
    // Undo and redo of the typing in the box with the focus; false when it has nothing to undo
    // or redo.
    bool undoTyping();
    bool redoTyping();

    // Stops reporting to the hub (the window is being destroyed).
    void detach() { detached_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Kind = EditorBox;
    QLineEdit* makeEditor(const char* name, int maxLength, Kind kind);
    static Kind kindOf(const QLineEdit* edit);
    bool filterKey(QLineEdit* edit, Kind kind, QKeyEvent* event);
    void showContextMenu(QLineEdit* edit, const QPoint& globalPos);
    void cut(QLineEdit* edit);
    void pasteInto(QLineEdit* edit);
    void refuse(QLineEdit* edit, const QString& reason);

    void decimalChanged(QLineEdit* edit);
    void hexChannelChanged(QLineEdit* edit);
    void htmlChanged();
    void colorFromDecimals();
    void colorFromHexChannels();

    ColorHub& hub_;
    ColorSwatch* lblcolor_;
    QLineEdit* txtHex_;
    QLineEdit* txtRgb_;
    QLineEdit* txtr_;
    QLineEdit* txtg_;
    QLineEdit* txtb_;
    QLineEdit* txtrh_;
    QLineEdit* txtgh_;
    QLineEdit* txtbh_;
    QLabel* lblRgb_;
    QLabel* lblHex_;

    void textsEdited();

    QLineEdit* focused_ = nullptr; // the box with the keyboard focus, also while a menu is open
    bool detached_ = false;
    bool inUpdate_ = false;
    bool textsChangedInUpdate_ = false;
    bool hexFocus_ = false;
    bool redHexFocus_ = false;
    bool greenHexFocus_ = false;
    bool blueHexFocus_ = false;
};

} // namespace prismara
