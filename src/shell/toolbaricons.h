// toolbaricons.h - icons of the main toolbar: the desktop theme's, or simple drawn ones.
#pragma once

#include <QIcon>
#include <QPalette>
#include <QString>

namespace prismara {

// The theme icon `themeName` when the desktop has it, else a small icon drawn for `tag` in ink
// that reads on `palette`.
QIcon ToolbarIcon(const QString& tag, const QString& themeName, const QPalette& palette);

// The application icon (a colour wheel), drawn at any size.
QIcon ApplicationIcon();

} // namespace prismara
