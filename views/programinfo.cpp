#include "programinfo.h"

#include "textrules.h"

#include <fstream>
#include <sstream>

#ifndef ORRERY_VERSION
#define ORRERY_VERSION "unknown"
#endif

namespace orrery {

std::string programVersion() { return ORRERY_VERSION; }

ProcessMemory parseProcessStatus(std::string_view statusText)
{
    ProcessMemory memory;
    std::size_t begin = 0;
    while (begin < statusText.size()) {
        std::size_t end = statusText.find('\n', begin);
        if (end == std::string_view::npos) end = statusText.size();
        const std::string_view line = statusText.substr(begin, end - begin);
        begin = end + 1;
        // "VmRSS:\t   12345 kB"
        const std::string_view name = field(line, 1);
        const std::string_view value = field(line, 2);
        if (!isNumber(value)) continue;
        const auto kb = static_cast<std::int64_t>(readNumber(value));
        if (name == "VmRSS:") memory.residentKb = kb;
        else if (name == "VmHWM:") memory.peakResidentKb = kb;
        else if (name == "VmSize:") memory.virtualKb = kb;
    }
    return memory;
}

ProcessMemory currentProcessMemory()
{
    std::ifstream in("/proc/self/status");
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return parseProcessStatus(text.str());
}

} // namespace orrery
