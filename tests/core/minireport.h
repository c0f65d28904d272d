#pragma once

// Small hand-made reports for the tests of the intelligence and the session: a status table and
// planet tables in the layout of Standard Galaxy or GalaxyNG, nothing else unless asked.

#include <string>
#include <vector>

namespace orrery::test {

struct MiniPlayer {
    std::string name;
    double planets = 1;
    double drive = 1;
    double population = 1000, industry = 900;
};

struct MiniPlanet {
    std::string name;
    double x = 0, y = 0;
    // "own", "unidentified", "uninhabited", or another race's name.
    std::string table = "unidentified";
    double size = 1000;
};

struct MiniReport {
    bool galaxyng = true;
    std::string race = "Mine";
    int turn = 0;
    std::vector<MiniPlayer> players;
    std::vector<MiniPlanet> planets;
    bool map = true;
    std::string extra = {}; // appended as it is

    std::string text() const
    {
        std::string t;
        auto line = [&](const std::string& l) { t += l + "\r\n"; };
        if (galaxyng) line("\tGalaxyNG release-6-4, January 2005.");
        line("");
        line("\t\tGalaxy Game Mini Turn " + std::to_string(turn) + " Report for " + race);
        line("");
        line("\t\tStatus of Players");
        line("");
        line("N D W S C P I # R");
        for (const MiniPlayer& p : players)
            line(p.name + " " + std::to_string(p.drive) + " 1.00 1.00 1.00 " + std::to_string(p.population) +
                 " " + std::to_string(p.industry) + " " + std::to_string(static_cast<int>(p.planets)) +
                 (p.name == race ? " -" : " War"));
        line("");
        if (map) {
            line("0.00,0.00  100.00,0.00");
            line(std::string(80, '-'));
            line("");
            line("");
            line(std::string(80, '-'));
            line("0.00,100.00  100.00,100.00");
            line("");
        }
        auto table = [&](const std::string& heading, const std::string& kind) {
            std::vector<const MiniPlanet*> rows;
            for (const MiniPlanet& p : planets)
                if (p.table == kind) rows.push_back(&p);
            if (rows.empty()) return;
            line("\t\t" + heading);
            line("");
            line("N X Y S P I R P $ M C L");
            for (const MiniPlanet* p : rows) {
                const std::string pos = p->name + " " + std::to_string(p->x) + " " + std::to_string(p->y);
                if (kind == "unidentified")
                    line(pos);
                else if (kind == "uninhabited")
                    line(pos + " " + std::to_string(p->size) + " 1.00");
                else
                    line(pos + " " + std::to_string(p->size) + " 500.00 400.00 5.00 CAP 0 0 0 0");
            }
            line("");
        };
        table("Your Planets", "own");
        for (const MiniPlayer& p : players)
            if (p.name != race) table(p.name + " Planets", p.name);
        table("Unidentified Planets", "unidentified");
        table("Uninhabited Planets", "uninhabited");
        t += extra;
        return t;
    }
};

} // namespace orrery::test
