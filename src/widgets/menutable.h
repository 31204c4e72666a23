// menutable.h - the main window's menu bar, its pop-up menu and its main toolbar, as data.
//
// One table per structure; the window builds its menus and toolbar from them and looks the
// resulting actions up by name. Order in the tables is display order.
#pragma once

#include "core/formats/paletteformat.h"

#include <QKeySequence>

#include <span>
#include <string>
#include <string_view>

namespace prismara {

enum class MenuKind {
    Menu,
    Submenu,
    Item,
    Separator,
    CopySubmenus, // the Copy submenus and their entries, from the notation table (core/colour/notations.h)
    VisionChoices, // "Normal vision" and one entry per deficiency (core/access/cvd.h), one checked at a time
    TextPaletteFormats, // one entry per palette format written as text (core/formats/paletteformat.h)
};

struct MenuEntry
{
    std::string_view name;     // objectName of the QMenu / QAction
    std::string_view caption;  // "&" marks the access key
    std::string_view parent;   // "" for a menu of the menu bar
    MenuKind kind;
    bool hidden = false;
    bool disabled = false;
    bool checkable = false;
    bool checked = false;
};

inline constexpr MenuEntry kMenuBar[] = {
    {"mnufile", "&File", "", MenuKind::Menu},
    {"mnuNew", "&New Color Palette...", "mnufile", MenuKind::Item},
    {"mnuImportPalette", "&Import Palette...", "mnufile", MenuKind::Item},
    {"mnuExportPalette", "&Export Palette...", "mnufile", MenuKind::Item},
    {"mnuPickImage", "&Pick From Image…", "mnufile", MenuKind::Item},
    {"mnuPickClipboard", "Pick From &Clipboard Image", "mnufile", MenuKind::Item},
    {"filesep1", "-", "mnufile", MenuKind::Separator},
    {"mnuExit", "E&xit", "mnufile", MenuKind::Item},

    {"mnuEdit", "&Edit", "", MenuKind::Menu},
    {"mnuUndo", "&Undo", "mnuEdit", MenuKind::Item, false, true},
    {"mnuRedo", "&Redo", "mnuEdit", MenuKind::Item, false, true},
    {"editsep5", "-", "mnuEdit", MenuKind::Separator},
    {"mnuCopy", "Cop&y", "mnuEdit", MenuKind::Item},
    {"mnuPaste", "&Paste", "mnuEdit", MenuKind::Item},
    {"editsep6", "-", "mnuEdit", MenuKind::Separator},
    {"", "", "mnuEdit", MenuKind::CopySubmenus},
    {"editsep2", "-", "mnuEdit", MenuKind::Separator, true},
    {"mnuAddto", "Add This Color To", "mnuEdit", MenuKind::Submenu, true},
    {"mnuAddChart0", "Addto", "mnuAddto", MenuKind::Item},
    {"mnuCopyPaletteAs", "Copy Palette &As", "mnuEdit", MenuKind::Submenu, true},
    {"", "", "mnuCopyPaletteAs", MenuKind::TextPaletteFormats},
    {"editsep3", "-", "mnuEdit", MenuKind::Separator},
    {"mnuDelCor", "&Delete Selected Color", "mnuEdit", MenuKind::Item},
    {"mnuDelChart", "Delete &Current Palette", "mnuEdit", MenuKind::Item},
    {"editsep1", "-", "mnuEdit", MenuKind::Separator},
    {"mnuCleanDup", "Clear Duplicate Colors", "mnuEdit", MenuKind::Item},
    {"mnuCleanAll", "Clear All Colors", "mnuEdit", MenuKind::Item},
    {"editsep4", "-", "mnuEdit", MenuKind::Separator, true},
    {"mnuViewColor", "Preview: Show Color Details", "mnuEdit", MenuKind::Item, true},
    {"mnuconv", "Color Conversion", "mnuEdit", MenuKind::Item, true},

    {"mnuTool", "&Tool", "", MenuKind::Menu},
    {"mnustartpick", "Screen Color &Picker", "mnuTool", MenuKind::Item},
    {"mnuQuickPick", "&Quick Pick", "mnuTool", MenuKind::Item},
    {"mnuColorManaged", "Color-&Managed Picking", "mnuTool", MenuKind::Item, false, false, true, true},
    {"mnuWebsafe", "Snap to &Web Safe", "mnuTool", MenuKind::Item, false, true},
    {"mnuShowWinColor", "&Show Windows Color Dialog", "mnuTool", MenuKind::Item},
    {"mnucon", "Color &Conversion", "mnuTool", MenuKind::Item},

    {"mnuView", "&View", "", MenuKind::Menu},
    {"mnyColorWheel", "Color Wheel", "mnuView", MenuKind::Submenu},
    {"mnuRGBWheel", "RGB Color Wheel", "mnyColorWheel", MenuKind::Item, false, false, true, true},
    {"mnuRYBWheel", "RYB Color Wheel", "mnyColorWheel", MenuKind::Item, false, false, true, false},
    {"mnuOKLCHWheel", "OKLCH Color Wheel", "mnyColorWheel", MenuKind::Item, false, false, true, false},
    {"mnuColorSquare", "&Display Color Wheel in Square", "mnuView", MenuKind::Item, false, false, true},
    {"mnuSwap", "Only &Show Color Palette", "mnuView", MenuKind::Item, false, false, true},
    {"mnuOnTop", "&Always On Top", "mnuView", MenuKind::Item, false, false, true},
    {"viewsep1", "-", "mnuView", MenuKind::Separator},
    {"mnuVision", "Simulate Color &Vision", "mnuView", MenuKind::Submenu},
    {"", "", "mnuVision", MenuKind::VisionChoices},

    {"mnuhelp", "&Help", "", MenuKind::Menu},
    {"mnucontents", "&Help Topics", "mnuhelp", MenuKind::Item},
    {"mnuhelpsep1", "-", "mnuhelp", MenuKind::Separator},
    {"mnuWeb", "&Visit Our Website", "mnuhelp", MenuKind::Item},
    {"mnuabout", "&About Prismara", "mnuhelp", MenuKind::Item},
};

// The pop-up of the web scheme samples; hidden in the menu bar.
inline constexpr MenuEntry kSchemePopup[] = {
    {"mnuHtmlPop1", "HtmlPop1", "", MenuKind::Menu, true},
    {"mnuSaveScheme", "Save Current Color scheme...", "mnuHtmlPop1", MenuKind::Item},
    {"mnuViewCode", "View Html and CSS Code", "mnuHtmlPop1", MenuKind::Item},
    {"pop1sep1", "-", "mnuHtmlPop1", MenuKind::Separator},
    {"mnuCopyHtml", "Copy Html Code", "mnuHtmlPop1", MenuKind::Item},
    {"mnuCopyInline", "Copy Inline Css Code", "mnuHtmlPop1", MenuKind::Item},
    {"mnuCopyExternal", "Copy External Css Code", "mnuHtmlPop1", MenuKind::Item},
    {"pop1sep2", "-", "mnuHtmlPop1", MenuKind::Separator},
    {"mnuShowweb", "Preview", "mnuHtmlPop1", MenuKind::Item},
};

// Entries of the Edit menu that show only when it pops up over the current colour, and the
// palette entries it hides there.
inline constexpr std::string_view kSwatchPopupShown[] = {"editsep2", "mnuAddto", "editsep4", "mnuViewColor",
                                                         "mnuconv"};
inline constexpr std::string_view kSwatchPopupHidden[] = {
    "mnuUndo", "mnuRedo",  "editsep5",    "mnuCopy",     "mnuPaste",   "editsep6",
    "editsep3", "mnuDelCor", "mnuDelChart", "editsep1", "mnuCleanDup", "mnuCleanAll"};
// Entries that show only when the Edit menu pops up over a palette cell.
inline constexpr std::string_view kCellPopupShown[] = {"editsep4", "mnuViewColor", "mnuAddto", "editsep2",
                                                       "mnuCopyPaletteAs"};

// The entries of Copy Palette As: one per palette format written as text, named
// kCopyPaletteEntryPrefix + the format's id with a capital first letter ("mnuCopyPaletteAsGpl").
// Binary formats (Adobe Swatch Exchange, Adobe Color) are not offered: the clipboard holds text.
inline constexpr std::string_view kCopyPaletteEntryPrefix = "mnuCopyPaletteAs";

inline bool OffersCopyPaletteAs(const PaletteFormat& format) { return format.write && !format.binary; }

inline std::string CopyPaletteEntryName(const PaletteFormat& format)
{
    std::string name(kCopyPaletteEntryPrefix);
    name += format.id;
    name[kCopyPaletteEntryPrefix.size()] = static_cast<char>(name[kCopyPaletteEntryPrefix.size()] - 'a' + 'A');
    return name;
}

// "GIMP palette (.gpl)"
inline std::string CopyPaletteEntryCaption(const PaletteFormat& format)
{
    std::string caption(format.title);
    if (!format.extensions.empty())
        caption.append(" (").append(format.extensions.front()).append(")");
    return caption;
}

// Keyboard shortcuts of menu entries, shown in the menus: the desktop's standard key where there
// is one, else `keys` (portable text, "Ctrl+Shift+P"), also where the desktop binds no key to the
// standard one.
struct MenuShortcut
{
    std::string_view entry;
    QKeySequence::StandardKey standardKey;
    std::string_view keys = "";
};

inline constexpr MenuShortcut kMenuShortcuts[] = {
    {"mnuNew", QKeySequence::New},
    {"mnuExit", QKeySequence::Quit, "Ctrl+Q"},
    {"mnuUndo", QKeySequence::Undo},
    {"mnuRedo", QKeySequence::Redo},
    {"mnuCopy", QKeySequence::Copy},
    {"mnuPaste", QKeySequence::Paste},
    {"mnuDelCor", QKeySequence::Delete},
    {"mnustartpick", QKeySequence::UnknownKey, "Ctrl+Shift+P"},
    {"mnucon", QKeySequence::UnknownKey, "Ctrl+K"},
    {"mnucontents", QKeySequence::HelpContents},
};

// The entries of the colour-vision choice: normal vision, then one per deficiency, named
// kVisionEntryPrefix + the deficiency's caption word ("mnuVisionProtanopia").
inline constexpr std::string_view kVisionNormalEntry = "mnuVisionNormal";
inline constexpr std::string_view kVisionNormalCaption = "Normal vision";
inline constexpr std::string_view kVisionEntryPrefix = "mnuVision";

struct ToolbarButton
{
    int number;                  // 1-based position
    std::string_view tag;        // "" for a separator
    std::string_view toolTip;
    std::string_view action;     // the menu entry whose command it runs; "" = an action of its own
    std::string_view themeIcon;  // freedesktop icon name
};

inline constexpr ToolbarButton kMainToolbar[] = {
    {1, "pickcolor", "Screen Color picker", "mnustartpick", "color-picker"},
    {2, "makewebsafe", "Make current color web safe", "mnuWebsafe", "applications-internet"},
    {3, "showcolor", "Show windows color dialog", "mnuShowWinColor", "color-management"},
    {4, "colorconversion", "Color Conversion", "mnucon", "view-refresh"},
    {5, "", "", "", ""},
    {6, "colorsquare", "Display Color Wheel in a Square", "mnuColorSquare", "view-grid"},
    {7, "colorchart", "Only show color palette", "mnuSwap", "view-restore"},
    {8, "ontop", "Always on top", "mnuOnTop", "go-top"},
    {9, "", "", "", ""},
    {10, "addnew", "Add a new color palette", "mnuNew", "document-new"},
    {11, "prevpage", "Previous page of current color palette", "", "go-previous"},
    {12, "nextpage", "Next page of current color palette", "", "go-next"},
    {13, "clearduplicate", "Clear duplicate colors", "mnuCleanDup", "edit-clear"},
};

} // namespace prismara
