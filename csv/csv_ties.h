#pragma once
// The rules that tie cells of one item together, met once a file's values are
// read: alarm zones in order, a Modbus/TCP counter's window, one output per
// point. The reader refuses a file that breaks one of them and the editors
// refuse the values that would, so the import reports the cell to blame and
// puts the rule's cells back.
#include <span>
#include <string_view>

#include "model/setting_data.h"

namespace tk48 {

struct CsvTie {
  std::string_view file;  // "AI.csv"
  std::string_view item;  // the fields' common start in the layout, '#' the item: "IO.AI[#]."
  // The field (after `item`) whose row takes the blame for item i; empty while the rule holds.
  std::string_view (*broken)(const SettingData& record, int i);
  std::span<const std::string_view> restore;  // the fields (after `item`) put back when it breaks
};
std::span<const CsvTie> CsvTies();

}  // namespace tk48
