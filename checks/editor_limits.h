#pragma once
// The limits a value is checked with where it does not come through a screen
// (a CSV cell, a scripted edit): those its field's editor screen applies, so
// that nothing is stored that the editor would refuse or that the reader would
// refuse in the written file. The schema gives most of them (an integer's range
// or set, a text's capacity, every real's -1e10 to 1e10 with 3 places); the
// table in editor_limits.cpp holds the fields whose editor is narrower or
// checks in another way.
#include <cstdint>
#include <span>
#include <string_view>

#include "model/schema.h"
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

// One row of the table: the limit of a field while `when` holds.
struct EditorLimit {
  // The field path; "[#]" stands for a table item's number, "[*]" for any number.
  std::string_view field;
  // "IO.MA[#].TYPE=AVERAGE|SINGLE": a field of the same item (its numbers those
  // of `field`) holding one of the values (keywords by name); empty: always.
  std::string_view when = {};
  CellLimit limit;
};
std::span<const EditorLimit> EditorLimits();

// Whether a field matches a table field: "[#]" and "[*]" match any number
// ("[12]") and a CSV layout's item placeholder ("[#]").
bool FieldMatches(std::string_view pattern, std::string_view field);

// Whether `limit` holds for the field whose value is stored at `value` (inside
// a whole record).
bool LimitHolds(const EditorLimit& limit, const unsigned char* value);

// The limit the schema alone gives a field.
CellLimit SchemaLimit(const Node& n);

// The limit of the field at `path` (node `n`, its value stored at `value`): the
// first table row that matches and holds, else the schema's.
CellLimit FieldLimit(const Node& n, std::string_view path, const unsigned char* value);

}  // namespace tk48
