// schemedesigner.h - the web colour scheme designer: style tabs, mock-up panels, saved schemes.
#pragma once

#include "colour/colorvalue.h"

#include <QWidget>

class QMenu;

namespace prismara {

class ColorHub;

class SchemeDesigner : public QWidget
{
    Q_OBJECT
public:
    // `popup` is mnuHtmlPop1, the menu the samples pop up.
    SchemeDesigner(ColorHub& hub, QMenu* popup, QWidget* parent);

    // Window build: stack the five panels in one place; fill the saved-scheme list of the
    // first style and load its first scheme.
    void setUpPanels();
    void fillSavedSchemes();

    // Gives `color` to the selected element of the visible style (unless palette-only or Lock).
    void HtmlColor(ColorValue color);
    // Drops the saved-scheme selection and disables both delete commands.
    void ClearSchemeSelection();

    // Height of the tab strip tabColor, in pixels (the palette-only mode cuts it off).
    int tabStripHeight() const;

private:
    ColorHub& hub_;
    QMenu* popup_;
};

} // namespace prismara
