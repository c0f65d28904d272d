#pragma once

// The records of a turn as JSON: the form `orrery-cli turn --json` prints, and the one tests
// compare records in. Objects use the field names of the records.

#include "gamedata.h"
#include "jsonwriter.h"

#include <string>
#include <vector>

namespace orrery {

// The shown turn with the values of the loaded game as one JSON object.
std::string turnToJson(const Game& game);

void writeJson(JsonWriter& json, const planetrecord& p);
void writeJson(JsonWriter& json, const playerrecord& p);
void writeJson(JsonWriter& json, const grouprecord& g);
void writeJson(JsonWriter& json, const racegrouprecord& r);
void writeJson(JsonWriter& json, const shiptyperecord& t);
void writeJson(JsonWriter& json, const fleetrecord& f);
void writeJson(JsonWriter& json, const battlerecord& b);
void writeJson(JsonWriter& json, const routerecord& r);
void writeJson(JsonWriter& json, const bombingrecord& b);
void writeJson(JsonWriter& json, const incomingrecord& r);
void writeJson(JsonWriter& json, const mapmarkrecord& m);
void writeJson(JsonWriter& json, const turnintelrecord& r);
void writeJson(JsonWriter& json, const optiontype& o);

// One record, or a list of records, as a JSON text.
template <class Record>
std::string toJson(const Record& record)
{
    JsonWriter json;
    writeJson(json, record);
    return json.text();
}
template <class Record>
std::string toJson(const std::vector<Record>& records)
{
    JsonWriter json;
    json.beginArray();
    for (const Record& r : records) writeJson(json, r);
    json.endArray();
    return json.text();
}

} // namespace orrery
