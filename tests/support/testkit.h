#pragma once

// The helpers every test folder shares: running a program of the project, building records,
// comparing records through their JSON form, and lists of strings.

#include "gamedata.h"
#include "turnjson.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace orrery::test {

using Strings = std::vector<std::string>;

// The lines of a text (CR LF, LF or CR), without their ends.
Strings linesOf(std::string_view text);

// A program run to its end: exit status (-1 when it did not exit), standard output and error.
struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};
// Runs a program with arguments (each passed as it is) and extra environment ("NAME=value").
ProgramRun runProgram(const std::string& program, const Strings& arguments, const Strings& environment = {});

// Records with the values tests usually need; the rest keep their defaults.
planetrecord makePlanet(std::string_view name, double x, double y, std::int32_t ownercode = ocOther,
                        double size = 500);
playerrecord makePlayer(std::string_view name, double planets = 1, double drivetech = 1);
shiptyperecord makeShipType(std::string_view name, std::string_view owner, double drive, double attacks,
                            double weapons, double shields, double cargo);
grouprecord makeGroup(double number, std::string_view type, double ships, std::string_view at, double distance = 0);

// Compares records (or lists of records) through their JSON form: a difference shows the whole
// record that differs.
template <class Record>
void expectSameRecords(const std::vector<Record>& actual, const std::vector<Record>& expected)
{
    ASSERT_EQ(actual.size(), expected.size()) << toJson(actual);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(toJson(actual[i]), toJson(expected[i])) << "record " << i;
}
template <class Record>
void expectSameRecord(const Record& actual, const Record& expected)
{
    EXPECT_EQ(toJson(actual), toJson(expected));
}

} // namespace orrery::test
