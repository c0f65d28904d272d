#pragma once

// Report file names: turn directory + report name + turn number + extension, for example
// "/games/lyra/" + "alpha" + "15" + ".txt".

#include <optional>
#include <string>
#include <string_view>

namespace orrery {

struct ReportPath {
    std::string turndirectory; // ends with the platform's separator
    std::string reportname;    // without the turn number
    std::string reportext;     // with its dot; empty when the file has none
    int turn = -1;             // -1 when the name does not end in a number
};

// Splits a report's path: the extension is the file name's last "." and what follows, the turn
// number the digits before it, the report name what is left.
ReportPath splitReportPath(std::string_view path);

} // namespace orrery
