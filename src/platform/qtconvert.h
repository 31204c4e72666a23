// qtconvert.h - texts and paths between Qt and the core: one encoding for each.
//
// The core keeps texts as 8-bit strings and paths as std::filesystem::path; Qt keeps both as
// QString. Texts cross as UTF-8 (the local 8-bit encoding of Qt on Linux), paths in the file
// system's own encoding.
#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace prismara {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) { return text.toStdString(); }

std::filesystem::path ToPath(const QString& path);
QString PathToQString(const std::filesystem::path& path);

} // namespace prismara
