// paletteview.cpp - the palette view: selector, paging, cell clicks and the palette commands.
#include "ui/palette/paletteview.h"

#include "widgets/colorhub.h"
#include "widgets/menutable.h"
#include "ui/palette/palettegrid.h"
#include "ui/palette/palettetransfer.h"
#include "widgets/colordrag.h"
#include "platform/platform.h"
#include "platform/qtconvert.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include <algorithm>
#include <array>

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

} // namespace

PaletteView::PaletteView(ColorHub& hub, QWidget* parent)
    : QWidget(parent), hub_(hub),
      store_(hub.platform().programFolderPath())
{
    setObjectName("picPalette");
    cmbChart_ = new QComboBox(parent);
    cmbChart_->setObjectName("cmbChart");
    cmbChart_->setMaxVisibleItems(20);
    grid_ = new PaletteGrid(this);
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
    setActionEnabled("mnuCleanAll", CanEditChart(kind));
    setActionEnabled("mnuCleanDup", CanEditChart(kind));
    setActionEnabled("mnuDelChart", CanDeleteChart(kind));
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
    for (std::size_t i = 0; i < cells.size(); ++i)
        colors[i] = cells[i].color.value_or(kWhite);
    grid_->setColors(colors);

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
    selColorRec_ = PalettePage::recordAt(chartColorCount_, curPage_, index);
    setActionEnabled("mnuDelCor", selColorRec_ >= 1 && CanEditChart(selectedKind()));
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
    first->setEnabled(!addToFiles_.empty());
    if (addToFiles_.empty())
        return;
    first->setText(caption(names.front()));
    for (std::size_t j = 1; j < names.size(); ++j) {
        auto* item = new QAction(caption(names[j]), menu);
        item->setObjectName(QString("mnuAddChart%1").arg(j));
        const int number = static_cast<int>(j);
        connect(item, &QAction::triggered, this, [this, number] { addThisColorTo(number); });
        menu->addAction(item);
        addToItems_.push_back(item);
    }
}

void PaletteView::addThisColorTo(int item)
{
    if (item < 0 || static_cast<std::size_t>(item) >= addToFiles_.size())
        return;
    const std::string file = addToFiles_[static_cast<std::size_t>(item)];
    if (!succeeded("Add This Color To", store_.palette(file).append(HtmlHex(hub_.swatchColor()))))
        return;
    if (file == shownFile_)
        ShowColorChart(ToQString(file), 1);
}

void PaletteView::newColorPalette()
{
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
    if (!CanEditChart(selectedKind()) || selColorRec_ < 1)
        return;
    const PaletteFile palette = store_.palette(position);
    if (!succeeded("Delete Selected Color", palette.removeRecord(selColorRec_)))
        return;
    ShowColorChart(ToQString(palette.fileName()), 1);
}

void PaletteView::deleteCurrentPalette()
{
    const int position = selectorPosition();
    if (!CanDeleteChart(selectedKind()))
        return;
    const QString text = "Are you sure you want to delete \"" + selectedName() + "\" palette?";
    if (!hub_.platform().askYesNo(hub_.mainWindow(), text, "Delete current color palette"))
        return;
    const int before = store_.chartCount();
    const StoreResult removed = store_.deleteChart(position);
    // When only the colour file stayed behind, the palette has still left the index.
    if (!succeeded("Delete Current Palette", removed) && store_.chartCount() == before)
        return;
    ShowChartMenu();
}

void PaletteView::clearDuplicateColors()
{
    if (!CanEditChart(selectedKind()) || chartColorCount_ <= 1)
        return;
    const PaletteFile palette = store_.palette(selectorPosition());
    if (!succeeded("Clear Duplicate Colors", palette.removeDuplicates()))
        return;
    ShowColorChart(ToQString(palette.fileName()), 1);
}

void PaletteView::clearAllColors()
{
    if (!CanEditChart(selectedKind()))
        return;
    const QString text = "Are you sure you want to delete all colors in \"" + selectedName() + "\" palette?";
    if (!hub_.platform().askYesNo(hub_.mainWindow(), text, "Clean all colors"))
        return;
    const PaletteFile palette = store_.palette(selectorPosition());
    if (!succeeded("Clear All Colors", palette.clear()))
        return;
    ShowColorChart(ToQString(palette.fileName()), 1);
}

} // namespace prismara
