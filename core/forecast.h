#pragma once

// The planet forecast: what a planet produces now and at full population, as ship mass and as
// technology. The planet panel, the planet view, the your-planets table and the transporter
// planner all show these figures.
//
// Production is the industry plus a quarter of the population beyond it, or the population
// when the industry is larger. Each production point builds 1 / (10 + 1 / R) mass of ships at a
// planet of resources R (10 points per mass unit, plus the material, which costs 1 / R points per
// unit): mass = production x R / (10 x R + 1). Technology costs 5000 points per level. At full
// population the production is the planet's size.
//
// Every input may be the unknown value -1; every figure that needs an unknown input is -1.

#include "gamedata.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orrery {

struct PlanetForecast {
    double maxProduction = unknownvalue;
    double currentProduction = unknownvalue;
    double maxMass = unknownvalue;
    double currentMass = unknownvalue;
    double maxTech = unknownvalue;
    double currentTech = unknownvalue;
};

PlanetForecast planetForecast(double size, double population, double industry, double resources);
PlanetForecast planetForecast(const planetrecord& planet);

// The planet view's three forecast labels ("max./cur. production: ", "max./cur. mass: ",
// "max./cur. tech: " + max + " / " + current, three decimals): a label is empty when both of its
// values are -1 or less, and a single such value is shown as -1.000.
std::array<std::string, 3> forecastLabels(const PlanetForecast& forecast);

// The planet view's four value fields (size, resources, population, industry).
// Shown: two decimals, empty for a value of -1 or less.
std::string planetFieldText(double value);
// While typing: "Please enter a number!" for a non-empty text that is neither a number nor a
// number in progress ("12."); nothing otherwise.
std::optional<std::string> checkPlanetFieldTyping(std::string_view text);
// Leaving the field: "Please enter a number!" for a non-empty text that is not a number.
std::optional<std::string> checkPlanetFieldLeaving(std::string_view text);
// The value the forecast labels are recomputed from while typing: an empty field counts as 0.
double planetFieldTypingValue(std::string_view text);
// The value "Accept values" stores: an empty field is unknown (-1).
double planetFieldAcceptedValue(std::string_view text);

} // namespace orrery
