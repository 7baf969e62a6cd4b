#include "model/reader.h"

#include <expat.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/field_access.h"
#include "model/field_path.h"
#include "model/read_faults.h"
#include "model/schema.h"
#include "model/text_codec.h"
#include "model/value_parse.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kMaxDepth = 10;
constexpr std::size_t kMaxName = 32;  // a name of 32 bytes or more breaks the document
constexpr int kMaxPieces = 100;
constexpr std::size_t kValueBuffer = 4096;
constexpr std::size_t kMaxPath = 127;

// What the element at one level of the path resolved to.
enum class At : std::uint8_t {
  Container,  // a known container: text here is only the line breaks between children
  Field,      // a known field (names below a field's own level are not looked at)
  Unknown,    // not known here: text anywhere below marks the file unrecognised
  Invalid,    // a numbered name out of its range where that is an error
  BadRoot,    // the root is not TK48G_CFG
};

struct Level {
  At at;
  bool faulted;         // its refusal is noted already (an element's text may come in pieces)
  const Node* node;
  unsigned char* base;  // container: its item's base; field: the parent's base
  std::size_t item;     // field: which item of the field
  char name[kMaxName];
};

class Reader {
 public:
  Reader(SettingData& record, const Node& schema, Faults faults)
      : record_(record), schema_(schema), allFaults_(faults == Faults::All) {}

  ReadResult Run(std::string_view text);

 private:
  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char**) {
    static_cast<Reader*>(self)->Start(name);
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<Reader*>(self)->End(); }
  static void XMLCALL OnText(void* self, const XML_Char* s, int len) {
    static_cast<Reader*>(self)->Text(std::string_view(s, static_cast<std::size_t>(len)));
  }

  void Start(const char* name);
  void End();
  void Text(std::string_view piece);
  void Dispatch(std::string_view text);
  void Resolve(Level& level, const Level* parent);
  void Mark(std::uint32_t flag);
  std::string Path() const;
  // The faults: only the first that breaks the read, and the first refused field
  // (every one with allFaults_). Nothing here runs while a read goes well.
  void Fatal(std::string_view reason);
  bool Noting(Level& level, bool fatal);
  void Refused(int depth, std::string_view text, std::string reason);
  ReadFault Placed(std::string_view reason) const;
  std::string FieldPath(int depth) const;

  SettingData& record_;
  const Node& schema_;
  XML_Parser parser_ = nullptr;
  Level levels_[kMaxDepth];
  int depth_ = 0;
  int skipped_ = 0;  // elements ignored below a depth or name fault (already fatal)
  int pieces_ = 0;
  std::uint32_t flags_ = 0;
  std::string firstInvalid_, firstUnknown_;
  bool sawAccess_ = false, sawIp_ = false;
  const bool allFaults_;
  bool fatalNoted_ = false, refusalNoted_ = false;
  std::vector<ReadFault> faults_;
};

void Reader::Start(const char* name) {
  const std::size_t len = std::strlen(name);
  if (skipped_ > 0 || depth_ >= kMaxDepth || len >= kMaxName) {
    if (skipped_ == 0) Fatal(LoadText(depth_ >= kMaxDepth ? text::kNestedTooDeep : text::kNameTooLong));
    flags_ |= kReadFatal;
    ++skipped_;
    return;
  }
  Level& level = levels_[depth_];
  std::memcpy(level.name, name, len + 1);
  Resolve(level, depth_ > 0 ? &levels_[depth_ - 1] : nullptr);
  ++depth_;
  pieces_ = 0;
}

void Reader::End() {
  if (skipped_ > 0) {
    --skipped_;
    return;
  }
  if (depth_ == 0) {
    flags_ |= kReadFatal;
    return;
  }
  if (pieces_ == 0) Dispatch({});  // <NAME1></NAME1> stores an empty text
  --depth_;
  pieces_ = 0;
}

void Reader::Text(std::string_view piece) {
  if (pieces_ > kMaxPieces) {
    Fatal(LoadText(text::kTooManyPieces));
    XML_StopParser(parser_, XML_FALSE);
    return;
  }
  if (skipped_ == 0 && depth_ > 0) Dispatch(piece);
  ++pieces_;
}

// Finds the child of the parent's container that `level.name` names.
void Reader::Resolve(Level& level, const Level* parent) {
  level.node = nullptr;
  level.base = nullptr;
  level.item = 0;
  level.faulted = false;
  if (!parent) {
    level.at = std::strcmp(level.name, "TK48G_CFG") == 0 ? At::Container : At::BadRoot;
    level.node = &schema_;
    level.base = reinterpret_cast<unsigned char*>(&record_);
    return;
  }
  if (parent->at != At::Container) {  // below a field, an unknown name or a bad root: same verdict
    level.at = parent->at;
    level.node = parent->node;
    level.base = parent->base;
    level.item = parent->item;
    return;
  }
  const Node& c = *parent->node;
  const std::string_view name(level.name);
  const Node* found = nullptr;
  std::size_t index = 0;
  for (const Node::Child& e : c.exactChildren) {
    if (e.name == name) {
      found = e.node;
      break;
    }
  }
  if (!found) {
    // A numbered name: the longest stem followed by the number's first character.
    const Node::Child* best = nullptr;
    for (const Node::Child& e : c.numberedChildren) {
      if (name.size() > e.name.size() && name.compare(0, e.name.size(), e.name) == 0 &&
          (std::isdigit(static_cast<unsigned char>(name[e.name.size()])) || name[e.name.size()] == '-') &&
          (!best || e.name.size() > best->name.size()))
        best = &e;
    }
    if (!best) {
      level.at = At::Unknown;
      return;
    }
    const Node& numbering = best->group ? *best->group : *best->node;
    const std::int64_t number = ParseInt32(name.substr(best->name.size()));
    if (number < numbering.first || number >= numbering.first + static_cast<std::int64_t>(numbering.count)) {
      level.at = best->node->outOfRangeInvalid ? At::Invalid : At::Unknown;
      level.node = &numbering;  // what an invalid number is told against
      return;
    }
    found = best->node;
    index = static_cast<std::size_t>(number - numbering.first);
  }
  level.node = found;
  if (found->IsField()) {
    level.at = At::Field;
    level.base = parent->base;
    level.item = index;
  } else {
    level.at = At::Container;
    level.base = parent->base + found->offset + index * found->stride;
    if (found->name == "TK48GCFG" && depth_ == 1) sawAccess_ = true;
    if (found->name == "IP_ADDRESS" && depth_ == 3) sawIp_ = true;
  }
}

void Reader::Mark(std::uint32_t flag) {
  if (flag == kReadInvalid && !(flags_ & kReadInvalid)) firstInvalid_ = Path();
  if (flag == kReadUnrecognised && !(flags_ & kReadUnrecognised)) firstUnknown_ = Path();
  flags_ |= flag;
}

std::string Reader::Path() const {
  std::string path;
  for (int i = 0; i < depth_; ++i) {
    path += '<';
    path += levels_[i].name;
    path += '>';
  }
  if (path.size() > kMaxPath) path.resize(kMaxPath);
  return path;
}

void Reader::Dispatch(std::string_view text) {
  if (text.size() > kValueBuffer - 1) text = text.substr(0, kValueBuffer - 1);
  Level& level = levels_[depth_ - 1];
  switch (level.at) {
    case At::Container: return;  // line breaks between child elements
    case At::BadRoot:
      Fatal(LoadText(text::kRootNotConfiguration));
      flags_ |= kReadFatal;
      return;
    case At::Unknown: Mark(kReadUnrecognised); return;
    case At::Invalid: {
      // Noted once, at the element whose number is out of range; the text only
      // when that element is a field (a container's is its line breaks).
      int top = depth_ - 1;
      while (top > 0 && levels_[top - 1].at == At::Invalid) --top;
      if (Noting(levels_[top], false)) {
        const Node& numbering = *levels_[top].node;
        Refused(top + 1, top == depth_ - 1 ? text : std::string_view(),
                FormatText(text::kElementNumberRange, static_cast<long long>(numbering.first),
                           static_cast<long long>(numbering.first + numbering.count - 1)));
      }
      Mark(kReadInvalid);
      return;
    }
    case At::Field: break;
  }
  const Node& n = *level.node;
  switch (StoreFieldValue(n, SlotOf(n, level.base, level.item), level.base, text)) {
    case Store::Stored: break;
    case Store::Refused:
      if (Noting(level, false)) Refused(depth_, text, RefusedReason(n, text, level.base));
      Mark(kReadInvalid);
      break;
    case Store::Fatal:  // a refused real breaks the read
      if (Noting(level, true)) Refused(depth_, text, RefusedReason(n, text, level.base));
      flags_ |= kReadFatal;
      break;
  }
}

// The parser's current place: its line and column (counted from 1).
ReadFault Reader::Placed(std::string_view reason) const {
  ReadFault fault;
  fault.line = XML_GetCurrentLineNumber(parser_);
  fault.column = XML_GetCurrentColumnNumber(parser_) + 1;
  fault.reason = reason;
  return fault;
}

void Reader::Fatal(std::string_view reason) {
  if (fatalNoted_) return;
  fatalNoted_ = true;
  faults_.push_back(Placed(reason));
}

// Whether to note a refusal at `level`: the first refused field and the first
// fault that breaks the read, or, with allFaults_, every refused element once.
bool Reader::Noting(Level& level, bool fatal) {
  bool& first = fatal ? fatalNoted_ : refusalNoted_;
  if (level.faulted || (first && !allFaults_)) return false;
  first = level.faulted = true;
  return true;
}

void Reader::Refused(int depth, std::string_view text, std::string reason) {
  ReadFault fault = Placed({});
  fault.path = FieldPath(depth);
  fault.value = ShownValue(text);
  fault.reason = std::move(reason);
  faults_.push_back(std::move(fault));
}

// The element path down to `depth` levels as fields are named:
// "IO.AI[12].SCALE_100" for <TK48G_CFG><IO><AI><AI012><SCALE_100>.
std::string Reader::FieldPath(int depth) const {
  std::string path;
  for (int i = 1; i < depth; ++i) {
    const Level& level = levels_[i];
    const std::string_view name(level.name);
    const Node* n = level.at == At::Container || level.at == At::Field ? level.node : nullptr;
    if (n && i + 1 < depth && level.at == At::Container && ListItemsOf(*n)) continue;
    if (!path.empty()) path += '.';
    const std::size_t stem = n ? n->name.size() : 0;
    if (n && name.size() > stem && name.compare(0, stem, n->name) == 0 &&
        (std::isdigit(static_cast<unsigned char>(name[stem])) || name[stem] == '-')) {
      path.append(name.substr(0, stem)).append("[").append(std::to_string(ParseInt32(name.substr(stem)))).append("]");
    } else {
      path += name;
    }
  }
  return path;
}

// The parser allocates through these, so its memory is the program's own.
void* XMLCALL Alloc(size_t n) { return std::malloc(n); }
void* XMLCALL Realloc(void* p, size_t n) { return std::realloc(p, n); }
void XMLCALL Free(void* p) { std::free(p); }

ReadResult Reader::Run(std::string_view text) {
  static const XML_Memory_Handling_Suite suite{Alloc, Realloc, Free};
  ReadResult result;
  parser_ = XML_ParserCreate_MM(nullptr, &suite, nullptr);
  if (!parser_) {
    std::fputs("failed to XML_ParserCreate()\r\n", stderr);
    result.flags = kReadFatal;
    return result;
  }
  XML_SetUserData(parser_, this);
  XML_SetElementHandler(parser_, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser_, OnText);
  // The text is parsed in pieces of at most INT_MAX bytes; the last one is final.
  std::size_t at = 0;
  bool ok = true;
  do {
    const std::size_t n = std::min<std::size_t>(text.size() - at, 1u << 30);
    const bool last = at + n == text.size();
    if (XML_Parse(parser_, text.data() + at, static_cast<int>(n), last) != XML_STATUS_OK) ok = false;
    at += n;
  } while (ok && at < text.size());
  if (!ok) {
    // The parser's own reason, unless a handler stopped it with one of ours.
    const XML_LChar* why = XML_ErrorString(XML_GetErrorCode(parser_));
    Fatal(why ? why : "");
    flags_ |= kReadFatal;
  }
  XML_ParserFree(parser_);
  parser_ = nullptr;
  if (depth_ != 0 || skipped_ != 0) flags_ |= kReadFatal;
  if (!(flags_ & kReadFatal)) {
    if (auto broken = FindInconsistency(record_)) {
      faults_.push_back(std::move(*broken));
      flags_ |= kReadFatal;
    }
  }
  result.flags = flags_;
  if (flags_ & kReadInvalid) {
    result.path = firstInvalid_;
  } else if (flags_ & kReadUnrecognised) {
    result.path = firstUnknown_;
  }
  result.sawAccessBlock = sawAccess_;
  result.sawIpAddress = sawIp_;
  result.faults = std::move(faults_);
  return result;
}

}  // namespace

ReadResult ParseConfiguration(SettingData& record, std::string_view text, Faults faults) {
  auto reader = std::make_unique<Reader>(record, ReaderSchema(), faults);
  return reader->Run(text);
}

ReadMessage ReadOutcomeMessage(const ReadResult& result, bool tagMessage) {
  if (result.flags & kReadFatal) return {std::string(LoadText(5104)), true};
  // The path is shown as the user's screen would decode it.
  const std::string path = Utf16ToUtf8(Utf8ToUtf16(result.path));
  if (result.flags & kReadInvalid) return {FormatText(5105, path.c_str()), false};
  if ((result.flags & kReadUnrecognised) && tagMessage) return {FormatText(5106, path.c_str()), false};
  return {};
}

bool ReadConfiguration(SettingData& record, std::string_view text, UiPort& ui, bool tagMessage,
                       ReadResult* result, Faults faults) {
  ReadResult read = ParseConfiguration(record, text, faults);
  const ReadMessage message = ReadOutcomeMessage(read, tagMessage);
  // Where the file went wrong goes under a failure's message; the message reads as ever.
  if (!message.text.empty())
    ui.Message(message.text, message.error ? Icon::Error : Icon::Warning, Buttons::Ok,
               read.ok() ? std::string() : ReadFaultText(read));
  const bool ok = read.ok();
  if (result) *result = std::move(read);
  return ok;
}

}  // namespace tk48
