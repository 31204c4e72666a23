// deferrediconstyle.h - the application style with the standard icons that only a toolbar or
// menu bar too narrow for its buttons shows (the extension arrows) read when first drawn.
//
// Every QToolBar and QMenuBar asks the style for its extension icon when it is built; the
// style reads it from an image file then, which loads the image readers. Prismara's bars always
// fit, so the icons are never drawn and need never be read.
#pragma once

#include <QProxyStyle>

namespace prismara {

class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // A proxy of `base` (the application's style, chosen by Qt or by -style), which it takes over.
    explicit DeferredIconStyle(QStyle* base);

    // Puts a proxy of the application's style in its place.
    static void install();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace prismara
