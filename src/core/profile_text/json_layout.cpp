#include "core/profile_text/json_layout.h"

#include <algorithm>

namespace quendar::profile_text {
namespace {

constexpr int kIndent = 2;
constexpr std::size_t kLineWidth = 110;

bool Plain(const nlohmann::ordered_json& json) {
  return std::all_of(json.begin(), json.end(), [](const auto& v) { return v.is_primitive(); });
}

// An object of plain members short enough for one line, as {"a": 1, "b": "x"}.
std::string OneLine(const nlohmann::ordered_json& json) {
  std::string text = "{";
  for (const auto& [key, value] : json.items()) {
    text += (text.size() > 1 ? ", " : "") + nlohmann::ordered_json(key).dump() + ": " + value.dump();
  }
  return text + "}";
}

void LayOut(const nlohmann::ordered_json& json, int depth, std::string& text) {
  const std::string inner(static_cast<std::size_t>(kIndent * (depth + 1)), ' ');
  const std::string outer(static_cast<std::size_t>(kIndent * depth), ' ');
  if (json.is_object() && !json.empty() && Plain(json)) {
    if (std::string line = OneLine(json); line.size() + outer.size() <= kLineWidth) {
      text += line;
      return;
    }
  }
  if (json.is_object() && !json.empty()) {
    text += "{\n";
    std::size_t i = 0;
    for (const auto& [key, value] : json.items()) {
      text += inner + nlohmann::ordered_json(key).dump() + ": ";
      LayOut(value, depth + 1, text);
      text += ++i < json.size() ? ",\n" : "\n";
    }
    text += outer + "}";
    return;
  }
  if (json.is_array() && !json.empty() && !Plain(json)) {
    text += "[\n";
    for (std::size_t i = 0; i < json.size(); ++i) {
      text += inner;
      LayOut(json[i], depth + 1, text);
      text += i + 1 < json.size() ? ",\n" : "\n";
    }
    text += outer + "]";
    return;
  }
  if (json.is_array()) {
    text += "[";
    for (std::size_t i = 0; i < json.size(); ++i) text += (i ? ", " : "") + json[i].dump();
    text += "]";
    return;
  }
  text += json.dump();
}

}  // namespace

std::string LayOutJson(const nlohmann::ordered_json& json) {
  std::string text;
  LayOut(json, 0, text);
  return text + "\n";
}

}  // namespace quendar::profile_text
