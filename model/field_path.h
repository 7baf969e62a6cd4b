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
// The same over the fields of one document (ConfigurationSchema(), AccessSchema()).
void ForEachField(SettingData& record, const Node& document,
                  const std::function<void(const std::string& path, const FieldRef&)>& fn);

// The walk behind ForEachField, for callers that keep state per item: every
// container item entered and left, every field item with its path (valid
// during the call only) and its number (the number in the path's last
// brackets; a field that is not numbered gets its node's first number, 0).
class FieldVisitor {
 public:
  virtual void EnterItem(const Node& container, std::int32_t number, unsigned char* itemBase) = 0;
  virtual void LeaveItem(const Node& container) = 0;
  virtual void Field(std::string_view path, const FieldRef& field, std::int32_t number) = 0;

 protected:
  ~FieldVisitor() = default;
};
// Walks the sections of `root` (ConfigurationSchema() for the file's fields,
// ReaderSchema() for those of both documents).
void WalkFields(const Node& root, SettingData& record, FieldVisitor& visitor);


// The same field in `other`, for a field found in `from`: both records share
// one layout, so the field sits at the same offset. A field of a const record
// may only be read.
FieldRef SameFieldIn(const FieldRef& field, const SettingData& from, const SettingData& other);

// The field a path names; nullopt when there is none.
std::optional<FieldRef> FindField(SettingData& record, std::string_view path);

// A field's value as the configuration file writes it ("MA12", "0x00FF0000", "A#LB").
std::string FieldText(const FieldRef& field);

// Stores a value given in the file's form, with the reader's rules. False when
// the value is refused (the field keeps its value).
bool SetFieldText(const FieldRef& field, std::string_view text);

}  // namespace tk48
