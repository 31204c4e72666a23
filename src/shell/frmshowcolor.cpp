// frmshowcolor.cpp - the main window: build order, the colour hub, window commands, shutdown.
#include "shell/frmshowcolor.h"

#include "core/app/appinfo.h"
#include "core/app/datafilecheck.h"
#include "core/scheme/schemefiles.h"
#include "widgets/badgelabel.h"
#include "widgets/colordrag.h"
#include "widgets/colorswatch.h"
#include "ui/editors/currentcoloreditors.h"
#include "ui/help/frmhelp.h"
#include "shell/frmabout.h"
#include "widgets/menutable.h"
#include "shell/toolbaricons.h"
#include "core/app/twips.h"
#include "core/app/windowposition.h"
#include "core/access/cvd.h"
#include "core/colour/notations.h"
#include "ui/convert/conversionpanel.h"
#include "shell/palettetools.h"
#include "ui/palette/paletteview.h"
#include "core/files/fileio.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"
#include "platform/qtplatform.h"
#include "platform/settings.h"
#include "ui/scheme/schemedesigner.h"
#include "ui/wheel/colorwheelframe.h"
#include "widgets/desktoppalette.h"
#include "widgets/displayfilter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <cctype>

namespace prismara {

namespace {
// Designed geometry of the main window's regions, in pixels (designed in twips, 15 to a pixel).
constexpr QRect kToolbar(0, 0, 560, 26);
constexpr QRect kChartSelector(273, 2, 268, 22);
constexpr QSize kToolButton(23, 23);
constexpr QPoint kWheelFrame(2, 27);
constexpr QPoint kSwatch(129, 27);
constexpr QPoint kPaletteGrid(233, 25); // the grid's first cell sits 2 pixels in
constexpr QRect kConverter(229, 26, 271, 170);
constexpr int kDesignerTop = 200;
constexpr int kDesignerHeight = 240;
// The palette grid's designed area (its cells and the frame's reach round them).
constexpr QSize kPaletteArea(311, 173);
// The page position sits under the editors, this far below them.
constexpr int kPageLabelGap = 2;
// Extra height of the wheel row from which the wheel frame also widens for the harmony
// swatches beside the wheel.
constexpr int kHarmonyBesideFrom = 64;

// The editors' texts, and the current colour for the CSS notations.
EditorTexts notationTexts(const EditorSnapshot& e, ColorValue color)
{
    return {ToStdString(e.rgb),      ToStdString(e.hex),     ToStdString(e.redHex),
            ToStdString(e.greenHex), ToStdString(e.blueHex), color};
}
} // namespace

FrmShowColor::FrmShowColor(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName("frmshowcolor");
    // The window is laid out to a fixed design; a compact font keeps every text inside it.
    QFont compact = font();
    compact.setPointSizeF(8.0);
    setFont(compact);
    central_ = new QWidget(this);
    central_->setObjectName("centralWidget");
    setCentralWidget(central_);
    // Before the components: they paint through it.
    filter_ = new DisplayFilter(this);

    buildMenus();
    buildToolbar();

    editors_ = new CurrentColorEditors(*this, central_);
    editors_->move(kSwatch);
    wheel_ = new ColorWheelFrame(*this, central_);
    wheel_->move(kWheelFrame);
    palette_ = new PaletteView(*this, central_);
    palette_->move(kPaletteGrid);
    palette_->chartSelector()->setParent(central_);
    palette_->chartSelector()->setGeometry(kChartSelector);
    palette_->pageLabel()->setParent(central_);
    // The conversion panel is built when first opened.
    scheme_ = new SchemeDesigner(*this, menus_.value("mnuHtmlPop1"), central_);
    scheme_->setGeometry(0, kDesignerTop, kToolbar.width(), kDesignerHeight);

    wireCommands();
    // Palette files dropped anywhere else on the window are imported too.
    new ColorDropTarget(this, *this);
    // The screen picker and the colour information page.
    new PaletteTools(*this, this);
    build();
}

ConversionPanel* FrmShowColor::converter()
{
    if (!converter_) {
        converter_ = new ConversionPanel(*this, central_);
        converter_->setGeometry(kConverter.translated(converterOffset_));
    }
    return converter_;
}

FrmShowColor::~FrmShowColor()
{
    // Hiding the children during destruction moves the focus; nothing may reach the hub then.
    editors_->detach();
    delete help_;
}

QAction* FrmShowColor::addMenuEntry(QWidget* parentMenu, const MenuEntry& entry)
{
    QAction* action = nullptr;
    const QString name = ToQString(entry.name);
    const QString caption = ToQString(entry.caption);
    if (entry.kind == MenuKind::Menu || entry.kind == MenuKind::Submenu) {
        auto* m = new QMenu(caption, parentMenu);
        m->setObjectName(name);
        menus_.insert(name, m);
        action = m->menuAction();
        if (parentMenu)
            parentMenu->addAction(action);
    } else {
        // A separator has no text: some styles draw a separator's text as a section heading.
        const bool separator = entry.kind == MenuKind::Separator;
        action = new QAction(separator ? QString() : caption, parentMenu ? static_cast<QObject*>(parentMenu) : this);
        action->setSeparator(separator);
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checked);
        if (parentMenu)
            parentMenu->addAction(action);
    }
    for (const MenuShortcut& shortcut : kMenuShortcuts) {
        if (shortcut.entry != entry.name)
            continue;
        if (shortcut.standardKey != QKeySequence::UnknownKey)
            action->setShortcuts(shortcut.standardKey);
        if (action->shortcuts().isEmpty() && !shortcut.keys.empty())
            action->setShortcut(QKeySequence(ToQString(shortcut.keys), QKeySequence::PortableText));
    }
    action->setObjectName(name);
    action->setVisible(!entry.hidden);
    action->setEnabled(!entry.disabled);
    actions_.insert(name, action);
    return action;
}

void FrmShowColor::buildMenus()
{
    auto build = [this](std::span<const MenuEntry> table, bool inMenuBar) {
        for (const MenuEntry& entry : table) {
            QWidget* parentMenu = entry.parent.empty() ? nullptr : menus_.value(ToQString(entry.parent));
            if (entry.kind == MenuKind::CopySubmenus) {
                addCopySubmenus(parentMenu);
                continue;
            }
            if (entry.kind == MenuKind::VisionChoices) {
                addVisionChoices(parentMenu);
                continue;
            }
            if (entry.kind == MenuKind::TextPaletteFormats) {
                for (const PaletteFormat& format : PaletteFormats())
                    if (OffersCopyPaletteAs(format))
                        addMenuEntry(parentMenu, {CopyPaletteEntryName(format), CopyPaletteEntryCaption(format),
                                                  entry.parent, MenuKind::Item});
                continue;
            }
            QAction* a = addMenuEntry(parentMenu, entry);
            if (entry.parent.empty() && inMenuBar)
                menuBar()->addAction(a);
        }
    };
    build(kMenuBar, true);
    build(kSchemePopup, false);
}

void FrmShowColor::addCopySubmenus(QWidget* parentMenu)
{
    for (const CopySubmenu& submenu : kCopySubmenus) {
        addMenuEntry(parentMenu, {submenu.name, submenu.caption, "", MenuKind::Submenu});
        QMenu* entries = menus_.value(ToQString(submenu.name));
        for (const Notation& n : kNotations) {
            if (n.submenu != submenu.name)
                continue;
            const std::string caption = InitialMenuCaption(n);
            addMenuEntry(entries, {n.menuEntry, caption, submenu.name, MenuKind::Item});
        }
    }
}

void FrmShowColor::addVisionChoices(QWidget* parentMenu)
{
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    auto add = [&](const std::string& name, std::string_view caption, std::optional<Deficiency> deficiency) {
        QAction* a = addMenuEntry(parentMenu, {name, caption, "", MenuKind::Item, false, false, true, !deficiency});
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, deficiency] { filter_->setDeficiency(deficiency); });
    };
    add(std::string(kVisionNormalEntry), kVisionNormalCaption, std::nullopt);
    for (const DeficiencyInfo& info : Deficiencies()) {
        std::string name(kVisionEntryPrefix);
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(info.key.front())));
        name += info.key.substr(1);
        add(name, info.caption, info.deficiency);
    }

    // While a simulation is on, the menu bar says so at its right end.
    lblSimulation_ = new BadgeLabel(menuBar(), QSize(6, 1));
    lblSimulation_->setObjectName("lblSimulation");
    lblSimulation_->setBadgeColor(QColor(0x7a, 0x1f, 0xa2));
    QFont bold = lblSimulation_->font();
    bold.setBold(true);
    lblSimulation_->setFont(bold);
    menuBar()->setCornerWidget(lblSimulation_, Qt::TopRightCorner);
    lblSimulation_->hide();
    connect(filter_, &DisplayFilter::changed, this, [this] { showSimulationBanner(); });
}

void FrmShowColor::showSimulationBanner()
{
    lblSimulation_->setText(filter_->banner());
    lblSimulation_->setVisible(filter_->simulating());
    // The corner widget takes its place when the menu bar lays itself out again.
    menuBar()->adjustSize();
    menuBar()->update();
}

void FrmShowColor::buildToolbar()
{
    tlbTool_ = new QToolBar(central_);
    tlbTool_->setObjectName("tlbTool");
    tlbTool_->setIconSize(QSize(16, 16));
    // Buttons of the designed size side by side, edge to edge.
    tlbTool_->setContentsMargins(0, 0, 0, 0);
    tlbTool_->layout()->setContentsMargins(0, 0, 0, 0);
    tlbTool_->layout()->setSpacing(0);
    tlbTool_->setGeometry(0, 0, kChartSelector.left() - 2, kToolbar.height());
    tlbTool_->setMovable(false);
    for (const ToolbarButton& b : kMainToolbar) {
        if (b.tag.empty()) {
            tlbTool_->addSeparator()->setObjectName(QString("toolsep%1").arg(b.number));
            continue;
        }
        const QString tag = ToQString(b.tag);
        QAction* a = nullptr;
        if (!b.action.empty()) {
            a = actions_.value(ToQString(b.action));
        } else {
            a = new QAction(this);
            a->setObjectName(tag);
            actions_.insert(tag, a);
        }
        a->setToolTip(ToQString(b.toolTip));
        a->setIconVisibleInMenu(false);
        a->setProperty("toolbarTag", tag);
        tlbTool_->addAction(a);
        if (QWidget* button = tlbTool_->widgetForAction(a)) {
            button->setObjectName(tag);
            button->setFixedSize(kToolButton);
        }
    }
    drawToolbarIcons();
}

void FrmShowColor::drawToolbarIcons()
{
    toolbarDark_ = IsDarkPalette(QWidget::palette());
    for (const ToolbarButton& b : kMainToolbar)
        if (!b.tag.empty())
            action(ToQString(b.action.empty() ? b.tag : b.action))
                ->setIcon(ToolbarIcon(ToQString(b.tag), ToQString(b.themeIcon), QWidget::palette()));
}

void FrmShowColor::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The drawn icons' ink follows the desktop's switch between a light and a dark scheme.
    if (event->type() == QEvent::PaletteChange && toolbarDark_ != IsDarkPalette(QWidget::palette()))
        drawToolbarIcons();
}

QAction* FrmShowColor::action(const QString& name) const { return actions_.value(name, nullptr); }

QMenu* FrmShowColor::menu(const QString& name) const { return menus_.value(name, nullptr); }

QAction* FrmShowColor::toolbarButton(int number) const
{
    const QList<QAction*> list = tlbTool_->actions();
    if (number < 1 || number > list.size())
        return nullptr;
    return list.at(number - 1);
}

void FrmShowColor::wireCommands()
{
    auto on = [this](const char* name, auto&& slot) {
        if (QAction* a = action(name))
            connect(a, &QAction::triggered, this, slot);
    };
    on("mnuExit", [this] { close(); });
    on("mnuUndo", [this] { stepHistory(true); });
    on("mnuRedo", [this] { stepHistory(false); });
    on("mnuCopy", [this] { copyColor(); });
    on("mnuPaste", [this] { editors_->paste(); });
    on("mnuOnTop", [this] { toggleOnTop(); });
    on("mnuSwap", [this] { togglePaletteOnly(); });
    on("mnuWebsafe", [this] { snapToWebSafe(); });
    on("mnuShowWinColor", [this] { showColorDialog(); });
    on("mnucon", [this] { converter()->open(); });
    on("mnuconv", [this] { converter()->open(); });
    on("mnucontents", [this] { showHelp(); });
    on("mnuWeb", [this] { platform_.shellOpen(kHomePage); });
    on("mnuabout", [this] { FrmAbout::showAbout(platform_, this); });
    // F10 opens the menu bar's first menu, as on other desktops; the arrows go on from there.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
        if (QMenu* file = menu("mnufile"))
            menuBar()->setActiveAction(file->menuAction());
    });

    for (const Notation& n : kNotations) {
        if (QAction* a = action(ToQString(n.menuEntry)))
            connect(a, &QAction::triggered, this, [this, &n] {
                const std::string text = CopiedText(n, notationTexts(editorTexts(), swatchColor()));
                platform_.clearClipboard();
                platform_.setClipboardText(ToQString(text));
            });
    }

    connect(editors_->swatch(), &ColorSwatch::clicked, this, [this] {
        ClearSchemeSelection();
        CurrentColorChanged(swatchColor(), WriteRecent::Yes);
    });
    connect(editors_->swatch(), &ColorSwatch::doubleClicked, this, [this] {
        ClearSchemeSelection();
        CurrentColorChanged(swatchColor(), WriteRecent::Yes);
        converter()->open();
    });
    connect(editors_->swatch(), &ColorSwatch::rightReleased, this,
            [this](const QPoint& pos) { popUpEditMenuOverSwatch(pos); });
}

void FrmShowColor::build()
{
    // 1. The editors start with the designed texts of white.
    shownColor_ = editors_->swatchColor();
    // 2. The five scheme panels share one place.
    scheme_->setUpPanels();
    // 3.
    setWindowTitle(kWindowCaption);
    // 4. The recent colours of this run (a recent.rgb that is not a regular file is reported below).
    (void)CreateIfMissing(platform_.dataFilePath("recent.rgb"));
    // 5.
    addToCount_ = 0;
    // 6. Saved schemes of the first style, the first one loaded, once a delete that was cut short
    // has been completed.
    QStringList problems;
    if (const std::string unfinished = SchemeFiles::completeInterruptedDelete(platform_.programFolderPath());
        !unfinished.empty())
        problems << ToQString(unfinished);
    scheme_->fillSavedSchemes();
    // 7. White is web-safe.
    action("mnuWebsafe")->setEnabled(false);
    toolbarButton(2)->setEnabled(false);
    // 8. The palette grid.
    palette_->buildGrid();
    // 9. Window size: the designed one is the least; the size of the last run when there is one.
    const int height = kDesignerTop + kDesignerHeight + menuBar()->sizeHint().height();
    setMinimumSize(kToolbar.width(), height);
    resize(kToolbar.width(), height);
    fullHeight_ = height;
    restoreSize();
    // 10. Palette-only mode.
    if (Settings(platform_).isOn(Setting::WebColorScheme))
        action("mnuSwap")->trigger();
    // 11.-13. Wheel and square, their display form and the first harmony.
    wheel_->layOutCells();
    wheel_->applyStoredDisplay();
    wheel_->selectHarmony(0);
    // 14. Palettes and the first page of the first one.
    palette_->ShowChartMenu();
    palette_->showSelectedFirstPage();
    // 15. Wheel type.
    wheel_->applyStoredWheelType();
    // 16. Position; failures here only mean the window opens centred.
    placeWindow();
    // Files that are there but cannot be used, and what the platform met (the lock, the settings),
    // are told once, when the window is on screen.
    for (const std::string& file : UnusableDataFiles(platform_.programFolderPath()))
        problems << ToQString(file);
    problems << platform_.startupProblems();
    if (!problems.isEmpty())
        QTimer::singleShot(0, this, [this, problems] { reportStartupProblems(problems); });
}

void FrmShowColor::reportStartupProblems(const QStringList& found)
{
    QStringList lines;
    for (QString line : found) {
        if (!line.endsWith('.'))
            line += '.';
        lines << line;
    }
    platform_.showError(this, kWindowCaption, lines.join('\n'));
}

void FrmShowColor::restoreSize()
{
    const Settings settings(platform_);
    const auto width = settings.number(Setting::WindowWidth);
    const auto height = settings.number(Setting::WindowHeight);
    if (width && height) {
        const QSize stored(TwipsToPixels(*width), TwipsToPixels(*height));
        resize(stored.boundedTo(platform_.screenSizePixels()).expandedTo(minimumSize()));
    }
    if (settings.isOn(Setting::WindowMaximized))
        setWindowState(windowState() | Qt::WindowMaximized);
}

int FrmShowColor::paletteOnlyCut() const
{
    // The tab strip and 100 twips, to the nearest pixel.
    return scheme_->tabStripHeight() + TwipsToPixels(100 + kTwipsPerPixel / 2);
}

void FrmShowColor::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layOutRegions();
}

void FrmShowColor::layOutRegions()
{
    if (!scheme_ || !central_)
        return;
    const bool compact = paletteOnly();
    const QSize area = central_->size();
    const int designedHeight = kDesignerTop + kDesignerHeight - (compact ? paletteOnlyCut() : 0);
    const int extraWidth = std::max(0, area.width() - kToolbar.width());
    const int extraHeight = std::max(0, area.height() - designedHeight);
    const int rowExtra = compact ? extraHeight : extraHeight / 2;
    const int designerExtra = extraHeight - rowExtra;
    // The wheel widens as much as its row grows, and by a column for the harmony swatches once
    // the row is tall enough to hold them beside it; the palette takes the rest.
    const int besideColumn = rowExtra >= kHarmonyBesideFrom ? wheel_->besideColumnWidth() : 0;
    const int wheelExtra = std::min(rowExtra + besideColumn, extraWidth / 3);

    wheel_->setGeometry(QRect(kWheelFrame, ColorWheelFrame::designedSize() + QSize(wheelExtra, rowExtra)));
    editors_->move(kSwatch + QPoint(wheelExtra, 0));
    const int pageTop = editors_->geometry().bottom() + 1 + kPageLabelGap;
    palette_->pageLabel()->setGeometry(editors_->x(), pageTop, editors_->width(),
                                       kDesignerTop - kPageLabelGap - pageTop);
    palette_->move(kPaletteGrid + QPoint(wheelExtra, 0));
    palette_->fitGrid(kPaletteArea + QSize(extraWidth - wheelExtra, rowExtra));
    // The selector reaches as far right as the grid.
    const int gridRight = palette_->x() + palette_->width();
    const int designedGridRight = kPaletteGrid.x() + kPaletteArea.width();
    palette_->chartSelector()->setGeometry(kChartSelector.adjusted(0, 0, gridRight - designedGridRight, 0));
    converterOffset_ = QPoint(wheelExtra, 0);
    if (converter_)
        converter_->move(kConverter.topLeft() + converterOffset_);
    scheme_->setGeometry(0, kDesignerTop + rowExtra, kToolbar.width() + extraWidth, kDesignerHeight + designerExtra);
}

void FrmShowColor::placeWindow()
{
    const Settings settings(platform_);
    const auto x = settings.number(Setting::PositionX);
    const auto y = settings.number(Setting::PositionY);
    const QSize screen = platform_.screenSizeTwips();
    const QSize size = frameGeometry().size().expandedTo(this->size()) * kTwipsPerPixel;
    const WindowPlacement at = PlaceWindow(x, y, size.width(), size.height(), screen.width(), screen.height());
    move(TwipsToPixels(at.left), TwipsToPixels(at.top));
}

void FrmShowColor::CurrentColorChanged(ColorValue color, WriteRecent writeRecent)
{
    // 1. The selected web-scheme element takes the colour, changed or not.
    scheme_->HtmlColor(color);
    // 2.-7. The editors.
    editors_->showColor(color);
    // 8. The wheel follows unless locked.
    if (!wheel_->locked())
        wheel_->GetWheel(color, wheel_->wheelType());
    // 9. Only for a colour not shown yet.
    if (color == shownColor_)
        return;
    const bool webSafe = IsWebSafe(color);
    action("mnuWebsafe")->setEnabled(!webSafe);
    toolbarButton(2)->setEnabled(!webSafe);
    if (writeRecent == WriteRecent::Yes && color != kBlack && color != kWhite)
        palette_->recordRecent(color);
    palette_->currentColorShown(color);
    editors_->setSwatchColor(color);
    ChangeCopyMenu();
    shownColor_ = editors_->swatchColor();
    if (converter_ && converter_->isVisible() && writeRecent == WriteRecent::Yes)
        converter_->open();
    // The conversion panel's live changes (WriteRecent::No) are one step of the history.
    history_.record(color, writeRecent == WriteRecent::No);
    updateHistoryActions();
}

void FrmShowColor::stepHistory(bool back)
{
    if (back ? editors_->undoTyping() : editors_->redoTyping())
        return;
    const std::optional<ColorValue> color = back ? history_.undo() : history_.redo();
    if (!color)
        return;
    ClearSchemeSelection();
    CurrentColorChanged(*color, WriteRecent::Yes);
    updateHistoryActions();
}

FrmHelp* FrmShowColor::helpWindow() const { return help_; }

void FrmShowColor::showHelp()
{
    const QString chm = PathToQString(platform_.dataFilePath("help.chm"));
    const QString pages = platform_.helpFolder();
    if (pages.isEmpty() || (QFileInfo::exists(chm) && platform_.hasDefaultApplication(chm))) {
        platform_.shellOpen(chm);
        return;
    }
    if (!help_)
        help_ = new FrmHelp(platform_, pages);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void FrmShowColor::updateHistoryActions()
{
    action("mnuUndo")->setEnabled(history_.canUndo());
    action("mnuRedo")->setEnabled(history_.canRedo());
}

void FrmShowColor::copyColor()
{
    // The selected text of the box with the focus, else the current colour as "#RRGGBB".
    if (editors_->copySelection())
        return;
    platform_.clearClipboard();
    platform_.setClipboardText(ToQString(HtmlHex(swatchColor())));
}

void FrmShowColor::ClearSchemeSelection() { scheme_->ClearSchemeSelection(); }

ColorValue FrmShowColor::swatchColor() const { return editors_->swatchColor(); }

EditorSnapshot FrmShowColor::editorTexts() const { return editors_->texts(); }

int FrmShowColor::paletteSelectorPosition() const { return palette_->selectorPosition(); }

void FrmShowColor::showPalette(int selectorPosition, const QString& fileName)
{
    if (selectorPosition >= 0)
        palette_->selectPosition(selectorPosition);
    palette_->ShowColorChart(fileName, 1);
}

bool FrmShowColor::paletteOnly() const
{
    QAction* swap = action("mnuSwap");
    return swap && swap->isChecked();
}

void FrmShowColor::dropPaletteSelection() { palette_->dropSelection(); }

void FrmShowColor::importPaletteFiles(const QStringList& files) { palette_->importPaletteFiles(files); }

void FrmShowColor::ChangeCopyMenu()
{
    const EditorTexts texts = notationTexts(editorTexts(), swatchColor());
    for (const Notation& n : kNotations)
        if (QAction* a = action(ToQString(n.menuEntry)))
            a->setText(ToQString(MenuCaption(n, texts)));
}

void FrmShowColor::toggleOnTop()
{
    // The action has already flipped its check mark; the toolbar button shares it.
    platform_.setTopMost(this, action("mnuOnTop")->isChecked());
}

void FrmShowColor::togglePaletteOnly()
{
    const bool on = action("mnuSwap")->isChecked();
    // The designer is cut off the bottom (or given back) and the rest keeps its size; a
    // maximised window keeps its size and gives the room to the palette row instead.
    const int cut = paletteOnlyCut();
    const int target = on ? height() - cut : height() + cut;
    setMinimumHeight(on ? fullHeight_ - cut : fullHeight_);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(width(), std::max(target, minimumHeight()));
    layOutRegions();
    Settings(platform_).setOn(Setting::WebColorScheme, on);
}

void FrmShowColor::snapToWebSafe()
{
    ClearSchemeSelection();
    CurrentColorChanged(SnapWebSafe(swatchColor()), WriteRecent::Yes);
}

void FrmShowColor::showColorDialog()
{
    ClearSchemeSelection();
    const ColorValue chosen = platform_.chooseColor(this, swatchColor());
    CurrentColorChanged(chosen, WriteRecent::Yes);
}

void FrmShowColor::popUpEditMenuOverSwatch(const QPoint& globalPos)
{
    QMenu* edit = menu("mnuEdit");
    auto setVisible = [this](std::span<const std::string_view> names, bool visible) {
        for (std::string_view n : names)
            if (QAction* a = action(ToQString(n)))
                a->setVisible(visible);
    };
    ChangeCopyMenu();
    setVisible(kSwatchPopupShown, true);
    setVisible(kSwatchPopupHidden, false);
    edit->exec(globalPos);
    setVisible(kSwatchPopupShown, false);
    setVisible(kSwatchPopupHidden, true);
    ChangeCopyMenu();
}

void FrmShowColor::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // What the first frame does not show waits until that frame is on screen.
    if (!firstFrameSeen_ && windowHandle())
        windowHandle()->installEventFilter(this);
    // The window frame is known only once the window is on screen; place it again with it.
    if (!placedWithFrame_ && frameGeometry().size() != size()) {
        placedWithFrame_ = true;
        placeWindow();
    }
}

bool FrmShowColor::eventFilter(QObject* watched, QEvent* event)
{
    if (!firstFrameSeen_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        firstFrameSeen_ = true;
        windowHandle()->removeEventFilter(this);
        // The expose paints the first frame; this runs once it is flushed.
        QTimer::singleShot(0, this, [this] { afterFirstFrame(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmShowColor::afterFirstFrame()
{
    // The window icon: the one installed with the program when there is one, else the drawn
    // colour wheel. Every window of the program takes it from the application.
    if (QApplication::windowIcon().isNull()) {
        const QIcon installed = QtPlatform::installedIcon();
        QApplication::setWindowIcon(installed.isNull() ? ApplicationIcon() : installed);
    }
    emit firstFrameShown();
}

void FrmShowColor::closeEvent(QCloseEvent* event)
{
    saveForExit();
    // Every other window of the program closes with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    QMainWindow::closeEvent(event);
}

void FrmShowColor::saveForExit()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    // A maximised window keeps the place and size it returns to.
    const bool maximized = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const QRect normal = maximized ? normalGeometry() : geometry();
    const QPoint at = normal.topLeft() - (geometry().topLeft() - frameGeometry().topLeft());
    Settings settings(platform_);
    settings.setNumber(Setting::PositionX, PixelsToTwips(at.x()));
    settings.setNumber(Setting::PositionY, PixelsToTwips(at.y()));
    // The size as with the designer shown, which the next start cuts again in palette-only mode.
    const int designerCut = paletteOnly() ? paletteOnlyCut() : 0;
    settings.setNumber(Setting::WindowWidth, PixelsToTwips(normal.width()));
    settings.setNumber(Setting::WindowHeight, PixelsToTwips(normal.height() + designerCut));
    settings.setOn(Setting::WindowMaximized, maximized);
    (void)RemoveFile(platform_.dataFilePath("recent.rgb"));
}

} // namespace prismara
