// desktoppalette.h - following the desktop's light or dark colour scheme.
//
// The program's own chrome takes its colours from the palette where a role fits; where it keeps a
// colour of its own (an icon's ink, a warning's text), it picks the light-scheme or the
// dark-scheme one by the window's background.
#pragma once

#include <QColor>
#include <QPalette>

namespace prismara {

// A dark scheme: the window's background is darker than mid-grey.
inline bool IsDarkPalette(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

// `onLight` on a light scheme, `onDark` on a dark one.
inline QColor SchemeColor(const QPalette& palette, const QColor& onLight, const QColor& onDark)
{
    return IsDarkPalette(palette) ? onDark : onLight;
}

} // namespace prismara
