#pragma once
// What changes between two records, field by field over the schema's field
// paths: the one comparison behind `tk48gcfg-cli diff` and the desktop's
// change review.
#include <string>
#include <string_view>
#include <vector>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {

struct FieldChange {
  std::string_view section;  // "IO": the first part of the path (the schema keeps the text)
  std::string path;          // "IO.AI[12].SCALE_100"
  std::string before;        // as the configuration file writes it; empty when hidden
  std::string after;
  bool hidden = false;       // a password that changed: its values are left out
};

// Every field whose written value differs between `before` and `after`, in
// file order. Equal records give an empty list at once. A password's values
// are kept only when `secrets` shows them.
std::vector<FieldChange> DiffRecords(const SettingData& before, const SettingData& after,
                                     Secrets secrets = Secrets::Hidden);

// "IO.AI[12].SCALE_100: 100.000 -> 5.000", the form of one change in a list;
// "COM.FTP.PASSWORD: (changed)" for a hidden one.
std::string ChangeLine(const FieldChange& change);

}  // namespace tk48
