// qtconvert.cpp - paths between QString and std::filesystem::path.
#include "platform/qtconvert.h"

#include <QFile>

namespace prismara {

std::filesystem::path ToPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString PathToQString(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

} // namespace prismara
