// datafilecheck.cpp - the start-up check of the data files.
#include "core/app/datafilecheck.h"

#include "core/files/fileio.h"
#include "core/palette/chartindex.h"
#include "core/scheme/schemestyles.h"

#include <set>

namespace prismara {

std::vector<std::string> UnusableDataFiles(const std::filesystem::path& folder)
{
    std::vector<std::string> out;
    std::set<std::string> seen;
    auto check = [&](const std::string& name, std::size_t limit) {
        if (!seen.insert(name).second)
            return;
        const std::filesystem::path path = folder / name;
        if (const FileResult usable = CheckDataFile(path); !usable)
            out.push_back(name + ": " + usable.reason() + "; it is left as it is and read as empty");
        else if (limit > 0 && FileSize(path) > limit)
            out.push_back(name + ": larger than " + std::to_string(limit >> 20) +
                          " MiB, the most it may hold; it is left as it is and read as empty");
    };
    std::string index;
    if (ReadWholeFile(folder / kChartIndexFile, index, kSmallFileLimit)) {
        std::vector<std::string> lines = SplitLines(index);
        std::erase_if(
            lines, [](const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; });
        for (std::size_t i = 0; i + 2 < lines.size(); i += 3)
            if (ChartIndex::isPlainFileName(lines[i]))
                check(lines[i], 0);
    }
    check(std::string(kRecentFile), 0);
    for (const SchemeStyle& style : SchemeStyles::all()) {
        check(style.listFileName(), kSmallFileLimit);
        check(style.dataFileName(), 0);
    }
    return out;
}

} // namespace prismara
