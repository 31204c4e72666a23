// toolbaricons.h - icons of the main toolbar: the desktop theme's, or simple drawn ones.
#pragma once

#include <QIcon>
#include <QString>

namespace prismara {

// The theme icon `themeName` when the desktop has it, else a small icon drawn for `tag`.
QIcon ToolbarIcon(const QString& tag, const QString& themeName);

// The application icon (a colour wheel), drawn at any size.
QIcon ApplicationIcon();

} // namespace prismara
