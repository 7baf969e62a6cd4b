#pragma once
// The limits a value cell is checked with on import: those its field's editor
// screen applies, so that the import stores nothing the editor would refuse
// and nothing the reader would refuse in the written file. The schema gives
// most of them (an integer's range or set, a text's capacity, every real's
// -1e10 to 1e10 with 3 places); the table in cell_limits.cpp holds the fields
// whose editor is narrower or checks in another way.
#include <cstdint>
#include <span>
#include <string_view>

#include "csv/csv_layout.h"
#include "model/service_ports.h"

namespace tk48 {

// The range every editor gives a real; the reader refuses a real beyond it.
inline constexpr double kRealLimit = 10000000000.0;

enum class Check : std::uint8_t {
  Whole,        // an integer in [min, max]; a real field stores it as a whole number
  OneOf,        // an integer of `set`
  Real,         // CheckReal with `places`, [min, max]
  RealNonZero,  // CheckRealNonZero with `places`, [min, max]
  Port,         // an integer in [min, max] that no other server of `service` listens on
  Text,         // CheckText with `chars`
  Ascii,        // CheckAsciiText with `chars`
  Length,       // CheckLength with `chars`
  Name,         // CheckText with `chars`, without a double quote (an address-list name)
  Address,      // empty, or a dotted address of four numbers 0 to 255
};

struct CellLimit {
  Check check = Check::Whole;
  double min = 0, max = 0;
  int places = 3;
  int chars = 0;
  std::span<const std::int32_t> set = {};
  PortService service = PortService::Web;
};

// One row of the table: the limit of a layout row's field for the items `when` holds for.
struct EditorLimit {
  std::string_view field;  // as the layout names it; "[*]" stands for any number
  When when = nullptr;     // nullptr: every item
  CellLimit limit;
};
std::span<const EditorLimit> EditorLimits();

// Whether a layout field matches a table field ("[*]" matching "[12]").
bool FieldMatches(std::string_view pattern, std::string_view field);

// The limit of `row`'s cell for item `it`: the first table row that holds for
// the item, else the schema's.
CellLimit LimitOf(const CsvRow& row, const CsvItem& it);
CellLimit SchemaLimit(const Node& n);

}  // namespace tk48
