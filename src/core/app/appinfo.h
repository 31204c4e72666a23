// appinfo.h - the program's name, version and home page, kept in one place.
#pragma once

namespace prismara {

inline constexpr const char* kProductName = "Prismara";
inline constexpr const char* kVersion = "4.6";
inline constexpr const char* kWindowCaption = "Prismara 4.6";
inline constexpr const char* kHomePage = "https://github.com/prismara/prismara";

} // namespace prismara
