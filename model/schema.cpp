#include "model/schema.h"

#include <cstddef>
#include <cstdio>
#include <stdexcept>

#include "model/setting_data.h"

namespace tk48 {
namespace schema {

namespace {
Node Field(std::string name, Kind kind, std::uint32_t offset) {
  Node n;
  n.name = std::move(name);
  n.kind = kind;
  n.offset = offset;
  return n;
}

}  // namespace

Node Container(std::string name, std::uint32_t offset, std::vector<Node> children) {
  Node n = Field(std::move(name), Kind::Container, offset);
  n.children = std::move(children);
  return n;
}

Node Repeated(std::string stem, std::uint32_t offset, std::uint16_t count, std::int32_t first,
              std::uint32_t stride, std::vector<Node> children) {
  Node n = Container(std::move(stem), offset, std::move(children));
  n.numbered = true;
  n.count = count;
  n.first = first;
  n.stride = stride;
  return n;
}

Node Group(std::uint16_t count, std::int32_t first, std::vector<Node> children) {
  Node n = Field({}, Kind::Group, 0);
  n.numbered = true;
  n.count = count;
  n.first = first;
  n.children = std::move(children);
  return n;
}

Node Int(std::string name, std::uint32_t offset, Width width, std::int64_t min, std::int64_t max,
         std::int64_t def, Fmt fmt) {
  Node n = Field(std::move(name), Kind::Int, offset);
  n.width = width;
  n.min = min;
  n.max = max;
  n.def = def;
  n.fmt = fmt;
  return n;
}

Node IntSet(std::string name, std::uint32_t offset, Width width, std::vector<std::int32_t> allowed,
            std::int64_t def, Fmt fmt) {
  Node n = Int(std::move(name), offset, width, 0, 0, def, fmt);
  n.allowed = std::move(allowed);
  return n;
}

Node Hex(std::string name, std::uint32_t offset, std::int64_t def) {
  return Int(std::move(name), offset, Width::U32, 0, 0xFFFFFFFFll, def, Fmt::Hex8);
}

Node Real(std::string name, std::uint32_t offset, double def, double step) {
  Node n = Field(std::move(name), Kind::Real, offset);
  n.defReal = def;
  n.defRealStep = step;
  n.fmt = Fmt::F3;
  return n;
}

Node Text(std::string name, std::uint32_t offset, std::uint16_t capacity, std::string def, bool ascii) {
  Node n = Field(std::move(name), Kind::Text, offset);
  n.capacity = capacity;
  n.defText = std::move(def);
  n.ascii = ascii;
  return n;
}

Node Password(std::string name, std::uint32_t offset, std::uint16_t capacity, std::string def) {
  Node n = Text(std::move(name), offset, capacity, std::move(def), true);
  n.secret = true;
  return n;
}

Node Kw(std::string name, std::uint32_t offset, const Keywords& words, std::int64_t def) {
  Node n = Field(std::move(name), Kind::Keyword, offset);
  n.keywords = &words;
  n.def = def;
  return n;
}

Node Ref(std::string name, std::uint32_t offset, std::uint32_t numOffset, const Families& families,
         std::int64_t defKind, std::int16_t defNo) {
  Node n = Field(std::move(name), Kind::Ref, offset);
  n.numOffset = numOffset;
  n.families = &families;
  n.def = defKind;
  n.defNo = defNo;
  return n;
}

Node MdNumber(std::string name, std::uint32_t offset) {
  Node n = Field(std::move(name), Kind::MdNumber, offset);
  n.width = Width::U16;
  n.min = 0;
  n.max = kMdCount;
  return n;
}

Node Suffixed(std::string name, std::uint32_t offset, std::vector<std::int32_t> allowed, char suffix,
              std::int64_t def) {
  Node n = Field(std::move(name), Kind::Suffixed, offset);
  n.allowed = std::move(allowed);
  n.suffix = suffix;
  n.def = def;
  return n;
}

Node PenChannel(std::string name, std::uint32_t offset, std::uint32_t typeOffset, const Families& byType) {
  Node n = Field(std::move(name), Kind::PenChannel, offset);
  n.width = Width::S16;
  n.depOffset = typeOffset;
  n.families = &byType;
  return n;
}

Node Array(Node field, std::uint16_t count, std::int32_t first, std::uint32_t stride, std::uint32_t numStride) {
  field.numbered = true;
  field.count = count;
  field.first = first;
  field.stride = stride;
  field.numStride = numStride;
  return field;
}

const Keywords& NoUseUse() {
  static const Keywords k{"NOUSE", "USE"};
  return k;
}
const Keywords& InvalidActive() {
  static const Keywords k{"INVALID", "ACTIVE"};
  return k;
}
const Keywords& OffOn() {
  static const Keywords k{"OFF", "ON"};
  return k;
}
const Keywords& Weekdays() {
  static const Keywords k{"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
  return k;
}
const Keywords& SjisUtf8() {
  static const Keywords k{"SJIS", "UTF8"};
  return k;
}

namespace {
std::string ItemName(const std::string& stem, std::int32_t number, int digits) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%0*d", digits, number);
  return stem + buf;
}

void FinalizeNode(Node& n, const Node* group) {
  if (n.kind == Kind::Group) {
    for (Node& c : n.children) FinalizeNode(c, &n);
    return;
  }
  const bool numbered = n.numbered || group != nullptr;
  const std::size_t items = group ? group->count : n.count;
  const std::int32_t first = group ? group->first : n.first;
  if (n.name.size() >= 32) throw std::logic_error("element name too long: " + n.name);
  if (n.IsField() && n.kind != Kind::Container) {
    if ((n.kind == Kind::Ref || n.kind == Kind::PenChannel) && !n.families)
      throw std::logic_error("reference without families: " + n.name);
    if (n.kind == Kind::Keyword && !n.keywords) throw std::logic_error("keyword without list: " + n.name);
    if (n.kind == Kind::Text && n.capacity == 0) throw std::logic_error("text without capacity: " + n.name);
    if (n.kind == Kind::Int && n.allowed.empty() && n.min > n.max)
      throw std::logic_error("empty range: " + n.name);
    if (numbered && n.stride == 0 && items > 1) throw std::logic_error("array without stride: " + n.name);
  }
  n.open.clear();
  n.close.clear();
  n.itemNames.clear();
  for (std::size_t i = 0; i < items; ++i) {
    std::string item = numbered ? ItemName(n.name, first + static_cast<std::int32_t>(i), n.digits) : n.name;
    n.open.push_back("<" + item + ">" + (n.IsField() ? "" : "\r\n"));
    n.close.push_back("</" + item + ">\r\n");
    n.itemNames.push_back(std::move(item));
  }
  for (Node& c : n.children) FinalizeNode(c, nullptr);
  // The lookup lists point into `children`, which no longer changes.
  n.exactChildren.clear();
  n.numberedChildren.clear();
  for (const Node& c : n.children) {
    if (c.kind == Kind::Group) {
      for (const Node& gc : c.children) n.numberedChildren.push_back({gc.name, &gc, &c});
    } else if (c.numbered) {
      n.numberedChildren.push_back({c.name, &c, nullptr});
    } else {
      n.exactChildren.push_back({c.name, &c, nullptr});
    }
  }
}
}  // namespace

void Finalize(Node& root) { FinalizeNode(root, nullptr); }

}  // namespace schema

namespace {
using namespace schema;

Node BuildConfiguration() {
  Node root = Container("TK48G_CFG", 0,
                        {SystemSchema(), IoSchema(), DispSchema(), ComSchema(), MailReportSchema(),
                         RecordSchema(), ScheduleSchema(), OpemonSchema()});
  Finalize(root);
  return root;
}

Node BuildAccess() {
  Node com = Container("COM", offsetof(SettingData, COM), {IpAddressSchema()});
  Node root = Container("TK48G_CFG", 0, {AccessBlockSchema(), std::move(com)});
  Finalize(root);
  return root;
}

// The reader knows the union of both documents: TCP_IP is merged into COM.
Node BuildReader() {
  Node root = BuildConfiguration();
  root.children.insert(root.children.begin(), AccessBlockSchema());
  for (Node& section : root.children)
    if (section.name == "COM") section.children.insert(section.children.begin(), IpAddressSchema());
  Finalize(root);
  return root;
}
}  // namespace

const Node& ConfigurationSchema() {
  static const Node root = BuildConfiguration();
  return root;
}
const Node& AccessSchema() {
  static const Node root = BuildAccess();
  return root;
}
const Node& ReaderSchema() {
  static const Node root = BuildReader();
  return root;
}

}  // namespace tk48
