// currentcoloreditors.h - the current-colour swatch and its eight text editors.
#pragma once

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

    // Stops reporting to the hub (the window is being destroyed).
    void detach() { detached_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Html, Decimal, HexChannel, ReadOnly };
    QLineEdit* makeEditor(const char* name, int maxLength, Kind kind);
    bool filterKey(QLineEdit* edit, Kind kind, QKeyEvent* event);

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

    bool detached_ = false;
    bool inUpdate_ = false;
    bool textsChangedInUpdate_ = false;
    bool hexFocus_ = false;
    bool redHexFocus_ = false;
    bool greenHexFocus_ = false;
    bool blueHexFocus_ = false;
};

} // namespace prismara
