// datafilecheck.h - the data files of the program folder that are there but cannot be used.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace prismara {

// One sentence for each palette file the index names, "recent.rgb", and each scheme list and
// data file, that exists but is not a regular file, or (a scheme list) is larger than
// kSmallFileLimit: such a file is never opened for writing and reads as empty, so the user is
// told once, at start-up. The index itself is left to its reader, which reports it. Reads only.
std::vector<std::string> UnusableDataFiles(const std::filesystem::path& folder);

} // namespace prismara
