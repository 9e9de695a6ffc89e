#pragma once
// A profile data file as a JSON document people can read and edit: buttons by function and name, CPI
// stages as CPI values, colours as #RRGGBB, the report rate in Hz, macros as the macro store's items.
// Importing the exported document gives back the very same bytes: what the readable form does not show
// (the choices a button's other functions remember, non-zero reserved bytes) is carried beside it.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_texts.h"

namespace quendar::profile_text {

// A file and the English captions of its companion text file (empty where there is none).
struct ProfileDocument {
  profiles::DataFileContents contents;
  profiles::ButtonCaptions captions;
};

struct ExportResult {
  nlohmann::ordered_json json;
  // Values that have no readable form (the document is then not written).
  std::vector<std::string> errors;
};

ExportResult ExportProfile(const ProfileDocument& document);

struct ImportResult {
  // Set only when the document had no error. Captions a document leaves out are made from the
  // buttons' functions, as the assignment dialogs make them.
  std::optional<ProfileDocument> document;
  // One line per fault: its JSON path, what is wrong and the allowed values.
  std::vector<std::string> errors;
};

// `base`: the file whatever the document leaves out is taken from; without it every section is
// required.
ImportResult ImportProfile(const nlohmann::ordered_json& json, const std::optional<ProfileDocument>& base);

}  // namespace quendar::profile_text
