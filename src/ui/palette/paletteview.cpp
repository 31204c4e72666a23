// paletteview.cpp - the palette view: selector, paging, cell clicks and the palette commands.
#include "ui/palette/paletteview.h"

#include "core/files/fileio.h"
#include "widgets/colorhub.h"
#include "widgets/menutable.h"
#include "ui/palette/palettegrid.h"
#include "ui/palette/palettetransfer.h"
#include "widgets/colordrag.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace prismara {

namespace {

// A store message shown as a sentence; it starts with the file name, whose case is kept.
QString sentence(const std::string& message)
{
    QString text = ToQString(message);
    if (!text.isEmpty() && !text.endsWith('.'))
        text += '.';
    return text;
}

// Menu captions treat "&" as the access-key mark; a palette name shows it as it is.
QString caption(const std::string& name) { return ToQString(name).replace('&', "&&"); }

const QString kIndexTitle = QStringLiteral("Color Palettes");

// Counts as people write them: 1,380.
QString count(std::int32_t n) { return QLocale(QLocale::English).toString(n); }

} // namespace

QString PageRangeText(std::int32_t colorCount, std::int32_t page)
{
    const PalettePage::Records shown = PalettePage::records(colorCount, page);
    if (shown.empty())
        return colorCount == 0 ? QStringLiteral("No colors") : QString("0 of %1").arg(count(colorCount));
    // Positions counted from the newest colour, the order the cells show them in.
    const std::int32_t first = colorCount - shown.last + 1;
    const std::int32_t last = colorCount - shown.first + 1;
    return QString("%1\u2013%2 of %3").arg(count(first), count(last), count(colorCount));
}

namespace {

} // namespace

PaletteView::PaletteView(ColorHub& hub, QWidget* parent)
    : QWidget(parent), hub_(hub),
      store_(hub.platform().programFolderPath())
{
    setObjectName("picPalette");
    cmbChart_ = new QComboBox(parent);
    cmbChart_->setObjectName("cmbChart");
    cmbChart_->setMaxVisibleItems(20);
    lblPage_ = new QLabel(parent);
    lblPage_->setObjectName("lblPage");
    lblPage_->setAlignment(Qt::AlignCenter);
    grid_ = new PaletteGrid(this);
    // A click on a cell takes the keyboard focus, so that Delete then deletes the selected colour.
    grid_->setFocusPolicy(Qt::ClickFocus);
    grid_->setDisplayFilter(&hub.displayFilter());

    // A choice in the selector, by mouse, keys or wheel, is the selector click.
    connect(cmbChart_, &QComboBox::activated, this, [this](int position) { chartSelected(position); });
    connect(grid_, &PaletteGrid::cellReleased, this, &PaletteView::cellReleased);
    connect(grid_, &PaletteGrid::cellDoubleClicked, this, [this] {
        if (QAction* details = hub_.action("mnuViewColor"))
            details->trigger();
    });

    // "addnew" and "clearduplicate" share these actions with the menu entries.
    connectAction("mnuNew", &PaletteView::newColorPalette);
    connectAction("mnuDelCor", &PaletteView::deleteSelectedColor);
    connectAction("mnuDelChart", &PaletteView::deleteCurrentPalette);
    connectAction("mnuCleanDup", &PaletteView::clearDuplicateColors);
    connectAction("mnuCleanAll", &PaletteView::clearAllColors);
    connectAction("prevpage", &PaletteView::showPreviousPage);
    connectAction("nextpage", &PaletteView::showNextPage);
    if (QAction* first = hub_.action("mnuAddChart0"))
        connect(first, &QAction::triggered, this, [this] { addThisColorTo(0); });

    transfer_ = new PaletteTransfer(hub_, *this);
    job_ = new PaletteJob(this);
    connect(job_, &PaletteJob::busyChanged, this, &PaletteView::jobBusy);
    new ColorDropTarget(
        grid_, hub_, [this](ColorValue color, QPoint) { appendDroppedColor(color); },
        [this](QPoint, const QObject* source) { return colorDropRefusal(source); });
}

void PaletteView::importPaletteFiles(const QStringList& files) { transfer_->importPaletteFiles(files); }

QString PaletteView::colorDropRefusal(const QObject* source) const
{
    const QString name = selectedName();
    if (name.isEmpty())
        return QStringLiteral("No palette is on view to take the colour.");
    if (busy())
        return QStringLiteral("A palette command is still running: drop the colour when it has ended.");
    if (!CanEditChart(selectedKind()))
        return "\"" + name + "\" is a read-only palette: colours cannot be added to it.";
    // A colour dragged about the grid itself is one of the palette's own.
    if (source == grid_)
        return "The colour is already in \"" + name + "\".";
    return {};
}

void PaletteView::appendDroppedColor(ColorValue color)
{
    if (!colorDropRefusal(nullptr).isEmpty())
        return;
    const PaletteFile palette = store_.palette(selectorPosition());
    if (!succeeded("Add Dropped Color", palette.append(HtmlHex(color))))
        return;
    ShowColorChart(ToQString(palette.fileName()), 1);
}

void PaletteView::connectAction(const char* name, void (PaletteView::*command)())
{
    if (QAction* a = hub_.action(name))
        connect(a, &QAction::triggered, this, [this, command] { (this->*command)(); });
}

void PaletteView::setActionEnabled(const char* name, bool enabled) const
{
    if (QAction* a = hub_.action(name))
        a->setEnabled(enabled);
}

void PaletteView::fitGrid(QSize area)
{
    grid_->fitTo(area);
    resize(grid_->size());
}

void PaletteView::buildGrid()
{
    grid_->setGeometry(QRect(QPoint(0, 0), grid_->sizeHint()));
    resize(grid_->size());
    grid_->hideSelection();
    grid_->show();
}

int PaletteView::selectorPosition() const { return cmbChart_->currentIndex(); }

void PaletteView::selectPosition(int position)
{
    if (position < 0 || position >= cmbChart_->count())
        return;
    cmbChart_->setCurrentIndex(position);
    chartSelected(position);
}

ChartKind PaletteView::selectedKind() const { return store_.kindAt(selectorPosition()); }

QString PaletteView::selectedName() const
{
    const int position = selectorPosition();
    if (position < 0 || position >= store_.chartCount())
        return {};
    return ToQString(store_.chartNames()[static_cast<std::size_t>(position)]);
}

QString PaletteView::shownFile() const { return ToQString(shownFile_); }

bool PaletteView::succeeded(const QString& title, const StoreResult& result)
{
    if (result.ok())
        return true;
    // A cancelled command has changed nothing and says nothing.
    if (result.wasCancelled())
        return false;
    hub_.platform().showError(hub_.mainWindow(), title, sentence(result.message()));
    return false;
}

void PaletteView::reportIndexProblems(const StoreResult& read)
{
    QStringList lines;
    // The same failure met again (a later rebuild of the list) is not shown a second time.
    if (!read.ok() && read.message() != lastIndexError_)
        lines << sentence(read.message());
    lastIndexError_ = read.ok() ? std::string() : read.message();
    for (const std::string& warning : store_.takeWarnings())
        lines << sentence(warning);
    if (!lines.isEmpty())
        hub_.platform().showError(hub_.mainWindow(), kIndexTitle, lines.join('\n'));
}

void PaletteView::ShowChartMenu()
{
    const bool wasBlocked = cmbChart_->blockSignals(true);
    cmbChart_->clear();
    const StoreResult read = store_.readIndex();
    for (const std::string& name : store_.chartNames())
        cmbChart_->addItem(ToQString(name));
    cmbChart_->setCurrentIndex(cmbChart_->count() > 0 ? 0 : -1);
    cmbChart_->blockSignals(wasBlocked);
    chartSelected(selectorPosition());
    ShowAddTo();
    reportIndexProblems(read);
}

void PaletteView::showSelectedFirstPage() { showPage(1); }

void PaletteView::showPage(int page)
{
    const int position = selectorPosition();
    const std::string file =
        position >= 0 && position < store_.chartCount() ? store_.chartFiles()[static_cast<std::size_t>(position)] : std::string();
    ShowColorChart(ToQString(file), page);
}

void PaletteView::chartSelected(int position)
{
    dropSelection();
    showPage(1);
    applyKindRules(position);
}

void PaletteView::applyKindRules(int position)
{
    const ChartKind kind = store_.kindAt(position);
    const bool idle = !busy();
    setActionEnabled("mnuCleanAll", idle && CanEditChart(kind));
    setActionEnabled("mnuCleanDup", idle && CanEditChart(kind));
    setActionEnabled("mnuDelChart", idle && CanDeleteChart(kind));
}

void PaletteView::ShowColorChart(const QString& fileName, int page)
{
    dropSelection();
    shownFile_ = ToStdString(fileName);
    const PaletteFile palette = store_.palette(shownFile_);
    // Showing a palette brings its file into being; a folder that cannot be written only means
    // the palette shows empty.
    if (palette.hasPlainName())
        (void)palette.create();
    page = std::max(page, 1);
    if (page == 1)
        chartColorCount_ = palette.count();
    chartPages_ = PalettePage::pageCount(chartColorCount_);
    curPage_ = page;

    const PalettePageCells cells = palette.page(chartColorCount_, page);
    std::array<ColorValue, PalettePage::kCells> colors{};
    int filled = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        colors[i] = cells[i].color.value_or(kWhite);
        filled += cells[i].holdsRecord() ? 1 : 0;
    }
    grid_->setColors(colors, filled);
    lblPage_->setText(QString("Page %1 of %2\n%3")
                          .arg(count(page), count(chartPages_), PageRangeText(chartColorCount_, page)));

    const bool single = chartPages_ == 1;
    setActionEnabled("prevpage", !single && page > 1);
    setActionEnabled("nextpage", !single && page < chartPages_);
}

void PaletteView::showPreviousPage()
{
    if (curPage_ > 1)
        showPage(curPage_ - 1);
}

void PaletteView::showNextPage()
{
    if (curPage_ < chartPages_)
        showPage(curPage_ + 1);
}

void PaletteView::cellReleased(int index, Qt::MouseButton button, const QPoint& globalPos)
{
    // An empty cell gives no colour; its right click offers the menu for the current colour.
    if (grid_->isEmptyCell(index)) {
        if (button == Qt::RightButton)
            popUpEditMenu(globalPos);
        return;
    }
    selColorRec_ = PalettePage::recordAt(chartColorCount_, curPage_, index);
    setActionEnabled("mnuDelCor", selColorRec_ >= 1 && CanEditChart(selectedKind()) && !busy());
    hub_.ClearSchemeSelection();
    grid_->showSelection(index);
    lastChartColor_ = grid_->cellColor(index);
    hub_.CurrentColorChanged(lastChartColor_, WriteRecent::Yes);
    if (button == Qt::RightButton)
        popUpEditMenu(globalPos);
}

void PaletteView::popUpEditMenu(const QPoint& globalPos)
{
    QMenu* edit = hub_.menu("mnuEdit");
    if (!edit)
        return;
    auto show = [this](bool visible) {
        for (std::string_view name : kCellPopupShown)
            if (QAction* a = hub_.action(ToQString(name)))
                a->setVisible(visible);
    };
    show(true);
    hub_.ChangeCopyMenu();
    edit->exec(globalPos);
    show(false);
}

void PaletteView::recordRecent(ColorValue color)
{
    // The recent colours being rewritten take the colour when the rewrite has ended.
    if (busy() && job_->file() == kRecentFile) {
        if (PaletteStore::isRecentCandidate(color))
            pendingRecent_.push_back(color);
        return;
    }
    const int recent = store_.recentPosition();
    if (recent >= 0 && selectorPosition() == recent) {
        // The recent colours are on view: a click on one of their cells is not recorded again.
        if (color == lastChartColor_)
            return;
        (void)store_.appendRecent(color);
        ShowColorChart(ToQString(kRecentFile), 1);
        return;
    }
    // Recording is best effort: a folder that cannot be written loses only this run's history.
    (void)store_.appendRecent(color);
}

void PaletteView::currentColorShown(ColorValue color)
{
    if (color != lastChartColor_)
        dropSelection();
}

void PaletteView::dropSelection()
{
    grid_->hideSelection();
    setActionEnabled("mnuDelCor", false);
}

void PaletteView::ShowAddTo()
{
    QMenu* menu = hub_.menu("mnuAddto");
    QAction* first = hub_.action("mnuAddChart0");
    if (!menu || !first)
        return;
    for (QAction* item : addToItems_) {
        menu->removeAction(item);
        delete item;
    }
    addToItems_.clear();
    addToFiles_ = store_.addToFiles();
    const std::vector<std::string>& names = store_.addToNames();
    // Without any palette to add to, item 0 keeps its caption and does nothing.
    enableAddTo();
    if (addToFiles_.empty())
        return;
    first->setText(caption(names.front()));
    for (std::size_t j = 1; j < names.size(); ++j) {
        auto* item = new QAction(caption(names[j]), menu);
        item->setObjectName(QString("mnuAddChart%1").arg(j));
        const int number = static_cast<int>(j);
        connect(item, &QAction::triggered, this, [this, number] { addThisColorTo(number); });
        menu->addAction(item);
        item->setEnabled(!busy());
        addToItems_.push_back(item);
    }
}

void PaletteView::addThisColorTo(int item)
{
    if (busy() || item < 0 || static_cast<std::size_t>(item) >= addToFiles_.size())
        return;
    const std::string file = addToFiles_[static_cast<std::size_t>(item)];
    if (!succeeded("Add This Color To", store_.palette(file).append(HtmlHex(hub_.swatchColor()))))
        return;
    if (file == shownFile_)
        ShowColorChart(ToQString(file), 1);
}

void PaletteView::newColorPalette()
{
    if (busy())
        return;
    const QString name =
        hub_.platform()
            .inputText(hub_.mainWindow(), "Add a new color palette", "Please input a name of new color palette:")
            .trimmed();
    if (name.isEmpty())
        return;
    if (!succeeded("New Color Palette", store_.addChart(ToStdString(name))))
        return;
    ShowChartMenu();
    selectPosition(cmbChart_->count() - 1);
}

void PaletteView::deleteSelectedColor()
{
    const int position = selectorPosition();
    if (busy() || !CanEditChart(selectedKind()) || selColorRec_ < 1)
        return;
    const PaletteFile palette = store_.palette(position);
    const std::int32_t record = selColorRec_;
    runChange(
        "Delete Selected Color", palette.fileName(), FileSize(palette.path()),
        [palette, record](const RewriteProgress& progress) { return palette.removeRecord(record, progress); },
        [this, palette](const StoreResult& result) {
            if (succeeded("Delete Selected Color", result))
                ShowColorChart(ToQString(palette.fileName()), 1);
        });
}

void PaletteView::deleteCurrentPalette()
{
    const int position = selectorPosition();
    if (busy() || !CanDeleteChart(selectedKind()))
        return;
    const QString text = "Are you sure you want to delete \"" + selectedName() + "\" palette?";
    if (!hub_.platform().askYesNo(hub_.mainWindow(), text, "Delete current color palette"))
        return;
    // The job works on a copy of the store; `left` tells whether the palette left the index.
    auto left = std::make_shared<bool>(false);
    const PaletteFile palette = store_.palette(position);
    runChange(
        "Delete Current Palette", palette.fileName(), FileSize(palette.path()),
        [store = store_, position, left](const RewriteProgress&) mutable {
            const int before = store.chartCount();
            const StoreResult removed = store.deleteChart(position);
            *left = store.chartCount() != before;
            return removed;
        },
        [this, left](const StoreResult& removed) {
            // When only the colour file stayed behind, the palette has still left the index.
            if (!succeeded("Delete Current Palette", removed) && !*left)
                return;
            ShowChartMenu();
        });
}

void PaletteView::clearDuplicateColors()
{
    if (busy() || !CanEditChart(selectedKind()) || chartColorCount_ <= 1)
        return;
    const PaletteFile palette = store_.palette(selectorPosition());
    runChange(
        "Clear Duplicate Colors", palette.fileName(), FileSize(palette.path()),
        [palette](const RewriteProgress& progress) { return palette.removeDuplicates(progress); },
        [this, palette](const StoreResult& result) {
            if (succeeded("Clear Duplicate Colors", result))
                ShowColorChart(ToQString(palette.fileName()), 1);
        });
}

void PaletteView::clearAllColors()
{
    if (busy() || !CanEditChart(selectedKind()))
        return;
    const QString text = "Are you sure you want to delete all colors in \"" + selectedName() + "\" palette?";
    if (!hub_.platform().askYesNo(hub_.mainWindow(), text, "Clean all colors"))
        return;
    const PaletteFile palette = store_.palette(selectorPosition());
    runChange(
        "Clear All Colors", palette.fileName(), FileSize(palette.path()),
        [palette](const RewriteProgress&) { return palette.clear(); },
        [this, palette](const StoreResult& result) {
            if (succeeded("Clear All Colors", result))
                ShowColorChart(ToQString(palette.fileName()), 1);
        });
}

bool PaletteView::busy() const { return job_->busy(); }

bool PaletteView::runChange(const QString& title, const std::string& file, std::uintmax_t bytes, const PaletteWork& work,
                            const std::function<void(const StoreResult&)>& done)
{
    if (busy())
        return false;
    if (bytes < PaletteJob::kThreadBytes) {
        done(work({}));
        return true;
    }
    return job_->start(title, file, work, done);
}

void PaletteView::jobBusy(bool busy)
{
    for (const char* name : {"mnuNew", "mnuImportPalette"})
        setActionEnabled(name, !busy);
    if (busy)
        setActionEnabled("mnuDelCor", false);
    applyKindRules(selectorPosition());
    enableAddTo();
    if (busy)
        return;
    for (const ColorValue color : std::exchange(pendingRecent_, {}))
        recordRecent(color);
}

void PaletteView::enableAddTo()
{
    if (QAction* first = hub_.action("mnuAddChart0"))
        first->setEnabled(!addToFiles_.empty() && !busy());
    for (QAction* item : addToItems_)
        item->setEnabled(!busy());
}

} // namespace prismara
