// frmpick.h - the small tool window of the screen picker ("Pick&Save Color"): the colour under
// the pointer, the palette picked colours are saved to, the sampled square, continuous picking
// and Stop.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/palette/pickerrules.h"

#include <QWidget>

#include <filesystem>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace prismara {

class ColorSwatch;
class Platform;

class FrmPick : public QWidget
{
    Q_OBJECT
public:
    // Opening: topmost, then "Save To:" filled (the entry of selector position pickStartChart
    // preselected), then "Pick colors continuously" from the setting "autostop".
    FrmPick(Platform& platform, int pickStartChart, QWidget* parent = nullptr);

    // Fills "Save To:" from the palette index of `folder`.
    void ShowSaveChart(const std::filesystem::path& folder, int pickStartChart);

    // The palette file picked colours go to; "" when no palette can take them.
    QString pickSaveFile() const;
    // The chosen entry (its selector position at opening and file), nullptr when none.
    const SaveTarget* chosenTarget() const;
    bool continuous() const;

    // The side of the square whose average a click takes (1, 3, 5 or 9), from the setting
    // "picksamplesize"; choosing another one stores it.
    int sampleSize() const;
    void chooseSampleSize(int size);

    // Shows a colour in the swatch and as hex and decimal text.
    void showColor(ColorValue color);

    // What the display's colour profile makes of the colour ("device #... → sRGB #..."), or why
    // it cannot; the line is hidden until first set.
    void showProfileText(const QString& text);

    // Closes the window without asking for Stop (picking has ended).
    void closeQuietly();

    QComboBox* saveTo() const { return cmbSaveTo_; }

signals:
    // "&Stop", Esc, or the window's close button.
    void stopRequested();
    // The pointer came over this window.
    void pointerEntered();
    // Another sampled square was chosen (here or with the keys 1 to 4 on the picture).
    void sampleSizeChanged(int size);

protected:
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void readAutoStop();
    void saveAutoStop(bool ticked);

    Platform& platform_;
    QComboBox* cmbSaveTo_;
    ColorSwatch* lblcor_;
    QLineEdit* txtHex_;
    QLineEdit* txtRgb_;
    QComboBox* cmbSampleSize_;
    QLabel* lblProfile_;
    QCheckBox* check1_;
    QPushButton* cmdStop_;
    std::vector<SaveTarget> targets_;
    bool closing_ = false;
};

} // namespace prismara
