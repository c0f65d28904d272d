// orrery-cli design D A W S C [--tech dT wT sT cT] [--planet POP IND RES MAT] [--json]
// orrery-cli forecast SIZE POP IND RES [--json]
//
// The ship designer's and the planet view's calculations from the shell. The design values and
// technologies must pass the designer's field checks (the window would reset such a field to 1);
// planet values of -1 are unknown.

#include "commands.h"
#include "forecast.h"
#include "jsonwriter.h"
#include "shipdesign.h"
#include "textrules.h"

#include <array>
#include <cstdio>
#include <optional>

using namespace orrery;

namespace orrery::cli {

namespace {

// The command's numbers: the positional ones and the groups of four after an option.
struct NumberArgs {
    std::vector<std::string> positional;
    std::optional<std::array<std::string, 4>> tech;
    std::optional<std::array<std::string, 4>> planet;
    bool json = false;
};

// Reads the arguments; a message when they are bad.
std::optional<std::string> readArgs(const std::vector<std::string>& args, bool options, NumberArgs& out)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            out.json = true;
        } else if (options && (a == "--tech" || a == "--planet")) {
            std::array<std::string, 4> values;
            for (std::string& v : values) {
                if (++i >= args.size() || !isNumber(args[i])) return a + " needs four numbers";
                v = args[i];
            }
            (a == "--tech" ? out.tech : out.planet) = values;
        } else if (isNumber(a)) {
            out.positional.push_back(a);
        } else if (!a.empty() && a.front() != '-') {
            return a + " is not a number";
        } else {
            return "unexpected argument " + a;
        }
    }
    return std::nullopt;
}

void printDesignText(const ShipDesign& design, const std::optional<double>* number)
{
    const DesignTexts t = designTexts(design);
    std::string text;
    for (const auto& row : t.table) {
        char line[128];
        std::snprintf(line, sizeof line, "%-9s%11s%11s%11s%11s%11s\n", row[0].c_str(), row[1].c_str(),
                      row[2].c_str(), row[3].c_str(), row[4].c_str(), row[5].c_str());
        text += line;
    }
    text += t.costs + "\n" + t.capacity + "\n";
    if (number) text += numberPerTurnText(*number) + "\n";
    print(stdout, text);
}

void printDesignJson(const ShipDesign& design, const std::optional<double>* number)
{
    JsonWriter j;
    j.beginObject().field("mass", design.mass);
    if (const auto& f = design.figures) {
        j.field("loadedmass", f->loaded.mass);
        j.field("speed", f->unloaded.speed).field("loadedspeed", f->loaded.speed);
        j.field("pkill", f->unloaded.pkill).field("loadedpkill", f->loaded.pkill);
        j.field("weakestkill", f->unloaded.weakestkill).field("loadedweakestkill", f->loaded.weakestkill);
        j.field("surekill", f->unloaded.surekill).field("loadedsurekill", f->loaded.surekill);
        j.field("cost", f->cost).field("capacity", f->capacity);
        if (number) j.field("numberperturn", number->value_or(unknownvalue));
    }
    j.endObject();
    print(stdout, j.text());
}

} // namespace

int commandDesign(const std::vector<std::string>& args)
{
    NumberArgs a;
    if (const auto bad = readArgs(args, true, a)) return badArguments(*bad);
    if (a.positional.size() < 5) return badArguments("design needs five numbers: drive attacks weapons shields cargo");
    if (a.positional.size() > 5) return badArguments("unexpected argument " + a.positional[5]);

    // The designer's field checks, in the order of its fields.
    static const char* const names[] = {"drive",       "attacks",      "weapons",      "shields",    "cargo",
                                        "drive tech", "weapons tech", "shields tech", "cargo tech"};
    std::array<std::string, 9> fields;
    std::array<double, 9> v{};
    for (std::size_t i = 0; i < 9; ++i) {
        fields[i] = i < 5 ? a.positional[i] : a.tech ? (*a.tech)[i - 5] : "1";
        const FieldCheck check = checkDesignFieldTyping(static_cast<DesignField>(i), fields[i]);
        if (!check.message.empty()) return badArguments(std::string(names[i]) + ": " + check.message);
        v[i] = designFieldValue(fields[i]);
    }

    const ShipDesign design = computeDesign({v[0], v[1], v[2], v[3], v[4]}, {v[5], v[6], v[7], v[8]});
    std::optional<double> number;
    if (a.planet) {
        const std::array<std::string, 4>& p = *a.planet;
        number = numberPerTurn(design.mass, readNumber(p[0]), readNumber(p[1]), readNumber(p[2]), readNumber(p[3]));
    }
    const std::optional<double>* shownNumber = a.planet ? &number : nullptr;
    if (a.json)
        printDesignJson(design, shownNumber);
    else
        printDesignText(design, shownNumber);
    return 0;
}

int commandForecast(const std::vector<std::string>& args)
{
    NumberArgs a;
    if (const auto bad = readArgs(args, false, a)) return badArguments(*bad);
    if (a.positional.size() < 4) return badArguments("forecast needs four numbers: size population industry resources");
    if (a.positional.size() > 4) return badArguments("unexpected argument " + a.positional[4]);
    const PlanetForecast f = planetForecast(readNumber(a.positional[0]), readNumber(a.positional[1]),
                                            readNumber(a.positional[2]), readNumber(a.positional[3]));
    if (a.json) {
        JsonWriter j;
        j.beginObject();
        j.field("maxproduction", f.maxProduction).field("production", f.currentProduction);
        j.field("maxmass", f.maxMass).field("mass", f.currentMass);
        j.field("maxtech", f.maxTech).field("tech", f.currentTech);
        j.endObject();
        print(stdout, j.text());
        return 0;
    }
    // The planet view's labels; one whose two values are both unknown is empty there.
    static const char* const captions[] = {"max./cur. production:", "max./cur. mass:", "max./cur. tech:"};
    const std::array<std::string, 3> labels = forecastLabels(f);
    std::string text;
    for (int i = 0; i < 3; ++i)
        text += (labels[i].empty() ? std::string(captions[i]) + " cannot be computed" : labels[i]) + "\n";
    print(stdout, text);
    return 0;
}

} // namespace orrery::cli
