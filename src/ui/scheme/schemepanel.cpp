// schemepanel.cpp - one web-scheme style's panel, built from the style table and its layout.
#include "ui/scheme/schemepanel.h"

#include "core/scheme/schemecontrast.h"
#include "core/scheme/schemestyles.h"
#include "platform/qtconvert.h"
#include "ui/scheme/schemelayouts.h"
#include "ui/scheme/schemesample.h"
#include "widgets/badgelabel.h"
#include "widgets/displayfilter.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cmath>
#include <map>

namespace prismara {

namespace {
constexpr int kMargin = 3;
constexpr int kGap = 4;
constexpr int kPageBar = 12;   // the browser bar above the page content
// A flagged button: a pale red band behind it and dark red text. It changes no size, so the
// captions keep their places.
void showFlag(QRadioButton* button, bool fails)
{
    button->setProperty("contrastFails", fails);
    button->setAccessibleDescription(fails ? "Takes part in a pair that fails WCAG AA contrast" : QString());
    button->setAutoFillBackground(fails);
    if (!fails) {
        button->setPalette(QPalette());
        return;
    }
    QPalette pal = button->palette();
    // A button fills its background in its Button colour.
    pal.setColor(QPalette::Window, QColor(248, 205, 205));
    pal.setColor(QPalette::Button, QColor(248, 205, 205));
    pal.setColor(QPalette::WindowText, QColor(140, 0, 0));
    button->setPalette(pal);
}
} // namespace

SchemePanel::SchemePanel(std::size_t style, const DisplayFilter* filter, QWidget* parent)
    : QWidget(parent), style_(style), filter_(filter), group_(new QButtonGroup(this))
{
    const SchemeStyle& table = SchemeStyles::style(style_);
    setObjectName(ToQString(table.panel));
    resize(kWidth, kHeight);
    group_->setExclusive(true);
    buildOptions();
    buildSamples();
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            emit elementSelected();
    });
    // The page's address bar says when the page is simulated.
    if (filter_)
        connect(filter_, &DisplayFilter::changed, this, qOverload<>(&QWidget::update));
}

QRect SchemePanel::pageRect() const
{
    const int optionsWidth = SchemeLayouts::forPanel(SchemeStyles::style(style_).panel).optionsWidth;
    return {kMargin, kMargin, width() - 2 * kMargin - kGap - optionsWidth, height() - 2 * kMargin};
}

void SchemePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!optionFrame_)
        return;
    const int optionsWidth = optionFrame_->width();
    optionFrame_->setGeometry(width() - kMargin - optionsWidth, kMargin, optionsWidth, height() - 2 * kMargin);
    placeSamples();
}

void SchemePanel::placeSamples()
{
    const QRect content = pageRect().adjusted(1, kPageBar + 1, -1, -1);
    const int optionsWidth = optionFrame_->width();
    const QSize designed(kWidth - 2 * kMargin - kGap - optionsWidth - 2, kHeight - 2 * kMargin - kPageBar - 2);
    scaleX_ = static_cast<double>(content.width()) / designed.width();
    scaleY_ = static_cast<double>(content.height()) / designed.height();
    if (sampleHolder_ != this)
        sampleHolder_->setGeometry(content);
    origin_ = sampleHolder_ == this ? content.topLeft() : QPoint(0, 0);
    // Edges scaled and rounded, so neighbouring samples still meet.
    auto x = [this](int v) { return static_cast<int>(std::lround(v * scaleX_)); };
    auto y = [this](int v) { return static_cast<int>(std::lround(v * scaleY_)); };
    for (std::size_t i = 0; i < samples_.size() && i < designedRects_.size(); ++i) {
        const QRect& r = designedRects_[i];
        if (r.isNull())
            continue;
        samples_[i]->setGeometry(QRect(QPoint(x(r.left()), y(r.top())), QPoint(x(r.right() + 1) - 1, y(r.bottom() + 1) - 1))
                                     .translated(origin_));
    }
    for (BadgeLabel* badge : badges_)
        if (!badge->isHidden())
            badge->move(badgePlace(badge));
}

QPoint SchemePanel::badgePlace(const BadgeLabel* badge) const
{
    const QPoint page = badge->property("rightCentre").toPoint();
    const QPoint at(static_cast<int>(std::lround(page.x() * scaleX_)), static_cast<int>(std::lround(page.y() * scaleY_)));
    return at + origin_ - QPoint(badge->width(), badge->height() / 2);
}

void SchemePanel::buildOptions()
{
    const SchemeStyle& table = SchemeStyles::style(style_);
    const int optionsWidth = SchemeLayouts::forPanel(table.panel).optionsWidth;

    auto* frame = new QFrame(this);
    optionFrame_ = frame;
    frame->setObjectName(ToQString(table.optionFrame));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(kWidth - kMargin - optionsWidth, kMargin, optionsWidth, kHeight - 2 * kMargin);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(4, 3, 3, 3);
    column->setSpacing(0);
    column->addStretch(1);

    // Buttons of a sub-frame stand side by side under its caption.
    std::map<std::string, QHBoxLayout*> groups;
    for (std::size_t i = 0; i < table.elements.size(); ++i) {
        const SchemeElement& element = table.elements[i];
        QBoxLayout* into = column;
        QWidget* owner = frame;
        if (!element.groupFrame.empty()) {
            auto found = groups.find(element.groupFrame);
            if (found == groups.end()) {
                auto* box = new QGroupBox(ToQString(element.groupCaption), frame);
                box->setObjectName(ToQString(element.groupFrame));
                auto* inner = new QHBoxLayout(box);
                inner->setContentsMargins(5, 0, 2, 1);
                inner->setSpacing(4);
                column->addWidget(box);
                column->addSpacing(3);
                found = groups.emplace(element.groupFrame, inner).first;
            }
            into = found->second;
            owner = found->second->parentWidget();
        }
        auto* button = new QRadioButton(ToQString(element.caption), owner);
        button->setObjectName(ToQString(element.optionName));
        button->setProperty("contrastFails", false);
        if (!element.toolTip.empty())
            button->setToolTip(ToQString(element.toolTip));
        into->addWidget(button);
        group_->addButton(button, static_cast<int>(i));
        options_.push_back(button);
    }
    for (auto& group : groups)
        group.second->addStretch(1);
    column->addStretch(1);
}

void SchemePanel::buildSamples()
{
    const SchemeStyle& table = SchemeStyles::style(style_);
    const PanelLayout& layout = SchemeLayouts::forPanel(table.panel);
    const QRect content = pageRect().adjusted(1, kPageBar + 1, -1, -1);

    // The samples sit on their own frame where the style has one, else on the panel itself.
    QWidget* holder = this;
    QPoint origin = content.topLeft();
    if (!table.sampleFrame.empty()) {
        holder = new QWidget(this);
        holder->setObjectName(ToQString(table.sampleFrame));
        holder->setGeometry(content);
        origin = QPoint(0, 0);
    }
    sampleHolder_ = holder;
    origin_ = origin;

    samples_.assign(table.samples.size(), nullptr);
    designedRects_.assign(table.samples.size(), QRect());
    auto place = [&](const SampleGeometry& row) {
        const auto index = table.sampleIndex(row.name);
        if (!index || samples_[*index])
            return;
        SampleGeometry at = row;
        designedRects_[*index] = row.rect;
        at.rect.translate(origin);
        auto* sample = new SchemeSample(at, filter_, holder);
        samples_[*index] = sample;
        connect(sample, &SchemeSample::released, this,
                [this, sample](Qt::MouseButton button, const QPoint& globalPos) { sampleReleased(sample, button, globalPos); });
        connect(sample, &SchemeSample::clicked, this, [this, sample] { sampleClicked(sample); });
        connect(sample, &SchemeSample::dragRequested, this, [this, sample] { emit sampleDragged(sample); });
    };
    for (const SampleGeometry& row : layout.samples)
        place(row);
    // A sample the layout does not place still exists, without a place on the page.
    for (std::size_t i = 0; i < table.samples.size(); ++i) {
        if (!samples_[i]) {
            const SampleGeometry hidden{table.samples[i].name.c_str(), QRect()};
            place(hidden);
            samples_[i]->hide();
        }
    }
    buildBadges(holder);
}

void SchemePanel::buildBadges(QWidget* holder)
{
    const SchemeStyle& table = SchemeStyles::style(style_);
    const PanelLayout& layout = SchemeLayouts::forPanel(table.panel);
    QFont small = font();
    small.setPointSizeF(6.5);
    small.setBold(true);
    for (const ContrastPair& pair : table.contrastPairs) {
        auto* badge = new BadgeLabel(holder);
        badge->setObjectName(ToQString("lblContrast" + pair.name));
        badge->setFont(small);
        badge->setAlignment(Qt::AlignCenter);
        // A mark on the page: the samples beneath take the clicks.
        badge->setAttribute(Qt::WA_TransparentForMouseEvents);
        badge->hide();
        for (const BadgePlace& place : layout.badges)
            if (pair.name == place.pair) {
                badge->setProperty("rightCentre", place.rightCentre);
                badge->show();
            }
        badges_.push_back(badge);
    }
}

std::optional<std::size_t> SchemePanel::selectedElement() const
{
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i]->isChecked())
            return i;
    }
    return std::nullopt;
}

void SchemePanel::selectElement(std::size_t element)
{
    if (element < options_.size())
        options_[element]->setChecked(true);
}

void SchemePanel::setOptionsEnabled(bool enabled)
{
    for (QRadioButton* button : options_)
        button->setEnabled(enabled);
}

void SchemePanel::showLooks(const SchemeState& state)
{
    const std::vector<SampleLook>& looks = state.looks(style_);
    for (std::size_t i = 0; i < samples_.size() && i < looks.size(); ++i) {
        const SampleLook& look = looks[i];
        samples_[i]->showLook(look.backColor, look.foreColor, look.borderColor, ToQString(look.caption));
    }
    showContrast(state);
}

void SchemePanel::showContrast(const SchemeState& state)
{
    const std::vector<PairContrast> pairs = SchemeContrast(state, style_);
    for (std::size_t i = 0; i < pairs.size() && i < badges_.size(); ++i) {
        const PairContrast& c = pairs[i];
        BadgeLabel* badge = badges_[i];
        badge->setText(ToQString(RatioText(c.ratio, 1) + " " + ContrastMark(c)));
        badge->setProperty("passes", c.passesAA);
        badge->setBadgeColor(c.passesAA ? QColor(0x1e, 0x6b, 0x34) : QColor(0xb3, 0x14, 0x1e));
        badge->adjustSize();
        badge->move(badgePlace(badge));
        badge->raise();
    }
    const std::vector<bool> failing = FailingElements(state, style_);
    for (std::size_t i = 0; i < options_.size() && i < failing.size(); ++i) {
        if (options_[i]->property("contrastFails").toBool() != failing[i])
            showFlag(options_[i], failing[i]);
    }
}

void SchemePanel::sampleReleased(SchemeSample* sample, Qt::MouseButton button, const QPoint& globalPos)
{
    if (button == Qt::RightButton) {
        emit popupRequested(globalPos);
        return;
    }
    const auto pick = SchemeStyles::style(style_).findPick(ToStdString(sample->objectName()));
    if (pick && pick->pick->trigger == PickTrigger::ButtonRelease)
        emit samplePicked(sample->objectName());
}

void SchemePanel::sampleClicked(SchemeSample* sample)
{
    const auto pick = SchemeStyles::style(style_).findPick(ToStdString(sample->objectName()));
    if (pick && pick->pick->trigger == PickTrigger::PrimaryClick)
        emit samplePicked(sample->objectName());
}

void SchemePanel::paintEvent(QPaintEvent*)
{
    // A small browser window around the mock-up: a bar with three dots and an address field.
    QPainter p(this);
    const QRect page = pageRect();
    p.fillRect(page, Qt::white);
    const QRect bar(page.left() + 1, page.top() + 1, page.width() - 2, kPageBar);
    QLinearGradient shade(bar.topLeft(), bar.bottomLeft());
    shade.setColorAt(0, QColor(244, 244, 244));
    shade.setColorAt(1, QColor(218, 218, 218));
    p.fillRect(bar, shade);
    p.setPen(QColor(150, 150, 150));
    p.drawRect(page.adjusted(0, 0, -1, -1));
    p.drawLine(bar.bottomLeft(), bar.bottomRight());

    p.setRenderHint(QPainter::Antialiasing);
    const QColor dots[] = {QColor(236, 95, 87), QColor(245, 189, 46), QColor(40, 200, 64)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(dots[i]);
        p.drawEllipse(QPointF(bar.left() + 6.5 + i * 7, bar.center().y() + 0.5), 2.5, 2.5);
    }
    p.setPen(QColor(175, 175, 175));
    p.setBrush(Qt::white);
    const QRectF address(bar.left() + 28.5, bar.top() + 2.5, bar.width() - 35, bar.height() - 5);
    p.drawRoundedRect(address, 2, 2);
    // A simulated page says so where a browser shows where it is.
    if (filter_ && filter_->simulating()) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(122, 31, 162));
        p.drawRoundedRect(address, 2, 2);
        QFont tiny = font();
        tiny.setPixelSize(8);
        p.setFont(tiny);
        p.setPen(Qt::white);
        p.drawText(address.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, filter_->banner(true));
    }
}

} // namespace prismara
