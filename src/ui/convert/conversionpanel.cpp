// conversionpanel.cpp - the colour conversion panel: one table-driven row set for five models.
#include "ui/convert/conversionpanel.h"

#include "widgets/colorhub.h"
#include "core/app/twips.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "widgets/desktoppalette.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>

#include <algorithm>

namespace prismara {

namespace {

// Designed positions are in twips relative to the panel.
constexpr std::array<int, 4> kLetterTops{90, 495, 885, 1290};
constexpr std::array<int, 4> kSliderTops{90, 495, 900, 1305};
constexpr std::array<int, 4> kValueTops{30, 435, 840, 1245};
constexpr std::array<int, 3> kLinkTops{90, 487, 885};
constexpr int kLetterLeft = 270;
constexpr int kSliderLeft = 465;
constexpr int kSliderWidth = 2775;
constexpr int kValueLeft = 3300;
constexpr int kValueWidth = 495;
constexpr int kApplyLeft = 1650;
constexpr int kCloseLeft = 2835;
constexpr int kButtonTop = 2160;

// Sizes the design leaves to the toolkit, in pixels.
// The letters are centred on their designed place, with room either side for "Cb" and "Cr"
// (the link boxes they could touch show on the RGB tab only, whose letters are single).
constexpr int kLetterWidth = 16;
constexpr int kLetterX = TwipsToPixels(kLetterLeft) + 3 - kLetterWidth / 2;
constexpr int kRowHeight = 16;   // letter, slider and link box share one centre line
constexpr int kValueHeight = 22;
constexpr int kLinkSize = 16;
constexpr int kButtonWidth = 73;
constexpr int kButtonHeight = 23;
// The model tabs hang below the rows, between the last row and the buttons, across the panel.
constexpr const char* kNarrowTabs = "QTabBar::tab { padding: 2px 3px; min-width: 0px; }";
constexpr QRect kTabs(2, 110, 267, 24);
// The out-of-gamut mark takes the place of the fourth row, which the tabs that can leave the
// gamut do not have.
constexpr int kGamutRow = 3;

} // namespace

ConversionPanel::ConversionPanel(ColorHub& hub, QWidget* parent) : QFrame(parent), hub_(hub)
{
    setObjectName("picColorConverter");
    // Raised and opaque: the panel lies over the palette grid, which must not show through.
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);

    tabModels_ = new QTabBar(this);
    tabModels_->setObjectName("tabModels");
    tabModels_->setShape(QTabBar::RoundedSouth);
    tabModels_->setDrawBase(true);
    tabModels_->setExpanding(false);
    // Eight tabs share the panel's width: narrow tabs (styled when the panel first opens, so the
    // window's start needs no style sheet), and arrows should they still not fit.
    tabModels_->setUsesScrollButtons(true);
    for (const ModelTab& tab : ModelTabs())
        tabModels_->addTab(ToQString(tab.caption));
    tabModels_->setCurrentIndex(static_cast<int>(kRgbTab));
    tabModels_->setGeometry(kTabs);

    for (std::size_t r = 0; r < kRows; ++r) {
        const QString n = QString::number(r);
        lblCp_[r] = new QLabel(this);
        lblCp_[r]->setObjectName("lblCp" + n);
        lblCp_[r]->setGeometry(kLetterX, TwipsToPixels(kLetterTops[r]), kLetterWidth, kRowHeight);
        lblCp_[r]->setAlignment(Qt::AlignCenter);

        sldVal_[r] = new QSlider(Qt::Horizontal, this);
        sldVal_[r]->setObjectName("sldVal" + n);
        sldVal_[r]->setMinimum(0);
        sldVal_[r]->setFocusPolicy(Qt::StrongFocus); // a click makes it the active slider
        sldVal_[r]->setGeometry(TwipsToPixels(kSliderLeft), TwipsToPixels(kSliderTops[r]), TwipsToPixels(kSliderWidth),
                                kRowHeight);
        sldVal_[r]->installEventFilter(this);
        connect(sldVal_[r], &QSlider::valueChanged, this, [this, r] { sliderChanged(r); });

        txtval_[r] = new QLineEdit(this);
        txtval_[r]->setObjectName("txtval" + n);
        txtval_[r]->setReadOnly(true); // shows the slider; never read back
        txtval_[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtval_[r]->setGeometry(TwipsToPixels(kValueLeft), TwipsToPixels(kValueTops[r]), TwipsToPixels(kValueWidth),
                                kValueHeight);
        txtval_[r]->setText("0");
    }
    for (std::size_t r = 0; r < kLinks; ++r) {
        chklockmove_[r] = new QCheckBox(this);
        chklockmove_[r]->setObjectName("chklockmove" + QString::number(r));
        chklockmove_[r]->setGeometry(0, TwipsToPixels(kLinkTops[r]), kLinkSize, kLinkSize);
    }

    lblGamut_ = new QLabel(QString::fromUtf8("\u26A0 Outside sRGB: gamut-mapped"), this);
    lblGamut_->setObjectName("lblGamut");
    lblGamut_->setGeometry(TwipsToPixels(kSliderLeft), TwipsToPixels(kSliderTops[kGamutRow]) - 2,
                           TwipsToPixels(kValueLeft + kValueWidth - kSliderLeft), kValueHeight);
    colourGamutText();
    QFont bold = lblGamut_->font();
    bold.setBold(true);
    lblGamut_->setFont(bold);
    lblGamut_->setToolTip("These values name a colour that sRGB cannot show; the current colour is the "
                          "nearest one it can (CSS gamut mapping: the chroma is reduced).");
    lblGamut_->hide();

    cmdApply_ = new QPushButton("&OK", this);
    cmdApply_->setObjectName("cmdApply");
    cmdApply_->setGeometry(TwipsToPixels(kApplyLeft), TwipsToPixels(kButtonTop), kButtonWidth, kButtonHeight);
    cmdClose_ = new QPushButton("&Cancel", this);
    cmdClose_->setObjectName("cmdClose");
    cmdClose_->setGeometry(TwipsToPixels(kCloseLeft), TwipsToPixels(kButtonTop), kButtonWidth, kButtonHeight);
    connect(cmdApply_, &QPushButton::clicked, this, [this] { accept(); });
    connect(cmdClose_, &QPushButton::clicked, this, [this] { cancel(); });

    connect(tabModels_, &QTabBar::currentChanged, this, [this](int index) {
        if (index >= 0)
            applyTab(static_cast<std::size_t>(index));
    });
    hide();
}

void ConversionPanel::colourGamutText()
{
    QPalette gamutText = lblGamut_->palette();
    gamutText.setColor(QPalette::WindowText, SchemeColor(palette(), QColor(0xa0, 0x00, 0x5a), QColor(0xff, 0x8c, 0xc6)));
    lblGamut_->setPalette(gamutText);
}

void ConversionPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourGamutText();
}

ConversionPanel::~ConversionPanel() = default;

std::size_t ConversionPanel::currentTab() const
{
    return static_cast<std::size_t>(std::max(0, tabModels_->currentIndex()));
}

cClrModels& ConversionPanel::model()
{
    if (!model_)
        model_ = std::make_unique<cClrModels>();
    return *model_;
}

ColorValue ConversionPanel::modelColor() const
{
    return model_ ? MakeColor(model_->rgbR(), model_->rgbG(), model_->rgbB()) : kBlack;
}

void ConversionPanel::open()
{
    clearLinks();
    if (tabModels_->styleSheet().isEmpty())
        tabModels_->setStyleSheet(kNarrowTabs);
    show();
    raise();
    openingColor_ = hub_.swatchColor();
    cClrModels& m = model();
    m.setRgbR(static_cast<std::uint8_t>(GetRed(openingColor_)));
    m.setRgbG(static_cast<std::uint8_t>(GetGreen(openingColor_)));
    m.setRgbB(static_cast<std::uint8_t>(GetBlue(openingColor_)));
    // The tab on view when the panel was last closed stays on view.
    applyTab(currentTab());
}

void ConversionPanel::applyTab(std::size_t index)
{
    const ModelTab& tab = ModelTabs()[index];
    const bool rgb = index == kRgbTab;
    Platform& platform = hub_.platform();
    QWidget* window = hub_.mainWindow();
    platform.suspendRepaint(window);

    const bool fourthRow = tab.rows == kRows;
    lblCp_[3]->setVisible(fourthRow);
    sldVal_[3]->setVisible(fourthRow);
    txtval_[3]->setVisible(fourthRow);

    // The model holds an sRGB colour: whatever the tab, its values lie inside the gamut.
    markGamut(false);

    const bool wasSuspended = writeBackSuspended_;
    writeBackSuspended_ = true;
    // From 0, every slider set below reports a change and fills its text box.
    for (QSlider* s : sldVal_)
        s->setValue(0);
    for (std::size_t r = 0; r < kRows; ++r) {
        lblCp_[r]->setText(ToQString(tab.letters[r]));
        sldVal_[r]->setRange(r < tab.rows ? tab.minima[r] : 0, r < tab.rows ? tab.maxima[r] : 0);
    }
    for (QCheckBox* c : chklockmove_)
        c->setVisible(rgb);
    fitValueBoxes(tab);
    const cClrModels& m = model();
    for (std::size_t r = 0; r < tab.rows; ++r)
        sldVal_[r]->setValue(tab.value[r](m));
    // A slider that kept its position reported nothing; every box shows the tab's form of it.
    for (std::size_t r = 0; r < kRows; ++r)
        showValue(r);
    if (rgb)
        storeRgbPositions();
    writeBackSuspended_ = wasSuspended;

    platform.releaseRepaint(window);
}

void ConversionPanel::sliderChanged(std::size_t row)
{
    const bool rgb = currentTab() == kRgbTab;
    // 1. The tab's sliders become the model's colour (not while the panel sets them itself).
    if (!writeBackSuspended_)
        writeBack();
    // 2.
    showValue(row);
    // 3. Every view follows; colours made here are never recorded.
    hub_.CurrentColorChanged(modelColor(), WriteRecent::No);
    // 4.-5. Links work on the RGB tab only, and only from the slider the user is moving.
    if (!rgb) {
        clearLinks();
    } else if (!writeBackSuspended_ && row < kLinks && static_cast<int>(row) == activeSlider_) {
        moveLinked(row);
        storeRgbPositions();
    }
}

void ConversionPanel::writeBack()
{
    const ModelTab& tab = ModelTabs()[currentTab()];
    ModelTab::Positions positions{};
    for (std::size_t r = 0; r < tab.rows; ++r)
        positions[r] = std::clamp(sldVal_[r]->value(), tab.minima[r], tab.maxima[r]);
    markGamut(!tab.write(model(), positions));
}

void ConversionPanel::fitValueBoxes(const ModelTab& tab)
{
    // The designed width holds three digits. A tab whose values are longer ("-125.0", "0.532")
    // widens its boxes to the right, as far as the panel's edge allows.
    const QLineEdit* box = txtval_[0];
    int needed = 0;
    for (std::size_t r = 0; r < tab.rows; ++r)
        for (int position : {tab.minima[r], tab.maxima[r]})
            needed = std::max(needed, box->fontMetrics().horizontalAdvance(ToQString(tab.valueText(r, position))));
    // What the frame and the text margins of a line edit take (the designed box holds "255").
    const int designed = TwipsToPixels(kValueWidth);
    const int chrome = designed - box->fontMetrics().horizontalAdvance("255");
    const int room = contentsRect().right() - 1 - TwipsToPixels(kValueLeft);
    const int width = std::clamp(needed + chrome, designed, std::max(designed, room));
    for (QLineEdit* value : txtval_)
        value->resize(width, value->height());
}

void ConversionPanel::showValue(std::size_t row)
{
    txtval_[row]->setText(ToQString(ModelTabs()[currentTab()].valueText(row, sldVal_[row]->value())));
}

void ConversionPanel::markGamut(bool outside)
{
    outOfGamut_ = outside;
    lblGamut_->setVisible(outside);
}

void ConversionPanel::moveLinked(std::size_t row)
{
    if (!chklockmove_[row]->isChecked())
        return;
    const int delta = sldVal_[row]->value() - lastRgb_[row];
    for (std::size_t j = 0; j < kLinks; ++j) {
        if (j == row || !chklockmove_[j]->isChecked())
            continue;
        // A linked channel stops at the end of its range rather than leaving it.
        QSlider* other = sldVal_[j];
        other->setValue(std::clamp(other->value() + delta, other->minimum(), other->maximum()));
    }
}

void ConversionPanel::storeRgbPositions()
{
    for (std::size_t r = 0; r < kLinks; ++r)
        lastRgb_[r] = sldVal_[r]->value();
}

void ConversionPanel::clearLinks()
{
    for (QCheckBox* c : chklockmove_)
        c->setChecked(false);
}

void ConversionPanel::accept()
{
    hide();
    clearLinks();
}

void ConversionPanel::cancel()
{
    hub_.CurrentColorChanged(openingColor_, WriteRecent::No);
    hide();
    clearLinks();
}

bool ConversionPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && currentTab() == kRgbTab) {
        for (std::size_t r = 0; r < kLinks; ++r)
            if (watched == sldVal_[r])
                activeSlider_ = static_cast<int>(r);
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace prismara
