#pragma once

// What the about box tells of the running program: its version (from the build) and the memory
// the process uses.

#include <cstdint>
#include <string>
#include <string_view>

namespace orrery {

// The program's version as the build names it, for example "0.1.0".
std::string programVersion();

// Memory figures of the process in KiB; -1 where the system does not tell.
struct ProcessMemory {
    std::int64_t residentKb = -1;     // in use now (resident set)
    std::int64_t peakResidentKb = -1; // most in use so far
    std::int64_t virtualKb = -1;      // address space reserved
};

// Reads the figures from the text of a Linux /proc/<pid>/status file ("VmRSS:", "VmHWM:",
// "VmSize:" lines).
ProcessMemory parseProcessStatus(std::string_view statusText);
// The figures of this process (all -1 where /proc is not available).
ProcessMemory currentProcessMemory();

} // namespace orrery
