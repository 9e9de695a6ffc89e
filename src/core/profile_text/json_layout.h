#pragma once
// JSON text laid out for people: objects and lists of objects one member per line, lists of plain values
// (CPI levels, a button table, a macro's items) on one line.
#include <string>

#include <nlohmann/json.hpp>

namespace quendar::profile_text {

std::string LayOutJson(const nlohmann::ordered_json& json);

}  // namespace quendar::profile_text
