#include "testkit.h"

#include "testfiles.h"
#include "textrules.h"

#include <cstdlib>
#include <sys/wait.h>

namespace orrery::test {

Strings linesOf(std::string_view text)
{
    Strings lines;
    for (std::string_view line : splitLines(text)) lines.emplace_back(line);
    return lines;
}

namespace {

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

} // namespace

ProgramRun runProgram(const std::string& program, const Strings& arguments, const Strings& environment)
{
    TempDir tmp;
    std::string command;
    for (const std::string& e : environment) command += quoted(e) + " ";
    if (!environment.empty()) command = "env " + command;
    command += quoted(program);
    for (const std::string& a : arguments) command += " " + quoted(a);
    command += " > " + quoted(tmp.file("out")) + " 2> " + quoted(tmp.file("err"));
    ProgramRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readText(tmp.file("out"));
    run.err = readText(tmp.file("err"));
    return run;
}

planetrecord makePlanet(std::string_view name, double x, double y, std::int32_t ownercode, double size)
{
    planetrecord p;
    p.name = name;
    p.x = x;
    p.y = y;
    p.ownercode = ownercode;
    p.size = size;
    return p;
}

playerrecord makePlayer(std::string_view name, double planets, double drivetech)
{
    playerrecord p;
    p.name = name;
    p.planetcount = planets;
    p.drivetech = drivetech;
    return p;
}

shiptyperecord makeShipType(std::string_view name, std::string_view owner, double drive, double attacks,
                            double weapons, double shields, double cargo)
{
    shiptyperecord t;
    t.name = name;
    t.owner = owner;
    t.drive = drive;
    t.attacks = attacks;
    t.weapons = weapons;
    t.shields = shields;
    t.cargo = cargo;
    t.fromreport = 1;
    return t;
}

grouprecord makeGroup(double number, std::string_view type, double ships, std::string_view at, double distance)
{
    grouprecord g;
    g.name = type;
    g.groupnumber = number;
    g.shipcount = ships;
    g.location = at;
    g.distance = distance;
    g.drivetech = g.weapontech = g.shieldtech = g.cargotech = 1.0;
    return g;
}

} // namespace orrery::test
