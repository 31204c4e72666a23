// frmshowcolor.h - the main window: composes the components and runs the colour hub.
#pragma once

#include "core/colour/colorhistory.h"
#include "widgets/colorhub.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QToolBar;

namespace prismara {

class BadgeLabel;

class ColorWheelFrame;
class ConversionPanel;
class CurrentColorEditors;
class DisplayFilter;
class FrmHelp;
class PaletteView;
class SchemeDesigner;

class FrmShowColor : public QMainWindow, public ColorHub
{
    Q_OBJECT
public:
    explicit FrmShowColor(Platform& platform, QWidget* parent = nullptr);
    ~FrmShowColor() override;

    // ColorHub
    void CurrentColorChanged(ColorValue color, WriteRecent writeRecent) override;
    void ClearSchemeSelection() override;
    ColorValue swatchColor() const override;
    EditorSnapshot editorTexts() const override;
    QAction* action(const QString& name) const override;
    QMenu* menu(const QString& name) const override;
    QAction* toolbarButton(int number) const override;
    Platform& platform() override { return platform_; }
    const DisplayFilter& displayFilter() const override { return *filter_; }
    QWidget* mainWindow() override { return this; }
    bool paletteOnly() const override;
    void dropPaletteSelection() override;
    void ChangeCopyMenu() override;
    int paletteSelectorPosition() const override;
    void showPalette(int selectorPosition, const QString& fileName) override;
    void importPaletteFiles(const QStringList& files) override;

    ColorValue shownColor() const { return shownColor_; }
    int fullHeight() const { return fullHeight_; }

    CurrentColorEditors* editors() const { return editors_; }
    ColorWheelFrame* wheel() const { return wheel_; }
    PaletteView* palette() const { return palette_; }
    SchemeDesigner* scheme() const { return scheme_; }
    // The conversion panel, built on first use.
    ConversionPanel* converter();
    QToolBar* toolbar() const { return tlbTool_; }

    // Window commands.
    void toggleOnTop();
    void togglePaletteOnly();
    void snapToWebSafe();
    void showColorDialog();
    void popUpEditMenuOverSwatch(const QPoint& globalPos);
    // Edit > Undo / Redo: the typing in the box with the focus, else the current colour one step
    // back or forward in the colours it has taken.
    void stepHistory(bool back);
    // Help > Help Topics: help.chm for the desktop's viewer when it has one, else the help window.
    void showHelp();
    FrmHelp* helpWindow() const;

    // What Exit saves before the program ends: the window position; and the recent colours go.
    // Runs once; closing the window runs it, and so does a SIGTERM or SIGINT.
    void saveForExit();

    // Places the regions for the window's size: at the designed size exactly as designed; a
    // larger window gives the extra height to the wheel and palette row and to the scheme
    // designer (all of it to the row in palette-only mode), the extra width to the palette
    // grid and some to the wheel.
    void layOutRegions();

signals:
    // The window's first frame is on screen.
    void firstFrameShown();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void drawToolbarIcons();
    void wireCommands();
    void build();
    void placeWindow();
    void restoreSize();
    // Height the palette-only mode cuts off the window, in pixels.
    int paletteOnlyCut() const;
    void reportStartupProblems(const QStringList& found);
    // Start-up work the first frame does not need, run once that frame is on screen.
    void afterFirstFrame();
    QAction* addMenuEntry(QWidget* parentMenu, const struct MenuEntry& entry);
    void addCopySubmenus(QWidget* parentMenu);
    void addVisionChoices(QWidget* parentMenu);
    void showSimulationBanner();
    void copyColor();
    void updateHistoryActions();

    Platform& platform_;
    DisplayFilter* filter_ = nullptr;
    BadgeLabel* lblSimulation_ = nullptr;
    QWidget* central_ = nullptr;
    QToolBar* tlbTool_ = nullptr;
    CurrentColorEditors* editors_ = nullptr;
    ColorWheelFrame* wheel_ = nullptr;
    PaletteView* palette_ = nullptr;
    SchemeDesigner* scheme_ = nullptr;
    ConversionPanel* converter_ = nullptr;
    QPoint converterOffset_; // from its designed place, in a larger window
    QPointer<FrmHelp> help_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;

    ColorValue shownColor_ = kWhite;
    ColorHistory history_{kWhite};
    int fullHeight_ = 0;
    int addToCount_ = 0;
    bool shutDown_ = false;
    bool placedWithFrame_ = false;
    bool firstFrameSeen_ = false;
    bool toolbarDark_ = false; // the scheme the toolbar's icons are drawn for
};

} // namespace prismara
