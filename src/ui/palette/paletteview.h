// paletteview.h - the palette selector, the 216-cell palette grid and the palette commands.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/palette/palettestore.h"
#include "ui/palette/palettejob.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;

namespace prismara {

class ColorHub;
class PaletteGrid;
class PaletteJob;
class PaletteTransfer;

// Where a page lies in its palette, counted from the newest colour: "217–432 of 1,380";
// "No colors" for an empty palette.
QString PageRangeText(std::int32_t colorCount, std::int32_t page);

class PaletteView : public QWidget
{
    Q_OBJECT
public:
    PaletteView(ColorHub& hub, QWidget* parent);

    // cmbChart: the window places it in the toolbar row.
    QComboBox* chartSelector() const { return cmbChart_; }
    // lblcor and shpSelect.
    PaletteGrid* grid() const { return grid_; }
    // Import, export and Copy Palette As.
    PaletteTransfer* transfer() const { return transfer_; }
    // The palette command running on a thread of its own, if any.
    PaletteJob* job() const { return job_; }
    bool busy() const;
    // Runs a command that changes palette files: at once when the files are smaller than
    // PaletteJob::kThreadBytes (`bytes`), else as a PaletteJob, with the palette commands
    // disabled until it ends. `file` is the palette file it changes (empty: the index and new
    // files). `done` gets the result, also when the work is cancelled (StoreResult::wasCancelled,
    // which succeeded() takes silently).
    // False when another job is still running (then nothing is done).
    bool runChange(const QString& title, const std::string& file, std::uintmax_t bytes, const PaletteWork& work,
                   const std::function<void(const StoreResult&)>& done);
    // Imports palette files as new palettes and shows the last one made.
    void importPaletteFiles(const QStringList& files);
    // lblPage: the page on view and the colours it shows ("Page 2 of 7", "217–432 of 1,380");
    // the window places it.
    QLabel* pageLabel() const { return lblPage_; }

    // Window build: lay out the grid cells and hide the selection frame.
    void buildGrid();
    // Gives the grid the largest cells that fit `area` (never smaller than designed).
    void fitGrid(QSize area);
    // Re-reads the index into the selector, selects its first entry (showing that palette at
    // page 1) and rebuilds "Add This Color To". Problems with the index are shown once.
    void ShowChartMenu();
    // Shows page 1 of the palette selected in cmbChart.
    void showSelectedFirstPage();
    // Shows `page` (1-based) of a palette file; page 1 recounts the palette, other pages use the
    // count of the last page-1 display.
    void ShowColorChart(const QString& fileName, int page);
    // Rebuilds the "Add This Color To" submenu from the index as last read: one item per palette
    // of flag "0" or "1", in index order.
    void ShowAddTo();

    // Appends a colour the user chose to the recent colours (re-showing them when on view).
    void recordRecent(ColorValue color);
    // The current colour has become `color`: drop the cell selection unless it is that cell's.
    void currentColorShown(ColorValue color);
    // Hides the selection frame and disables "&Delete Selected Color".
    void dropSelection();

    ColorValue lastChartColor() const { return lastChartColor_; }

    // The selector position (0-based) and choosing one (shows that palette at page 1, as a
    // click in the selector does). Used by the screen picker when it ends.
    int selectorPosition() const;
    void selectPosition(int position);

    // State of the page on view.
    int curPage() const { return curPage_; }
    int chartPages() const { return chartPages_; }
    int chartColorCount() const { return chartColorCount_; }
    int selColorRec() const { return selColorRec_; }
    QString shownFile() const;
    const PaletteStore& store() const { return store_; }

    // The palette commands, as the menu entries and toolbar buttons run them.
    void newColorPalette();
    void addThisColorTo(int item);
    void deleteSelectedColor();
    void deleteCurrentPalette();
    void clearDuplicateColors();
    void clearAllColors();
    void showPreviousPage();
    void showNextPage();

    // A colour dropped on the grid is appended to the palette on view (shown again at page 1).
    // Why it cannot be, from a drag of `source` (nullptr: another program); empty when it can.
    QString colorDropRefusal(const QObject* source) const;
    void appendDroppedColor(ColorValue color);

private:
    void chartSelected(int position);
    void applyKindRules(int position);
    void showPage(int page);
    void cellReleased(int index, Qt::MouseButton button, const QPoint& globalPos);
    void popUpEditMenu(const QPoint& globalPos);
    void connectAction(const char* name, void (PaletteView::*command)());
    void setActionEnabled(const char* name, bool enabled) const;
    ChartKind selectedKind() const;
    QString selectedName() const;
    // Shows a failed operation's message; true when the operation succeeded.
    bool succeeded(const QString& title, const StoreResult& result);
    void reportIndexProblems(const StoreResult& read);
    // Enables the palette commands as the palette on view allows, or disables them while a job runs.
    void jobBusy(bool busy);
    void enableAddTo();

    ColorHub& hub_;
    PaletteStore store_;
    QComboBox* cmbChart_;
    QLabel* lblPage_;
    PaletteGrid* grid_;
    PaletteTransfer* transfer_;
    PaletteJob* job_;
    std::vector<ColorValue> pendingRecent_; // recorded while a job changes the recent colours
    std::vector<std::string> addToFiles_;
    std::vector<QAction*> addToItems_; // items 1.. of "Add This Color To"; item 0 is the window's
    std::string shownFile_;
    std::string lastIndexError_;
    ColorValue lastChartColor_ = -1;
    int curPage_ = 1;
    int chartPages_ = 1;
    int chartColorCount_ = 0;
    int selColorRec_ = 0;
};

} // namespace prismara
