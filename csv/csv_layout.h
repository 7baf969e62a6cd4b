#pragma once
// The layouts of the thirty CSV files as data: each file is a list of row
// lists, each row a header and the description of its value cells. One writer
// (csv_export.cpp) walks them; the import reads the same lists.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "csv/csv_row.h"
#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {

// How a value cell shows its field.
enum class Cell : std::uint8_t {
  None,         // a row without a value cell of its own
  Auto,         // by the field's kind: integer, real, text, "0x%08x" word
  Choice,       // a keyword or number shown through its choice list
  RefType,      // the family of a reference ("None"/"Disable" for no channel)
  RefCh,        // the channel number of a reference; empty without a channel
  Bit,          // bit `arg` of the field through its two-entry choice list
  ItemBit,      // bit (item index) of a word array: Data.csv and the calendar
  MaskedMail,   // a mail word keeping only the templates in use
  Hex4,         // "0x%04x"
  PlusOne,      // the stored number plus 1
  ZeroText,     // text `arg` for 0 ("Disable" zones, "None" pattern), else the number
  SharedSlave,  // "Disable" for -1, else "Slave %d"
  SlmpDevice,   // the SLMP device text of the code (list `arg`)
  SlmpNumber,   // the device number, decimal (arg even) or "%08x" (arg odd), by the device in `aux`
  MaK1,         // real, or an integer for the averaging and accumulating functions
  MaK2,         // real, or the time unit for analog accumulation
};

// One entry of a choice list: the stored value and its display text.
struct Choice {
  std::int32_t value;
  std::uint16_t text;  // 0: an empty cell
};
using Choices = std::vector<Choice>;

// One item (column) of a table while its cells are written or read.
struct CsvItem {
  const SettingData& d;
  int i = 0;          // 0-based item index
  int block = 0;      // zone, pen or year of the row list
  std::int64_t type = 0;  // the item's mode field (CH setting, function, mode)
  int areas = 0;      // zones in use, for the zone lists
  bool gated = true;  // zone values are written (AI/PI: the channel is in use)
};
using When = bool (*)(const CsvItem&);
inline constexpr std::int64_t kNonZero = INT64_MIN;
struct EditorLimit;

struct CsvRow {
  CsvRowHeader head;
  Cell cell = Cell::None;
  std::string field;  // path below the file's section; '#' stands for the item number
  When when = nullptr;  // nullptr: always written
  const Choices* choices = nullptr;
  int arg = 0;
  int cells = 0;  // table rows: value cells in this row (0: one per item)
  std::string aux;  // a second field the cell depends on (the SLMP device of a number)
  std::string gate;  // written only when this field holds gateValue (kNonZero: any but 0)
  std::int64_t gateValue = kNonZero;

  // Resolved from `field` when the layout is built.
  const Node* node = nullptr;
  std::uint32_t offset = 0, stride = 0;        // value: record offset of item 1, bytes per item
  std::uint32_t numOffset = 0, numStride = 0;  // reference number
  std::uint32_t auxOffset = 0, auxStride = 0;
  const Node* gateNode = nullptr;
  std::uint32_t gateOffset = 0, gateStride = 0;
  std::vector<const EditorLimit*> limits;  // the editor's limits where the schema's are not (checks/editor_limits.h)
};

struct CsvList {
  std::string code;  // "IO_AI_AREA": the import's log names the list
  int block = 0;     // zone, pen or year number for the log (0: none)
  std::vector<CsvRow> rows;
};

enum class LabelLead : std::uint8_t { Blanks, EmptyThenBlank, Empty };

struct CsvTable {
  int count = 0;             // items
  int first = 1;             // number of item 1 in labels
  int pathFirst = -1;        // number of item 1 in paths (-1: as in labels)
  std::uint16_t label = 0;   // "AI%03d"
  LabelLead lead = LabelLead::Blanks;
  std::string typeField;     // the item's mode field, '#' for the number
  std::string areasField;    // USE_AREAS of the zone lists
  bool zonesNeedType = false;
  std::string cautionWord;   // "CH"
  std::uint16_t firstRow = 0;  // the mandatory first row ("CH setting"); 0: none
  // Resolved.
  const Node* typeNode = nullptr;
  std::uint32_t typeOffset = 0, typeStride = 0;
  const Node* areasNode = nullptr;
  std::uint32_t areasOffset = 0, areasStride = 0;
};

struct CsvFile {
  std::string name;       // "AI.csv"
  std::uint16_t label = 0;  // the dialog's check box label
  int headers = 1;        // H
  std::string modeField;  // single rows: the field that gates the others ("" none)
  std::vector<CsvList> settings;  // single-setting rows, before any table
  std::uint16_t firstRow = 0;     // a first single row without which the file is not read ("Mode")
  CsvTable table;                 // count 0: no table
  std::vector<CsvList> lists;     // the table's row lists (zones, pens, status blocks)
  const Node* modeNode = nullptr;
  std::uint32_t modeOffset = 0;
};

// The thirty files in the dialog's order.
std::span<const CsvFile> CsvFiles();
const CsvFile* FindCsvFile(std::string_view name);

// The dialog's groups: the frame title (0 for none) and the files' indices.
struct CsvGroup {
  std::uint16_t title;
  int first, count;
};
std::span<const CsvGroup> CsvGroups();

namespace csv_layouts {
// The layouts, one function per family of files (csv/layouts_*.cpp).
void AddSystemAndIo(std::vector<CsvFile>& files);
void AddCommunicationAndMail(std::vector<CsvFile>& files);
void AddDisplayRecordScheduleMonitor(std::vector<CsvFile>& files);
}  // namespace csv_layouts

}  // namespace tk48
