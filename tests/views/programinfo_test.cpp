// What the about box reports: the build's version and the memory figures of a status file.

#include "programinfo.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orrery;

TEST(ProgramInfo, VersionComesFromTheBuild)
{
    const std::string version = programVersion();
    EXPECT_NE(version, "unknown");
    EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 2) << version;
}

TEST(ProgramInfo, ParsesProcessStatus)
{
    const ProcessMemory memory = parseProcessStatus("Name:\torrery\n"
                                                    "VmPeak:\t  300000 kB\n"
                                                    "VmSize:\t  250000 kB\n"
                                                    "VmHWM:\t   52000 kB\n"
                                                    "VmRSS:\t   48000 kB\n"
                                                    "Threads:\t1\n");
    EXPECT_EQ(memory.residentKb, 48000);
    EXPECT_EQ(memory.peakResidentKb, 52000);
    EXPECT_EQ(memory.virtualKb, 250000);

    const ProcessMemory missing = parseProcessStatus("Name:\tx\nVmRSS:\tlots\n");
    EXPECT_EQ(missing.residentKb, -1);
    EXPECT_EQ(missing.virtualKb, -1);
}
