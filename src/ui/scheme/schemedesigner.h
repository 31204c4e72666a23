// schemedesigner.h - the web colour scheme designer: style tabs, mock-up panels, saved schemes.
//
// The designer owns the colours of every sample (a SchemeState); the panels only mirror them.
// The visible style is always the one whose tab caption is selected in tabColor. Its scheme
// toolbar also holds "Fix Contrast" for AA and AAA (FixContrastAA, FixContrastAAA), and beside
// the Lock box lblVisionWarning tells when, under the colour-vision simulation, colours of the
// visible scheme look alike.
#pragma once

#include "core/colour/colorvalue.h"
#include "core/scheme/schemecontrast.h"
#include "core/scheme/schemestate.h"

#include <QWidget>

#include <cstddef>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;

namespace prismara {

class BadgeLabel;

class ColorHub;
class SchemeFiles;
class SchemePanel;
class SchemeSample;
struct SchemeFileResult;

class SchemeDesigner : public QWidget
{
    Q_OBJECT
public:
    // `popup` is mnuHtmlPop1, the menu the samples pop up.
    SchemeDesigner(ColorHub& hub, QMenu* popup, QWidget* parent);
    ~SchemeDesigner() override;

    // Window build: stack the five panels in one place; fill the saved-scheme list of the
    // first style and load its first scheme.
    void setUpPanels();
    void fillSavedSchemes();

    // Gives `color` to the selected element of the visible style (unless palette-only or Lock).
    void HtmlColor(ColorValue color);
    // Drops the saved-scheme selection and disables both delete commands.
    void ClearSchemeSelection();

    // Height of the tab strip tabColor with the pane it heads, in pixels (the palette-only
    // mode cuts it off).
    int tabStripHeight() const;

    // Scheme commands (pop-up menu and scheme toolbar).
    void SaveColorScheme();
    void deleteRememberedScheme();
    // Moves the selected element's OKLCH lightness by the least amount with which every contrast
    // pair it takes part in meets `level`; the fixed colour becomes the current colour.
    void fixContrast(ContrastLevel level);

    const SchemeState& state() const { return state_; }
    // The style on view, by its tab caption.
    std::size_t visibleStyle() const;
    // The list position of the scheme last loaded from the list.
    int selSchemeIndex() const { return selSchemeIndex_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A larger designer gives its extra height to the mock-up and the saved-scheme list, and its
    // extra width to the mock-up (keeping the page's proportions) and then to the list.
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildTabs();
    void buildSchemeCommands();
    // The panel of `style`, built on first use.
    SchemePanel* panel(std::size_t style);
    void wirePopup();
    void switchStyle();
    void fillList(std::size_t style);
    void schemeSelected();
    void samplePicked(SchemePanel* panel, const QString& sample);
    // Colours dragged out of a sample (the colour a click on it picks) and dropped on one (they
    // paint the element the sample belongs to, unless the scheme is locked).
    void takeSampleDrops(SchemePanel* panel);
    void dragSample(SchemePanel* panel, SchemeSample* sample);
    QString sampleDropRefusal(const SchemePanel* panel, const QString& sample) const;
    void paintDroppedColor(SchemePanel* panel, const QString& sample, ColorValue color);
    void showPopup(bool allEntries, const QPoint& globalPos);
    void setDeleteEnabled(bool enabled);
    void lock(bool locked);
    void refresh(std::size_t style);
    void updateFixCommands();
    void updateVisionWarning();
    void reloadList(std::size_t style);
    void reportFailure(const QString& title, const QString& what, const SchemeFileResult& result);
    SchemeFiles filesOf(std::size_t style) const;

    ColorHub& hub_;
    QMenu* popup_;
    SchemeState state_;
    QTabBar* tabColor_ = nullptr;
    QWidget* pane_ = nullptr;
    std::vector<SchemePanel*> panels_; // null until built
    QSize panelSize_; // once the designer grew
    bool locked_ = false;
    QWidget* picSchemeTbar_ = nullptr;
    QToolBar* tlbColorScheme_ = nullptr;
    QAction* saveButton_ = nullptr;
    QAction* deleteButton_ = nullptr;
    QAction* fixAaButton_ = nullptr;
    QAction* fixAaaButton_ = nullptr;
    BadgeLabel* lblVisionWarning_ = nullptr;
    QListWidget* lstCorset_ = nullptr;
    QPushButton* cmdDelItem_ = nullptr;
    QCheckBox* chkPause_ = nullptr;
    int selSchemeIndex_ = 0;
    bool fillingList_ = false;
};

} // namespace prismara
