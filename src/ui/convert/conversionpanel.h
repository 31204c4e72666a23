// conversionpanel.h - the colour conversion panel (picColorConverter) over the palette grid.
//
// Sliders edit the current colour in one of eight models (RGB, HSL, CMY, CMYK, YCbCr, Lab, LCh,
// OKLCH); the main window follows every movement live, and nothing the panel does is added to
// the recent colours. Lab, LCh and OKLCH values outside the sRGB gamut give the gamut-mapped
// colour, and the label lblGamut says so while they are.
// Indexed controls carry their index in the object name: lblCp0..lblCp3, sldVal0..sldVal3,
// txtval0..txtval3, chklockmove0..chklockmove2; the others are tabModels, lblGamut, cmdApply and
// cmdClose.
#pragma once

#include "core/colour/clrmodels.h"
#include "core/colour/colorvalue.h"
#include "core/convert/modeltab.h"

#include <QFrame>

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabBar;

namespace prismara {

class ColorHub;

class ConversionPanel : public QFrame
{
    Q_OBJECT
public:
    ConversionPanel(ColorHub& hub, QWidget* parent);
    ~ConversionPanel() override;

    // Opens the panel for the current colour; on an open panel it reloads it, and the colour
    // that "&Cancel" goes back to becomes the current one.
    void open();

    // Index into ModelTabs() of the tab on view.
    std::size_t currentTab() const;

    // Whether the sliders name a colour outside the sRGB gamut (the colour shown is mapped).
    bool outOfGamut() const { return outOfGamut_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr std::size_t kRows = ModelTab::kMaxRows;
    static constexpr std::size_t kLinks = 3;

    cClrModels& model();
    ColorValue modelColor() const;
    void applyTab(std::size_t index);
    // The gamut warning's colour of its own, for the desktop's light or dark scheme.
    void colourGamutText();
    void sliderChanged(std::size_t row);
    void writeBack();
    void moveLinked(std::size_t row);
    void storeRgbPositions();
    void clearLinks();
    void showValue(std::size_t row);
    void fitValueBoxes(const ModelTab& tab);
    void markGamut(bool outside);
    void accept();
    void cancel();

    ColorHub& hub_;
    QTabBar* tabModels_;
    std::array<QLabel*, kRows> lblCp_{};
    std::array<QSlider*, kRows> sldVal_{};
    std::array<QLineEdit*, kRows> txtval_{};
    std::array<QCheckBox*, kLinks> chklockmove_{};
    QLabel* lblGamut_;
    QPushButton* cmdApply_;
    QPushButton* cmdClose_;

    std::unique_ptr<cClrModels> model_;  // created when first needed
    ColorValue openingColor_ = kWhite;   // what "&Cancel" restores
    bool writeBackSuspended_ = false;    // set while the panel moves its own sliders
    bool outOfGamut_ = false;
    int activeSlider_ = -1;              // RGB row that last received the focus
    std::array<int, kLinks> lastRgb_{};  // RGB slider positions after the last active move
};

} // namespace prismara
