// schemedesigner.cpp - the web colour scheme designer.
#include "scheme/schemedesigner.h"

#include "app/colorhub.h"

namespace prismara {

SchemeDesigner::SchemeDesigner(ColorHub& hub, QMenu* popup, QWidget* parent)
    : QWidget(parent), hub_(hub), popup_(popup)
{
    setObjectName("fraSchemeDesigner");
}

void SchemeDesigner::setUpPanels() {}
void SchemeDesigner::fillSavedSchemes() {}
void SchemeDesigner::HtmlColor(ColorValue) {}
void SchemeDesigner::ClearSchemeSelection() {}
int SchemeDesigner::tabStripHeight() const { return 230; }

} // namespace prismara
