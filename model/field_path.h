#pragma once
// Fields by their path names ("IO.AI[12].SCALE_100", "SYSTEM.DST.START.MON"),
// through the schema: no second list of fields anywhere.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/field_access.h"
#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {

struct FieldRef {
  const Node* node;
  FieldSlot slot;
  unsigned char* base;  // the parent's base (a pen channel reads its pen type there)
};

// A list container named like its items ("AI" holding AI1..AI128) is left out
// of field paths: the items are IO.AI[n], not IO.AI.AI[n]. Its items' node, or
// nullptr for any other node.
const Node* ListItemsOf(const Node& n);

// Every field item of the record in file order, with its path.
void ForEachField(SettingData& record, const std::function<void(const std::string& path, const FieldRef&)>& fn);

// The field a path names; nullopt when there is none.
std::optional<FieldRef> FindField(SettingData& record, std::string_view path);

// A field's value as the configuration file writes it ("MA12", "0x00FF0000", "A#LB").
std::string FieldText(const FieldRef& field);

// Stores a value given in the file's form, with the reader's rules. False when
// the value is refused (the field keeps its value).
bool SetFieldText(const FieldRef& field, std::string_view text);

}  // namespace tk48
