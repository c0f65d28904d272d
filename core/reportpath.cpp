#include "reportpath.h"

#include "fileio.h"

#include <climits>

namespace orrery {

ReportPath splitReportPath(std::string_view path)
{
    ReportPath result;
    const std::size_t slash = path.rfind(directorySeparator);
    std::string_view folder = slash == std::string_view::npos ? std::string_view(".") : path.substr(0, slash);
    if (folder.empty()) folder = "/";
    result.turndirectory = withTrailingSeparator(std::string(folder));
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        result.reportext = std::string(name.substr(dot));
        name = name.substr(0, dot);
    }
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') --digits;
    result.reportname = std::string(name.substr(0, digits));
    const std::string_view number = name.substr(digits);
    if (!number.empty() && number.size() <= 9) {
        result.turn = 0;
        for (char c : number) result.turn = result.turn * 10 + (c - '0');
    } else if (!number.empty()) {
        result.turn = INT_MAX; // no report set is that long
    }
    return result;
}

} // namespace orrery
