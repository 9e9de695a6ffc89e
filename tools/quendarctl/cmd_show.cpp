// quendarctl show PROFILE.bin [--json]: every field of a profile data file by name.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <ostream>

#include "command_registry.h"
#include "core/profiles/cpi_levels.h"
#include "core/text/hex.h"
#include "profile_file_reader.h"

namespace quendar::ctl {
namespace {

using profiles::ProfileRecord;
using profiles::RecordField;

std::string HexOffset(std::size_t offset) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%03zX", offset);
  return text;
}

std::string FieldLabel(const RecordField& f) { return f.name.empty() ? std::string("reserved") : std::string(f.name); }

nlohmann::ordered_json FieldJson(const ProfileRecord& record, const RecordField& f) {
  const auto bytes = record.Field(f);
  if (f.count == 1) return bytes[0];
  const bool colours = f.name == profiles::field::kCpiStageColor.name;
  const bool macros = f.name == profiles::field::kMacroTable.name;
  const std::size_t group = colours ? 3 : (macros ? profiles::kMacroBlockSize : 0);
  nlohmann::ordered_json array = nlohmann::ordered_json::array();
  if (group == 0) {
    for (auto b : bytes) array.push_back(b);
    return array;
  }
  for (std::size_t start = 0; start < bytes.size(); start += group) {
    nlohmann::ordered_json part = nlohmann::ordered_json::array();
    for (std::size_t i = start; i < start + group; ++i) part.push_back(bytes[i]);
    array.push_back(std::move(part));
  }
  return array;
}

void PrintText(std::ostream& out, const profiles::DataFileContents& contents) {
  const ProfileRecord& record = contents.record;
  out << "FirstRunFlag: " << int(contents.firstRunFlag) << "\n";
  for (const RecordField& f : profiles::kRecordLayout) {
    out << FieldLabel(f) << " (" << HexOffset(f.offset) << "):";
    const auto bytes = record.Field(f);
    if (f.name == profiles::field::kMacroTable.name) {
      out << "\n";
      for (std::size_t k = 0; k < profiles::kMacroBlockCount; ++k) {
        out << "  block " << k << ":";
        out << ' ' << text::HexBytes(record.MacroBlock(k));
        out << "\n";
      }
      continue;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      out << ((f.name == profiles::field::kCpiStageColor.name && i % 3 == 0 && i) ? " |" : "") << " " << int(bytes[i]);
    }
    if (f.name == profiles::field::kCpiStageLevel.name) {
      out << "  (CPI";
      for (auto level : bytes) out << " " << profiles::CpiLevelValue(level);
      out << ")";
    }
    out << "\n";
  }
}

nlohmann::ordered_json ToJson(const profiles::DataFileContents& contents) {
  nlohmann::ordered_json json;
  json["FirstRunFlag"] = contents.firstRunFlag;
  nlohmann::ordered_json reserved = nlohmann::ordered_json::object();
  for (const RecordField& f : profiles::kRecordLayout) {
    if (f.name.empty()) {
      reserved[HexOffset(f.offset)] = FieldJson(contents.record, f);
    } else {
      json[std::string(f.name)] = FieldJson(contents.record, f);
    }
  }
  json["reserved"] = std::move(reserved);
  return json;
}

const CommandRegistration kShow{{
    "show",
    "Print every field of a profile data file (configN.bin or an exported .bin)",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      auto json = std::make_shared<bool>(false);
      sub.add_option("file", *file, "Profile data file")->required();
      sub.add_flag("--json", *json, "Print the fields as JSON");
      return [file, json](CommandIo& io) {
        const auto contents = ReadProfileFileFor("show", *file, io);
        if (!contents) return 1;
        if (*json) {
          io.out << ToJson(*contents).dump(2) << "\n";
        } else {
          PrintText(io.out, *contents);
        }
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
