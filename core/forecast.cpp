#include "forecast.h"

#include "textrules.h"

namespace orrery {

namespace {

// Ship mass that production builds at a planet of these resources; unknown for the resources
// -0.1, which only a typed value can give and where the formula would divide by 0.
double shipMass(double production, double resources)
{
    const double divisor = 10 * resources + 1;
    return divisor == 0 ? unknownvalue : production * resources / divisor;
}

std::string pairLabel(const char* prefix, double maximum, double current)
{
    if (maximum <= unknownvalue && current <= unknownvalue) return {};
    const auto shown = [](double v) { return formatFixed(v <= unknownvalue ? unknownvalue : v, 0, 3); };
    return prefix + shown(maximum) + " / " + shown(current);
}

} // namespace

PlanetForecast planetForecast(double size, double population, double industry, double resources)
{
    PlanetForecast f;
    f.maxProduction = size;
    if (known(size) && known(resources)) f.maxMass = shipMass(size, resources);
    // The current figures need the resources too: without them the planet view and the panel
    // show no current production at all.
    if (known(population) && known(industry) && known(resources)) {
        f.currentProduction = population >= industry ? industry + (population - industry) / 4 : population;
        f.currentMass = shipMass(f.currentProduction, resources);
        f.currentTech = f.currentProduction / 5000;
    }
    if (known(size)) f.maxTech = size / 5000;
    return f;
}

PlanetForecast planetForecast(const planetrecord& p)
{
    return planetForecast(p.size, p.population, p.industry, p.resources);
}

std::array<std::string, 3> forecastLabels(const PlanetForecast& f)
{
    return {pairLabel("max./cur. production: ", f.maxProduction, f.currentProduction),
            pairLabel("max./cur. mass: ", f.maxMass, f.currentMass),
            pairLabel("max./cur. tech: ", f.maxTech, f.currentTech)};
}

std::string planetFieldText(double value) { return value <= unknownvalue ? std::string() : formatFixed(value, 0, 2); }

std::optional<std::string> checkPlanetFieldTyping(std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (t.empty() || isNumber(t) || isNumberInProgress(t)) return std::nullopt;
    return std::string("Please enter a number!");
}

std::optional<std::string> checkPlanetFieldLeaving(std::string_view text)
{
    const std::string_view t = trimmed(text);
    if (t.empty() || isNumber(t)) return std::nullopt;
    return std::string("Please enter a number!");
}

double planetFieldTypingValue(std::string_view text) { return readNumber(trimmed(text)); }

double planetFieldAcceptedValue(std::string_view text)
{
    const std::string_view t = trimmed(text);
    return t.empty() ? unknownvalue : readNumber(t);
}

} // namespace orrery
