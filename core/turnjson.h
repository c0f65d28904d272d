#pragma once

#include "gamedata.h"

#include <string>

namespace orrery {

class JsonWriter;

// The shown turn with the values of the loaded game as one JSON object; record objects use the
// field names of the records.
std::string turnToJson(const Game& game);

void writeJson(JsonWriter& json, const planetrecord& p);
void writeJson(JsonWriter& json, const playerrecord& p);
void writeJson(JsonWriter& json, const grouprecord& g);
void writeJson(JsonWriter& json, const optiontype& o);

} // namespace orrery
