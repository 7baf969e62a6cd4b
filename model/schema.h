#pragma once
// The field schema: one tree of element descriptors that the writer, the reader,
// the defaults, the field paths and the CSV layer all walk. The tree is in FILE
// order; each node knows where its value lives in SettingData through a byte
// offset relative to its parent's base, so file nesting and struct declaration
// order are independent of each other.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tk48 {

struct SettingData;

enum class Kind : std::uint8_t {
  Container,   // element with child elements; numbered containers repeat
  Group,       // no element of its own: repeats its children, each named stem + the group's number
  Int,         // integer of `width`, formatted by `fmt`
  Real,        // double, "%.3f" or "%.4f"
  Text,        // char[capacity] UTF-8, escaped in the file
  Keyword,     // int32 index into `keywords`
  Ref,         // channel reference: int32 kind at offset, int16 number at numOffset
  MdNumber,    // u16 MD channel number; 0 is written NONE, n as MD<n>
  Suffixed,    // int32 from `allowed`, written as the number followed by `suffix`
  PenChannel,  // s16 channel number checked against the pen type stored beside it
};

enum class Width : std::uint8_t { U8, S8, U16, S16, S32, U32 };

inline bool IsUnsigned(Width w) { return w == Width::U8 || w == Width::U16 || w == Width::U32; }

enum class Fmt : std::uint8_t {
  Dec,    // %d (and %ld)
  UDec,   // %u
  Hex8,   // 0x%08lX
  Hex2,   // 0x%02X
  F3,     // %.3f
  F4,     // %.4f
};

// One family of a reference's family list: index in the list = stored kind.
struct Family {
  std::string_view keyword;
  std::int16_t max = 0;   // channel numbers 1..max; 0 for families taken without a number
  bool noNumber = false;  // NONE, LOW, HIGH: written and read as the bare keyword
  bool zeroNumber = false;  // a bare keyword read stores number 0 (LOW/HIGH); NONE keeps the number
};

using Keywords = std::vector<std::string_view>;
using Families = std::vector<Family>;

struct Node {
  std::string name;  // element name, or the stem of a numbered element
  Kind kind = Kind::Container;

  // Location: base address of this node's first item = parent base + offset.
  std::uint32_t offset = 0;

  // Repetition. count > 1 or numbered: the element name carries the number.
  bool numbered = false;
  std::uint16_t count = 1;
  std::int32_t first = 0;      // number of the first item (0 or 1, 2015 for years)
  std::uint32_t stride = 0;    // bytes between items (also used when a Group indexes a child)
  std::uint8_t digits = 0;     // 2 for "%02d" names (M01, OFFSET00)
  bool descending = false;     // written from the last number down (AREA5..AREA1)
  bool outOfRangeInvalid = false;  // a number out of range is invalid, not unrecognised

  // Values of a field.
  Width width = Width::S32;
  Fmt fmt = Fmt::Dec;
  std::int64_t min = 0, max = 0;       // accepted range (compared signed or unsigned by width)
  std::vector<std::int32_t> allowed;   // accepted set, when the range is a list of values
  const Keywords* keywords = nullptr;  // Keyword
  const Families* families = nullptr;  // Ref, PenChannel (index = pen type)
  std::uint32_t numOffset = 0;         // Ref: number's offset from the parent base
  std::uint32_t numStride = 0;         // Ref: bytes between numbers of a repeated reference
  std::uint32_t depOffset = 0;         // PenChannel: the pen type's offset from the parent base
  std::uint16_t capacity = 0;          // Text: bytes including the terminator
  bool ascii = false;                  // Text: refuses bytes >= 0x80
  bool secret = false;                 // Text: a password, listed without its value (diffs, searches)
  bool viaReal = false;                // Int read through the real conversion (WIDTH.LOW/HIGH)
  std::uint8_t maxRealChars = 16;      // Real: longest accepted text
  char suffix = 0;                     // Suffixed

  // Default. n is the number of the innermost numbered element (this node's own
  // number for a numbered field), i its 0-based position. Numbers: def +
  // defStep * n, or defByIndex[i] where present (AUTH0 alone in use). Reals: defReal + defRealStep * n. Texts:
  // defText with "%d" replaced by n. References: kind def, number defNo.
  std::int64_t def = 0, defStep = 0;
  std::vector<std::int64_t> defByIndex;
  double defReal = 0, defRealStep = 0;
  std::string defText;
  std::int16_t defNo = 0;

  std::vector<Node> children;

  // Filled by Finalize(): the reader's view of the children, for name lookup.
  struct Child {
    std::string_view name;    // exact name, or the stem of a numbered child
    const Node* node;
    const Node* group;        // the Group that numbers this child, if any
  };
  std::vector<Child> exactChildren, numberedChildren;

  // Filled by Finalize(): the element tags of every item, pre-rendered.
  std::vector<std::string> open, close;  // "<AI12>" / "</AI12>\r\n" (a field's close tag ends its line)
  std::vector<std::string> itemNames;    // "AI12"

  bool IsField() const { return kind != Kind::Container && kind != Kind::Group; }
  std::int32_t Number(std::size_t i) const { return first + static_cast<std::int32_t>(i); }
  std::size_t Items() const { return count; }
};

// Whether a listing of fields (a diff, a search) shows the values of secret
// fields: only for a user who asked for them.
enum class Secrets : bool { Hidden, Shown };
inline bool Hides(const Node& field, Secrets secrets) { return field.secret && secrets == Secrets::Hidden; }

// The tree of the full configuration file (root TK48G_CFG) and of the
// access-settings document. Built once, on first use; never changes afterwards.
const Node& ConfigurationSchema();
const Node& AccessSchema();
// Every element name that may stand directly under the root, and the node for it
// (covers both documents: the reader accepts the access blocks in any file).
const Node& ReaderSchema();

// ---- Builders, used by the section definitions --------------------------------
namespace schema {

// Offsets come from offsetof() on the plain section structs (nested member
// designators such as offsetof(AiCh, AREA[0].UPPER) are fine for these types).

Node Container(std::string name, std::uint32_t offset, std::vector<Node> children);
// A numbered container: count items of `stride` bytes, numbered from `first`.
Node Repeated(std::string stem, std::uint32_t offset, std::uint16_t count, std::int32_t first,
              std::uint32_t stride, std::vector<Node> children);
Node Group(std::uint16_t count, std::int32_t first, std::vector<Node> children);

Node Int(std::string name, std::uint32_t offset, Width width, std::int64_t min, std::int64_t max,
         std::int64_t def, Fmt fmt = Fmt::Dec);
Node IntSet(std::string name, std::uint32_t offset, Width width, std::vector<std::int32_t> allowed,
            std::int64_t def, Fmt fmt = Fmt::Dec);
// A bit set, colour or day mask word: any 32-bit value, written 0x%08lX.
Node Hex(std::string name, std::uint32_t offset, std::int64_t def = 0);
Node Real(std::string name, std::uint32_t offset, double def, double step = 0);
Node Text(std::string name, std::uint32_t offset, std::uint16_t capacity, std::string def = {},
          bool ascii = false);
// A password: an ASCII text that listings show without its value.
Node Password(std::string name, std::uint32_t offset, std::uint16_t capacity, std::string def = {});
Node Kw(std::string name, std::uint32_t offset, const Keywords& words, std::int64_t def = 0);
Node Ref(std::string name, std::uint32_t offset, std::uint32_t numOffset, const Families& families,
         std::int64_t defKind = 0, std::int16_t defNo = 0);
Node MdNumber(std::string name, std::uint32_t offset);
Node Suffixed(std::string name, std::uint32_t offset, std::vector<std::int32_t> allowed, char suffix,
              std::int64_t def);
Node PenChannel(std::string name, std::uint32_t offset, std::uint32_t typeOffset, const Families& byType);

// Turns a field into an array of `count` numbered fields ("MAIL%d", 1..4).
Node Array(Node field, std::uint16_t count, std::int32_t first, std::uint32_t stride,
           std::uint32_t numStride = 0);

// Shared keyword lists.
const Keywords& NoUseUse();       // NOUSE, USE
const Keywords& InvalidActive();  // INVALID, ACTIVE
const Keywords& OffOn();          // OFF, ON
const Keywords& Weekdays();       // SUN..SAT
const Keywords& SjisUtf8();       // SJIS, UTF8

// Pre-renders tags and checks the tree; called once on each root.
void Finalize(Node& root);

}  // namespace schema

// ---- Section definitions (one function per block, in model/sections) ----------
// Each returns the node of its block, its offset relative to its parent
// (SettingData for the sections, ComSection for TCP_IP).
Node AccessBlockSchema();     // TK48GCFG
Node IpAddressSchema();       // COM.TCP_IP, for the access-settings document
Node SystemSchema();          // SYSTEM
Node IoSchema();              // IO
Node DispSchema();            // DISP
Node ComSchema();             // COM (without TCP_IP)
Node MailReportSchema();      // MAIL_REPORT
Node RecordSchema();          // RECORD
Node ScheduleSchema();        // SCHEDULE
Node OpemonSchema();          // OPEMON

}  // namespace tk48
