// frmpick.cpp - the picker's tool window.
#include "ui/picker/frmpick.h"

#include "widgets/colorswatch.h"
#include "core/palette/palettestore.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "platform/settings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace prismara {

FrmPick::FrmPick(Platform& platform, int pickStartChart, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), platform_(platform)
{
    setObjectName("frmpick");
    setWindowTitle("Pick&Save Color");
    setMouseTracking(true);
    if (parent)
        setFont(parent->font());

    auto* caption = new QLabel("Save To:", this);
    caption->setObjectName("lblSaveTo");
    cmbSaveTo_ = new QComboBox(this);
    cmbSaveTo_->setObjectName("cmbSaveTo");
    cmbSaveTo_->setMinimumWidth(150);
    lblcor_ = new ColorSwatch(this);
    lblcor_->setObjectName("lblcor");
    lblcor_->setFixedSize(48, 48);
    lblcor_->setColor(kBlack);
    txtHex_ = new QLineEdit(this);
    txtHex_->setObjectName("txtHex");
    txtHex_->setReadOnly(true);
    txtRgb_ = new QLineEdit(this);
    txtRgb_->setObjectName("txtRgb");
    txtRgb_->setReadOnly(true);
    auto* sampleCaption = new QLabel("&Average:", this);
    sampleCaption->setObjectName("lblSampleSize");
    cmbSampleSize_ = new QComboBox(this);
    cmbSampleSize_->setObjectName("cmbSampleSize");
    for (const int size : kSampleSizes)
        cmbSampleSize_->addItem(
            size == 1
                ? QStringLiteral("1 pixel (key 1)")
                : QStringLiteral("%1 \u00D7 %1 pixels (key %2)").arg(size).arg(cmbSampleSize_->count() + 1),
            size);
    sampleCaption->setBuddy(cmbSampleSize_);
    lblProfile_ = new QLabel(this);
    lblProfile_->setObjectName("lblProfile");
    lblProfile_->setWordWrap(true);
    lblProfile_->hide();
    check1_ = new QCheckBox("Pick colors continuously", this);
    check1_->setObjectName("Check1");
    cmdStop_ = new QPushButton("&Stop", this);
    cmdStop_->setObjectName("cmdStop");
    cmdStop_->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(cmbSaveTo_, 0, 1, 1, 2);
    layout->addWidget(lblcor_, 1, 0, 2, 1);
    layout->addWidget(txtHex_, 1, 1, 1, 2);
    layout->addWidget(txtRgb_, 2, 1, 1, 2);
    layout->addWidget(sampleCaption, 3, 0);
    layout->addWidget(cmbSampleSize_, 3, 1, 1, 2);
    layout->addWidget(lblProfile_, 4, 0, 1, 3);
    layout->addWidget(check1_, 5, 0, 1, 3);
    layout->addWidget(cmdStop_, 6, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Opening, in order: topmost, the palettes, the setting.
    platform_.setTopMost(this, true);
    ShowSaveChart(platform_.programFolderPath(), pickStartChart);
    readAutoStop();
    cmbSampleSize_->setCurrentIndex(cmbSampleSize_->findData(
        ValidSampleSize(Settings(platform_).number(Setting::PickSampleSize).value_or(1))));
    connect(cmbSampleSize_, &QComboBox::currentIndexChanged, this, [this] {
        Settings(platform_).setNumber(Setting::PickSampleSize, sampleSize());
        emit sampleSizeChanged(sampleSize());
    });

    connect(check1_, &QCheckBox::toggled, this, &FrmPick::saveAutoStop);
    connect(cmdStop_, &QPushButton::clicked, this, &FrmPick::stopRequested);

    // Out of the way in the top right corner of the primary screen.
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 24, area.top() + 24);
    }
}

void FrmPick::ShowSaveChart(const std::filesystem::path& folder, int pickStartChart)
{
    PaletteStore store(folder);
    (void)store.readIndex(); // an unreadable index leaves the list empty: nothing can be saved
    targets_ = SaveTargets(store);
    const QSignalBlocker quiet(cmbSaveTo_);
    cmbSaveTo_->clear();
    for (const SaveTarget& target : targets_)
        cmbSaveTo_->addItem(ToQString(target.name), ToQString(target.file));
    cmbSaveTo_->setCurrentIndex(PreselectedSaveTarget(targets_, pickStartChart));
}

QString FrmPick::pickSaveFile() const
{
    const SaveTarget* target = chosenTarget();
    return target ? ToQString(target->file) : QString();
}

const SaveTarget* FrmPick::chosenTarget() const
{
    const int entry = cmbSaveTo_->currentIndex();
    if (entry < 0 || entry >= static_cast<int>(targets_.size()))
        return nullptr;
    return &targets_[static_cast<std::size_t>(entry)];
}

bool FrmPick::continuous() const { return check1_->isChecked(); }

int FrmPick::sampleSize() const
{
    return cmbSampleSize_->currentData().toInt();
}

void FrmPick::chooseSampleSize(int size)
{
    const int entry = cmbSampleSize_->findData(size);
    if (entry >= 0)
        cmbSampleSize_->setCurrentIndex(entry);
}

void FrmPick::showColor(ColorValue color)
{
    lblcor_->setColor(color);
    txtHex_->setText(ToQString(HtmlHex(color)));
    txtRgb_->setText(ToQString(RgbText(color)));
}

void FrmPick::showProfileText(const QString& text)
{
    lblProfile_->setText(text);
    lblProfile_->show();
}

void FrmPick::readAutoStop()
{
    check1_->setChecked(Settings(platform_).isOn(Setting::AutoStop));
}

void FrmPick::saveAutoStop(bool ticked)
{
    Settings(platform_).setOn(Setting::AutoStop, ticked);
}

void FrmPick::closeQuietly()
{
    closing_ = true;
    close();
}

void FrmPick::enterEvent(QEnterEvent* event)
{
    emit pointerEntered();
    QWidget::enterEvent(event);
}

void FrmPick::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit stopRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmPick::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        QWidget::closeEvent(event);
        return;
    }
    // The close button ends picking as Stop does; Stop closes the window.
    event->ignore();
    emit stopRequested();
}

} // namespace prismara
