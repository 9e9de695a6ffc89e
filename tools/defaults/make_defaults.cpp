// Writes the installed default profile files (config.bin, config0..5.bin, str.ini, str0..5.ini,
// record.ini) from defaults.json. With --check it compares instead of writing, so a test can prove that
// the committed files are exactly what the description produces.
//
//   quendar_make_defaults [--check] <defaults.json> <runtime folder>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/ini/ini_document.h"
#include "core/ini/text_encoding.h"
#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_list.h"
#include "core/profiles/profile_paths.h"
#include "core/profiles/profile_record.h"
#include "core/profiles/profile_state.h"
#include "core/profiles/profile_texts.h"

namespace {

using quendar::ini::FromUtf8;
using quendar::ini::IniDocument;
using quendar::ini::TextEncoding;
namespace profiles = quendar::profiles;
using Bytes = std::vector<unsigned char>;

struct GeneratorError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void FlattenNumbers(const nlohmann::ordered_json& value, std::vector<int>& out) {
  if (value.is_array()) {
    for (const auto& element : value) FlattenNumbers(element, out);
  } else if (value.is_number_integer()) {
    out.push_back(value.get<int>());
  } else {
    throw GeneratorError("record values must be integers or arrays of integers");
  }
}

profiles::ProfileRecord BuildRecord(const nlohmann::ordered_json& description) {
  profiles::ProfileRecord record;
  for (const auto& [name, value] : description.items()) {
    const profiles::RecordField* field = nullptr;
    for (const auto& f : profiles::kRecordLayout) {
      if (!f.name.empty() && f.name == name) field = &f;
    }
    if (!field) throw GeneratorError("unknown record field " + name);
    std::vector<int> numbers;
    FlattenNumbers(value, numbers);
    if (numbers.size() != field->count) {
      throw GeneratorError(name + " needs " + std::to_string(field->count) + " values");
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      if (numbers[i] < 0 || numbers[i] > 255) throw GeneratorError(name + " values are bytes");
      record.Field(*field)[i] = static_cast<std::uint8_t>(numbers[i]);
    }
  }
  return record;
}

void AddTextSections(IniDocument& doc, const nlohmann::ordered_json& sections) {
  for (const auto& [section, keys] : sections.items()) {
    for (const auto& [key, value] : keys.items()) {
      doc.Set(FromUtf8(section), FromUtf8(key), FromUtf8(value.get<std::string>()));
    }
  }
  for (auto language : {profiles::Language::English, profiles::Language::SimplifiedChinese,
                        profiles::Language::TraditionalChinese}) {
    const profiles::ButtonCaptions captions = profiles::DefaultCaptions(language);
    for (std::size_t i = 0; i < captions.size(); ++i) {
      doc.Set(profiles::SettingsSection(language), profiles::CaptionKey(i), captions[i]);
    }
  }
}

Bytes TextFile(const nlohmann::ordered_json& description, bool withProfileList) {
  IniDocument doc = IniDocument::Parse(L"", TextEncoding::Utf16LeBom);
  if (withProfileList) {
    const auto& names = description.at("profileNames");
    doc.Set(profiles::kProfileSection, profiles::kCurrentNameKey,
            FromUtf8(description.at("currentProfile").get<std::string>()));
    doc.Set(profiles::kProfileSection, profiles::kItemCountKey, std::to_wstring(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
      doc.Set(profiles::kProfileSection, profiles::ProfileItemKey(i), FromUtf8(names[i].get<std::string>()));
    }
  }
  AddTextSections(doc, description.at("textSections"));
  return doc.EncodeForSave();
}

Bytes MacroStore(const nlohmann::ordered_json& macros) {
  IniDocument doc = IniDocument::Parse(L"", TextEncoding::Utf16LeBom);
  for (const auto& macro : macros) {
    const std::wstring name = FromUtf8(macro.at("name").get<std::string>());
    for (const char* key : {"DelayTimeSelStatus", "LoopTimeSelStatus", "MacroLoopTimes"}) {
      doc.Set(name, FromUtf8(key), FromUtf8(macro.at(key).get<std::string>()));
    }
    const auto& items = macro.at("items");
    doc.Set(name, L"ItemCount", std::to_wstring(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
      doc.Set(name, L"Item" + std::to_wstring(i), FromUtf8(items[i].get<std::string>()));
    }
  }
  return doc.EncodeForSave();
}

std::map<std::wstring, Bytes> GenerateFiles(const nlohmann::ordered_json& description) {
  std::map<std::wstring, Bytes> files;
  const profiles::ProfileRecord base = BuildRecord(description.at("record"));
  // Flag 0: the program shows the default captions until the profile is first saved.
  const auto defaultData = profiles::EncodeDataFile(0, base);
  files[std::wstring(profiles::kDefaultDataFileName)] = Bytes(defaultData.begin(), defaultData.end());
  files[std::wstring(profiles::kListFileName)] = TextFile(description, true);
  for (int i = 0; i < static_cast<int>(profiles::kMaxProfiles); ++i) {
    profiles::ProfileRecord record = base;
    record.ProfileNumber() = static_cast<std::uint8_t>(i);
    const auto data = profiles::EncodeDataFile(0, record);
    files[profiles::DataFileName(i)] = Bytes(data.begin(), data.end());
    files[profiles::TextFileName(i)] = TextFile(description, false);
  }
  files[std::wstring(profiles::kMacroStoreFileName)] = MacroStore(description.at("macros"));
  return files;
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const bool check = !args.empty() && args.front() == "--check";
  if (check) args.erase(args.begin());
  if (args.size() != 2) {
    std::cerr << "usage: quendar_make_defaults [--check] <defaults.json> <runtime folder>\n";
    return 2;
  }
  try {
    std::ifstream source(args[0]);
    if (!source) throw GeneratorError("cannot read " + args[0]);
    const auto files = GenerateFiles(nlohmann::ordered_json::parse(source));
    const std::filesystem::path folder(args[1]);
    int differences = 0;
    for (const auto& [name, bytes] : files) {
      const std::filesystem::path path = folder / name;
      if (check) {
        if (ReadFile(path) != bytes) {
          std::cerr << "differs from the description: " << path.string() << "\n";
          ++differences;
        }
        continue;
      }
      std::filesystem::create_directories(folder);
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      if (!out) throw GeneratorError("cannot write " + path.string());
    }
    if (differences) {
      std::cerr << differences << " file(s) out of date; rebuild the target regenerate_defaults\n";
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::cerr << "quendar_make_defaults: " << e.what() << "\n";
    return 1;
  }
}
