// schemedesigner.cpp - the web colour scheme designer.
#include "ui/scheme/schemedesigner.h"

#include "widgets/colorhub.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "ui/scheme/frmcss.h"
#include "ui/scheme/frmshowweb.h"
#include "core/scheme/schemecode.h"
#include "core/scheme/schemefiles.h"
#include "ui/scheme/schemepanel.h"
#include "widgets/badgelabel.h"
#include "ui/scheme/schemesample.h"
#include "widgets/colordrag.h"
#include "core/scheme/schemestyles.h"
#include "widgets/displayfilter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>
#include <string_view>

namespace prismara {

namespace {
// Designed places inside the designer (the window's designed positions less 200 pixels).
constexpr int kTabTop = 4;
constexpr QPoint kPanels(4, 31);
constexpr QRect kSchemeToolbar(356, 33, 36, 173);
constexpr QRect kSchemeList(396, 33, 156, 150);
constexpr QRect kDeleteButton(396, 186, 156, 23);
constexpr QRect kLockBox(396, 212, 156, 19);
constexpr int kPaneBottom = 236;
constexpr QSize kDesignedSize(560, 240);

// The pop-up entries that only the Web Links Color samples offer.
constexpr std::string_view kWebLinksOnlyEntries[] = {"mnuViewCode",     "pop1sep1", "mnuCopyInline", "mnuCopyHtml",
                                                      "mnuCopyExternal", "pop1sep2", "mnuShowweb"};

// A colour-scheme sheet: three stripes of colour on a page.
void drawSheet(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const QColor stripes[] = {QColor(52, 120, 220), QColor(235, 150, 40), QColor(60, 170, 90)};
    const qreal h = (r.height() - 4) / 3;
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(r.left() + 2, r.top() + 2 + i * h, r.width() - 4, h - 1), stripes[i]);
}

QIcon schemeToolbarIcon(const QString& tag)
{
    QPixmap pix(20, 20);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (tag.startsWith("FixContrast")) {
        // Dark and light halves with the level on them.
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(QColor(250, 250, 250));
        p.drawRoundedRect(QRectF(1.5, 3.5, 17, 13), 2, 2);
        p.fillRect(QRectF(2, 4, 8, 12), QColor(25, 25, 25));
        QFont f = p.font();
        f.setPixelSize(tag.endsWith("AAA") ? 6 : 8);
        f.setBold(true);
        p.setFont(f);
        const QString level = tag.endsWith("AAA") ? "AAA" : "AA";
        p.setPen(QColor(200, 30, 30));
        p.drawText(QRectF(1, 3, 18, 14), Qt::AlignCenter, level);
    } else if (tag == "SaveScheme") {
        // A diskette with a colour-striped label.
        QPainterPath body;
        body.moveTo(2.5, 2.5);
        body.lineTo(15.5, 2.5);
        body.lineTo(17.5, 4.5);
        body.lineTo(17.5, 17.5);
        body.lineTo(2.5, 17.5);
        body.closeSubpath();
        p.setPen(QPen(QColor(30, 50, 90), 1));
        p.setBrush(QColor(60, 95, 160));
        p.drawPath(body);
        p.setBrush(QColor(215, 220, 228));
        p.drawRect(QRectF(6.5, 2.5, 7, 5));
        p.fillRect(QRectF(10.5, 3.5, 2, 3), QColor(60, 95, 160));
        drawSheet(p, QRectF(5.5, 10.5, 9, 7));
    } else {
        // A colour sheet struck out in red.
        drawSheet(p, QRectF(3.5, 2.5, 11, 15));
        p.setPen(QPen(QColor(210, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 9), QPointF(17, 17));
        p.drawLine(QPointF(17, 9), QPointF(9, 17));
    }
    return QIcon(pix);
}
} // namespace

SchemeDesigner::SchemeDesigner(ColorHub& hub, QMenu* popup, QWidget* parent)
    : QWidget(parent), hub_(hub), popup_(popup)
{
    setObjectName("fraSchemeDesigner");
    buildTabs();
    buildSchemeCommands();
    wirePopup();
    refresh(SchemeStyles::kWebLinks);
}

SchemeDesigner::~SchemeDesigner()
{
    // While the children go, their focus and selection changes must not reach the designer.
    lstCorset_->removeEventFilter(this);
    cmdDelItem_->removeEventFilter(this);
    disconnect(lstCorset_, nullptr, this, nullptr);
}

void SchemeDesigner::buildTabs()
{
    // The pane under the tabs holds the panels and the saved-scheme commands.
    auto* pane = new QFrame(this);
    pane_ = pane;
    pane->setObjectName("fraSchemePane");
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setFrameShadow(QFrame::Raised);

    tabColor_ = new QTabBar(this);
    tabColor_->setObjectName("tabColor");
    tabColor_->setExpanding(false);
    tabColor_->setDrawBase(false);
    // Clicking a tab takes the focus, so the saved-scheme list loses its selection.
    tabColor_->setFocusPolicy(Qt::StrongFocus);
    for (const SchemeStyle& style : SchemeStyles::all())
        tabColor_->addTab(ToQString(style.caption));
    const QSize tabs = tabColor_->sizeHint();
    tabColor_->setGeometry(2, kTabTop, tabs.width(), tabs.height());
    const int paneTop = kTabTop + tabs.height() - 1;
    pane->setGeometry(2, paneTop, 556, kPaneBottom - paneTop);
    tabColor_->raise();

    // The first style's panel is on view from the start; the others are built when first shown.
    panels_.assign(SchemeStyles::all().size(), nullptr);
    panel(SchemeStyles::kWebLinks);
    connect(tabColor_, &QTabBar::currentChanged, this, [this] { switchStyle(); });
    connect(&hub_.displayFilter(), &DisplayFilter::changed, this, [this] { updateVisionWarning(); });
}

SchemePanel* SchemeDesigner::panel(std::size_t style)
{
    if (SchemePanel* built = panels_.at(style))
        return built;
    auto* panel = new SchemePanel(style, &hub_.displayFilter(), this);
    panel->move(kPanels);
    if (panelSize_.isValid())
        panel->resize(panelSize_);
    panel->setVisible(false);
    panel->setOptionsEnabled(!locked_);
    panel->showLooks(state_);
    connect(panel, &SchemePanel::samplePicked, this, [this, panel](const QString& sample) { samplePicked(panel, sample); });
    connect(panel, &SchemePanel::popupRequested, this, [this, panel](const QPoint& globalPos) {
        showPopup(SchemeStyles::style(panel->style()).fullPopupMenu, globalPos);
    });
    connect(panel, &SchemePanel::elementSelected, this, [this] { updateFixCommands(); });
    takeSampleDrops(panel);
    panels_[style] = panel;
    return panel;
}

void SchemeDesigner::buildSchemeCommands()
{
    picSchemeTbar_ = new QWidget(this);
    picSchemeTbar_->setObjectName("picSchemeTbar");
    picSchemeTbar_->setGeometry(kSchemeToolbar);
    tlbColorScheme_ = new QToolBar(picSchemeTbar_);
    tlbColorScheme_->setObjectName("tlbColorScheme");
    tlbColorScheme_->setOrientation(Qt::Vertical);
    tlbColorScheme_->setMovable(false);
    tlbColorScheme_->setIconSize(QSize(20, 20));
    tlbColorScheme_->setGeometry(0, 0, kSchemeToolbar.width(), kSchemeToolbar.height());
    struct Button
    {
        const char* tag;
        const char* toolTip;
    };
    const Button buttons[] = {
        {"SaveScheme", "Save Current Color Scheme"},
        {"DelScheme", "Delete Selected Color Scheme"},
        {"", ""},
        {"FixContrastAA", "Fix Contrast (AA): move the selected element's lightness until its text reads at "
                          "4.5:1 (shapes 3:1)"},
        {"FixContrastAAA", "Fix Contrast (AAA): move the selected element's lightness until its text reads at "
                           "7:1 (shapes 3:1)"},
    };
    for (const Button& b : buttons) {
        if (!*b.tag) {
            tlbColorScheme_->addSeparator()->setObjectName("schemesep1");
            continue;
        }
        QAction* a = tlbColorScheme_->addAction(schemeToolbarIcon(b.tag), QString());
        a->setObjectName(b.tag);
        a->setProperty("toolbarTag", QString::fromLatin1(b.tag));
        a->setToolTip(b.toolTip);
        if (QWidget* button = tlbColorScheme_->widgetForAction(a)) {
            button->setObjectName(b.tag);
            // The list keeps its selection while a toolbar button is used.
            button->setFocusPolicy(Qt::NoFocus);
        }
    }
    saveButton_ = tlbColorScheme_->actions().at(0);
    deleteButton_ = tlbColorScheme_->actions().at(1);
    fixAaButton_ = tlbColorScheme_->actions().at(3);
    fixAaaButton_ = tlbColorScheme_->actions().at(4);
    connect(tlbColorScheme_, &QToolBar::actionTriggered, this, [this](QAction* button) {
        const QString tag = button->property("toolbarTag").toString();
        if (tag == "SaveScheme")
            SaveColorScheme();
        else if (tag == "DelScheme")
            deleteRememberedScheme();
        else if (tag == "FixContrastAA")
            fixContrast(ContrastLevel::AA);
        else if (tag == "FixContrastAAA")
            fixContrast(ContrastLevel::AAA);
    });

    lstCorset_ = new QListWidget(this);
    lstCorset_->setObjectName("lstCorset");
    lstCorset_->setGeometry(kSchemeList);
    lstCorset_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCorset_->installEventFilter(this);
    connect(lstCorset_, &QListWidget::itemSelectionChanged, this, [this] { schemeSelected(); });

    cmdDelItem_ = new QPushButton("Delete This Scheme", this);
    cmdDelItem_->setObjectName("cmdDelItem");
    cmdDelItem_->setGeometry(kDeleteButton);
    cmdDelItem_->installEventFilter(this);
    connect(cmdDelItem_, &QPushButton::clicked, this, [this] { deleteRememberedScheme(); });

    chkPause_ = new QCheckBox("Lock", this);
    chkPause_->setObjectName("chkPause");
    // Only the box and its caption take clicks; the box is no wider than they are.
    chkPause_->setGeometry(kLockBox.left(), kLockBox.top(), chkPause_->sizeHint().width(), kLockBox.height());
    connect(chkPause_, &QCheckBox::toggled, this, [this](bool checked) { lock(checked); });

    // Beside the Lock box, while the simulation makes colours of the scheme look alike.
    lblVisionWarning_ = new BadgeLabel(this);
    lblVisionWarning_->setObjectName("lblVisionWarning");
    const int warningLeft = chkPause_->geometry().right() + 6;
    lblVisionWarning_->setGeometry(warningLeft, kLockBox.top(), kLockBox.right() + 1 - warningLeft, kLockBox.height());
    lblVisionWarning_->setBadgeColor(QColor(0x7a, 0x1f, 0xa2));
    lblVisionWarning_->hide();

    setDeleteEnabled(false);
    updateFixCommands();
}

void SchemeDesigner::wirePopup()
{
    auto on = [this](const char* name, auto&& command) {
        if (QAction* a = hub_.action(QString::fromLatin1(name)))
            connect(a, &QAction::triggered, this, command);
    };
    auto copy = [this](std::string SchemeCode::*text) {
        const SchemeCode code = SchemeCode::fromState(state_);
        hub_.platform().clearClipboard();
        hub_.platform().setClipboardText(ToQString(code.*text));
    };
    on("mnuSaveScheme", [this] { SaveColorScheme(); });
    on("mnuViewCode", [this] { FrmCss::showCode(hub_.platform(), state_, hub_.mainWindow()); });
    on("mnuCopyHtml", [copy] { copy(&SchemeCode::html); });
    on("mnuCopyInline", [copy] { copy(&SchemeCode::inlineCss); });
    on("mnuCopyExternal", [copy] { copy(&SchemeCode::externalCss); });
    on("mnuShowweb", [this] {
        FrmShowweb::showPreview(hub_.platform(), state_, hub_.mainWindow());
        hub_.mainWindow()->activateWindow();
    });
}

void SchemeDesigner::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!lblVisionWarning_)
        return;
    const int extraWidth = std::max(0, width() - kDesignedSize.width());
    const int extraHeight = std::max(0, height() - kDesignedSize.height());
    // The page as designed: the panels are all as wide.
    SchemePanel* first = panel(SchemeStyles::kWebLinks);
    const int pageWidth = first->pageRect().width() - (first->width() - SchemePanel::kWidth);
    const int panelExtra = std::min(extraWidth, pageWidth * extraHeight / SchemePanel::kHeight);
    const int listExtra = extraWidth - panelExtra;
    pane_->resize(556 + extraWidth, kPaneBottom - pane_->y() + extraHeight);
    panelSize_ = QSize(SchemePanel::kWidth + panelExtra, SchemePanel::kHeight + extraHeight);
    for (SchemePanel* panel : panels_)
        if (panel)
            panel->resize(panelSize_);
    picSchemeTbar_->move(kSchemeToolbar.left() + panelExtra, kSchemeToolbar.top());
    lstCorset_->setGeometry(kSchemeList.adjusted(panelExtra, 0, panelExtra + listExtra, extraHeight));
    cmdDelItem_->setGeometry(kDeleteButton.translated(panelExtra, extraHeight).adjusted(0, 0, listExtra, 0));
    chkPause_->move(kLockBox.left() + panelExtra, kLockBox.top() + extraHeight);
    const int warningLeft = chkPause_->geometry().right() + 6;
    lblVisionWarning_->setGeometry(warningLeft, chkPause_->y(), kLockBox.right() + 1 + panelExtra + listExtra - warningLeft,
                                   kLockBox.height());
}

void SchemeDesigner::setUpPanels()
{
    // The first style's panel is on view; the others lie hidden at the same place.
    for (std::size_t style = 0; style < panels_.size(); ++style) {
        if (panels_[style]) {
            panels_[style]->move(kPanels);
            panels_[style]->setVisible(style == SchemeStyles::kWebLinks);
        }
    }
}

void SchemeDesigner::fillSavedSchemes()
{
    fillList(SchemeStyles::kWebLinks);
    // Selecting the first entry loads it; an empty list leaves nothing selected.
    if (lstCorset_->count() > 0)
        lstCorset_->setCurrentRow(0);
}

std::size_t SchemeDesigner::visibleStyle() const
{
    const QString caption = tabColor_->tabText(tabColor_->currentIndex());
    return SchemeStyles::indexOf(ToStdString(caption)).value_or(SchemeStyles::kWebLinks);
}

int SchemeDesigner::tabStripHeight() const { return kPaneBottom - kTabTop; }

void SchemeDesigner::HtmlColor(ColorValue color)
{
    if (hub_.paletteOnly() || chkPause_->isChecked())
        return;
    const std::size_t style = visibleStyle();
    const auto element = panel(style)->selectedElement();
    if (!element)
        return;
    state_.applyColor(style, *element, color);
    refresh(style);
}

void SchemeDesigner::ClearSchemeSelection()
{
    fillingList_ = true;
    lstCorset_->clearSelection();
    fillingList_ = false;
    setDeleteEnabled(false);
}

void SchemeDesigner::setDeleteEnabled(bool enabled)
{
    cmdDelItem_->setEnabled(enabled);
    deleteButton_->setEnabled(enabled);
}

void SchemeDesigner::lock(bool locked)
{
    locked_ = locked;
    for (SchemePanel* panel : panels_)
        if (panel)
            panel->setOptionsEnabled(!locked);
}

void SchemeDesigner::refresh(std::size_t style)
{
    // A panel not built yet shows the state when it is.
    if (SchemePanel* built = panels_.at(style))
        built->showLooks(state_);
    if (style == visibleStyle())
        updateVisionWarning();
}

void SchemeDesigner::updateFixCommands()
{
    if (!fixAaButton_)
        return;
    const std::size_t style = visibleStyle();
    const auto element = panel(style)->selectedElement();
    const bool enabled = element && ElementHasPairs(style, *element);
    fixAaButton_->setEnabled(enabled);
    fixAaaButton_->setEnabled(enabled);
}

void SchemeDesigner::updateVisionWarning()
{
    if (!lblVisionWarning_)
        return;
    const std::optional<Deficiency> deficiency = hub_.displayFilter().deficiency();
    const std::size_t style = visibleStyle();
    const std::vector<SchemeConfusion> confusions =
        deficiency ? SchemeConfusions(state_, style, *deficiency) : std::vector<SchemeConfusion>{};
    lblVisionWarning_->setVisible(!confusions.empty());
    if (confusions.empty())
        return;
    const QString what = confusions.size() == 1 ? QString("Look alike") : QString("%1 pairs alike").arg(confusions.size());
    lblVisionWarning_->setText(QString::fromUtf8("\u26A0 ") + what);
    lblVisionWarning_->setToolTip(ToQString(ConfusionText(SchemeStyles::style(style), confusions, *deficiency)));
}

void SchemeDesigner::fixContrast(ContrastLevel level)
{
    const std::size_t style = visibleStyle();
    const auto element = panel(style)->selectedElement();
    if (!element || !ElementHasPairs(style, *element))
        return;
    const std::optional<ColorValue> fixed = FixElementContrast(state_, style, *element, level);
    if (!fixed) {
        const SchemeElement& e = SchemeStyles::style(style).elements[*element];
        hub_.platform().showError(hub_.mainWindow(), "Fix Contrast",
                                  QString("No lightness of %1 reads at %2 against the colors around it.")
                                      .arg(ToQString(ElementLabel(e)), level == ContrastLevel::AA ? "AA" : "AAA"));
        return;
    }
    state_.applyColor(style, *element, *fixed);
    refresh(style);
    // The fixed colour is the current colour, as if picked from the sample.
    hub_.CurrentColorChanged(*fixed, WriteRecent::Yes);
}

SchemeFiles SchemeDesigner::filesOf(std::size_t style) const
{
    return SchemeFiles(hub_.platform().programFolderPath(), style);
}

void SchemeDesigner::switchStyle()
{
    const std::size_t style = visibleStyle();
    fillList(style);
    panel(style);
    for (std::size_t i = 0; i < panels_.size(); ++i)
        if (panels_[i])
            panels_[i]->setVisible(i == style);
    updateFixCommands();
    updateVisionWarning();
}

void SchemeDesigner::fillList(std::size_t style)
{
    fillingList_ = true;
    lstCorset_->clear();
    for (const std::string& name : filesOf(style).names())
        lstCorset_->addItem(ToQString(name));
    fillingList_ = false;
}

void SchemeDesigner::reloadList(std::size_t style)
{
    fillList(style);
    setDeleteEnabled(false);
}

void SchemeDesigner::schemeSelected()
{
    if (fillingList_)
        return;
    const QList<QListWidgetItem*> selected = lstCorset_->selectedItems();
    if (selected.isEmpty())
        return;
    const int position = lstCorset_->row(selected.first());
    hub_.dropPaletteSelection();
    // The first scheme of a list can never be deleted.
    setDeleteEnabled(position >= 1);
    selSchemeIndex_ = position;
    const std::size_t style = visibleStyle();
    if (const auto record = filesOf(style).readRecord(static_cast<std::size_t>(position) + 1))
        state_.loadRecord(style, *record);
    refresh(style);
}

void SchemeDesigner::samplePicked(SchemePanel* panel, const QString& sample)
{
    const auto pick = state_.pickColor(panel->style(), ToStdString(sample));
    if (!pick)
        return;
    panel->selectElement(pick->element);
    hub_.CurrentColorChanged(pick->color, WriteRecent::Yes);
}

void SchemeDesigner::takeSampleDrops(SchemePanel* panel)
{
    connect(panel, &SchemePanel::sampleDragged, this, [this, panel](SchemeSample* sample) { dragSample(panel, sample); });
    for (SchemeSample* sample : panel->samples()) {
        new ColorDropTarget(
            sample, hub_,
            [this, panel, sample](ColorValue color, QPoint) { paintDroppedColor(panel, sample->objectName(), color); },
            [this, panel, sample](QPoint, const QObject*) { return sampleDropRefusal(panel, sample->objectName()); });
    }
}

void SchemeDesigner::dragSample(SchemePanel* panel, SchemeSample* sample)
{
    const auto pick = state_.pickColor(panel->style(), ToStdString(sample->objectName()));
    StartColorDrag(sample, pick ? pick->color : sample->backColor());
}

QString SchemeDesigner::sampleDropRefusal(const SchemePanel* panel, const QString& sample) const
{
    if (chkPause_->isChecked())
        return QStringLiteral("The scheme is locked: untick Lock to paint it.");
    if (!state_.pickColor(panel->style(), ToStdString(sample)))
        return QStringLiteral("This part of the page takes no colour.");
    return {};
}

void SchemeDesigner::paintDroppedColor(SchemePanel* panel, const QString& sample, ColorValue color)
{
    if (!sampleDropRefusal(panel, sample).isEmpty())
        return;
    const auto pick = state_.pickColor(panel->style(), ToStdString(sample));
    panel->selectElement(pick->element);
    state_.applyColor(panel->style(), pick->element, color);
    refresh(panel->style());
}

void SchemeDesigner::showPopup(bool allEntries, const QPoint& globalPos)
{
    if (!popup_)
        return;
    auto setShown = [this](bool shown) {
        for (std::string_view name : kWebLinksOnlyEntries) {
            if (QAction* a = hub_.action(ToQString(name)))
                a->setVisible(shown);
        }
    };
    if (!allEntries)
        setShown(false);
    popup_->exec(globalPos);
    // The next pop-up starts complete.
    setShown(true);
}

void SchemeDesigner::SaveColorScheme()
{
    const std::size_t style = visibleStyle();
    const QString answer =
        hub_.platform().inputText(hub_.mainWindow(), "Save This Color Scheme", "Save this color scheme as:");
    const auto name = SchemeFiles::nameFromAnswer(ToStdString(answer));
    if (!name)
        return;
    fillingList_ = true;
    lstCorset_->addItem(ToQString(*name));
    fillingList_ = false;
    const SchemeFileResult result = filesOf(style).save(*name, state_.sourceColors(style));
    if (!result.ok()) {
        reportFailure("Save This Color Scheme", "saved", result);
        reloadList(style);
    }
}

void SchemeDesigner::deleteRememberedScheme()
{
    // The first scheme stays; the commands are never enabled for it.
    if (selSchemeIndex_ < 1 || selSchemeIndex_ >= lstCorset_->count())
        return;
    const QString name = lstCorset_->item(selSchemeIndex_)->text();
    const QString question = QString("Are you sure you want to delete color scheme \"%1\"?").arg(name);
    if (!hub_.platform().askYesNo(hub_.mainWindow(), question, "Delete a color scheme"))
        return;
    fillingList_ = true;
    delete lstCorset_->takeItem(selSchemeIndex_);
    lstCorset_->clearSelection();
    fillingList_ = false;
    setDeleteEnabled(false);
    const std::size_t style = visibleStyle();
    const SchemeFileResult result = filesOf(style).remove(static_cast<std::size_t>(selSchemeIndex_));
    if (!result.ok()) {
        reportFailure("Delete a color scheme", "deleted", result);
        reloadList(style);
    }
}

void SchemeDesigner::reportFailure(const QString& title, const QString& what, const SchemeFileResult& result)
{
    const QString file = PathToQString(result.file);
    const QString reason = result.reason.empty() ? QString() : ": " + ToQString(result.reason);
    hub_.platform().showError(hub_.mainWindow(), title,
                              QString("The color scheme could not be %1: the file \"%2\" could not be written%3.")
                                  .arg(what, file, reason));
}

bool SchemeDesigner::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the list clears its selection. The list and its delete button count as one place,
    // so that a click on the enabled button still reaches it and deletes the remembered scheme.
    if (event->type() == QEvent::FocusOut && (watched == lstCorset_ || watched == cmdDelItem_)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* next = QApplication::focusWidget();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next != lstCorset_ &&
            next != cmdDelItem_)
            ClearSchemeSelection();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace prismara
