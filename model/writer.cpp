#include "model/writer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "model/field_access.h"
#include "model/field_path.h"
#include "model/schema.h"
#include "model/text_codec.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n";

// Appends into the caller's buffer. It never writes past the end but keeps
// counting, so the caller learns how long the whole document would have been.
class Out {
 public:
  explicit Out(std::span<char> buf) : p_(buf.data()), cap_(buf.size()) {}

  void Put(std::string_view s) {
    if (len_ + s.size() <= cap_) std::memcpy(p_ + len_, s.data(), s.size());
    len_ += s.size();
  }
  void Put(char c) {
    if (len_ < cap_) p_[len_] = c;
    ++len_;
  }
  // Room for at least n more bytes; null when the buffer is exhausted, in which
  // case the caller formats into a scratch area and Put()s it.
  char* Reserve(std::size_t n) { return len_ + n <= cap_ ? p_ + len_ : nullptr; }
  void Commit(std::size_t n) { len_ += n; }
  std::size_t Length() const { return len_; }
  // The first text that holds a character the file cannot carry.
  void Refuse(const char* text) {
    if (!refused_) refused_ = text;
  }
  const char* Refused() const { return refused_; }

 private:
  char* p_;
  std::size_t cap_;
  std::size_t len_ = 0;
  const char* refused_ = nullptr;
};

// Formats through a small scratch area when the output is short of room.
template <class F>
void Format(Out& out, std::size_t most, F&& format) {
  if (char* at = out.Reserve(most)) {
    out.Commit(static_cast<std::size_t>(format(at) - at));
  } else {
    char scratch[400];
    out.Put(std::string_view(scratch, static_cast<std::size_t>(format(scratch) - scratch)));
  }
}

void PutInt(Out& out, std::int64_t v) {
  Format(out, 24, [v](char* at) { return std::to_chars(at, at + 24, v).ptr; });
}

void PutHex(Out& out, std::uint32_t v, int digits) {
  static constexpr char hex[] = "0123456789ABCDEF";
  Format(out, 10, [v, digits](char* at) {
    *at++ = '0';
    *at++ = 'x';
    int n = digits;
    while (n < 8 && (v >> (4 * n)) != 0) ++n;  // "%02X" widens for larger values
    for (int i = n - 1; i >= 0; --i) *at++ = hex[(v >> (4 * i)) & 0xF];
    return at;
  });
}

// "%.3f" / "%.4f": to_chars with a precision rounds exactly as printf does.
void PutReal(Out& out, double v, int decimals) {
  Format(out, 360, [v, decimals](char* at) {
    return std::to_chars(at, at + 360, v, std::chars_format::fixed, decimals).ptr;
  });
}

// The text escape: markup characters, line breaks and '#' never reach the file raw.
void PutText(Out& out, const char* text, std::size_t capacity) {
  const std::size_t len = strnlen(text, capacity);
  std::size_t run = 0;  // bytes copied unchanged since the last escape
  for (std::size_t i = 0; i < len; ++i) {
    const char c = text[i];
    const char* esc = nullptr;
    switch (c) {
      case '\n': esc = "#D"; break;
      case '\r':
        esc = "#D";
        if (i + 1 < len && text[i + 1] == '\n') {  // CR LF is one line break
          out.Put(std::string_view(text + i - run, run));
          run = 0;
          out.Put(esc);
          ++i;
          continue;
        }
        break;
      case '"': esc = "#W"; break;
      case '#': esc = "##"; break;
      case '&': esc = "#A"; break;
      case '\'': esc = "#S"; break;
      case '<': esc = "#L"; break;
      case '>': esc = "#G"; break;
      default:
        if (IsXmlForbiddenControl(static_cast<unsigned char>(c))) out.Refuse(text);
        ++run;
        continue;
    }
    out.Put(std::string_view(text + i - run, run));
    run = 0;
    out.Put(std::string_view(esc, 2));
  }
  out.Put(std::string_view(text + len - run, run));
}

void PutValue(Out& out, const Node& n, const FieldSlot& s) {
  switch (n.kind) {
    case Kind::Int: {
      const std::int64_t v = LoadInt(s.value, n.width);
      switch (n.fmt) {
        case Fmt::Dec: PutInt(out, static_cast<std::int32_t>(v)); break;
        case Fmt::UDec: PutInt(out, static_cast<std::uint32_t>(v)); break;
        case Fmt::Hex8: PutHex(out, static_cast<std::uint32_t>(v), 8); break;
        case Fmt::Hex2: PutHex(out, static_cast<std::uint32_t>(v), 2); break;
        case Fmt::F3: case Fmt::F4: PutInt(out, v); break;
      }
      break;
    }
    case Kind::PenChannel:
      PutInt(out, LoadInt(s.value, n.width));
      break;
    case Kind::Real:
      PutReal(out, LoadReal(s.value), n.fmt == Fmt::F4 ? 4 : 3);
      break;
    case Kind::Text:
      PutText(out, reinterpret_cast<const char*>(s.value), n.capacity);
      break;
    case Kind::Keyword: {
      // The record holds only indices of the list; anything else writes nothing.
      const std::int32_t k = LoadI32(s.value);
      if (k >= 0 && static_cast<std::size_t>(k) < n.keywords->size()) out.Put((*n.keywords)[k]);
      break;
    }
    case Kind::Ref: {
      const std::int32_t k = LoadI32(s.value);
      if (k < 0 || static_cast<std::size_t>(k) >= n.families->size()) break;
      const Family& f = (*n.families)[k];
      out.Put(f.keyword);
      if (!f.noNumber) PutInt(out, LoadI16(s.number));
      break;
    }
    case Kind::MdNumber: {
      const std::int64_t v = LoadInt(s.value, n.width);
      if (v == 0) {
        out.Put("NONE");
      } else {
        out.Put("MD");
        PutInt(out, v);
      }
      break;
    }
    case Kind::Suffixed:
      PutInt(out, LoadI32(s.value));
      out.Put(n.suffix);
      break;
    case Kind::Container:
    case Kind::Group:
      break;
  }
}

void PutField(Out& out, const Node& n, const unsigned char* base, std::size_t i) {
  out.Put(n.open[i]);
  PutValue(out, n, SlotOf(n, const_cast<unsigned char*>(base), i));
  out.Put(n.close[i]);
}

void PutNode(Out& out, const Node& n, const unsigned char* base) {
  switch (n.kind) {
    case Kind::Group:
      for (std::size_t i = 0; i < n.count; ++i)
        for (const Node& c : n.children) PutField(out, c, base, i);
      return;
    case Kind::Container:
      for (std::size_t k = 0; k < n.count; ++k) {
        const std::size_t i = n.descending ? n.count - 1 - k : k;
        out.Put(n.open[i]);
        const unsigned char* item = base + n.offset + i * n.stride;
        for (const Node& c : n.children) PutNode(out, c, item);
        out.Put(n.close[i]);
      }
      return;
    default:
      for (std::size_t i = 0; i < n.count; ++i) PutField(out, n, base, i);
  }
}

// The path of the field whose text starts at `text`.
std::string FieldAt(const SettingData& record, const char* text) {
  std::string found;
  ForEachField(const_cast<SettingData&>(record), [&](const std::string& path, const FieldRef& f) {
    if (found.empty() && reinterpret_cast<const char*>(f.slot.value) == text) found = path;
  });
  return found;
}

std::size_t WriteDocument(const Node& root, const SettingData& record, std::span<char> buf,
                          std::string* refusedField) {
  Out out(buf);
  out.Put(kDeclaration);
  out.Put("<TK48G_CFG>\r\n\r\n");
  const auto* base = reinterpret_cast<const unsigned char*>(&record);
  for (const Node& section : root.children) PutNode(out, section, base);
  out.Put("</TK48G_CFG>\r\n\r\n");
  if (out.Refused()) {  // a file that would not read back is never produced
    if (refusedField) *refusedField = FieldAt(record, out.Refused());
    return 0;
  }
  return out.Length();
}

std::string DocumentText(const Node& root, const SettingData& record, std::string* refusedField) {
  std::string text(kTextBufferSize, '\0');
  std::size_t len = WriteDocument(root, record, text, refusedField);
  if (len > text.size()) {  // a record far larger than any real one: write again, sized
    text.assign(len, '\0');
    len = WriteDocument(root, record, text, refusedField);
  }
  text.resize(len);
  return text;
}

}  // namespace

std::size_t WriteConfiguration(const SettingData& record, std::span<char> out, std::string* refusedField) {
  return WriteDocument(ConfigurationSchema(), record, out, refusedField);
}

std::size_t WriteAccessSettings(const SettingData& record, std::span<char> out, std::string* refusedField) {
  return WriteDocument(AccessSchema(), record, out, refusedField);
}

void ShowUnwritable(const std::string& field, UiPort& ui) {
  ui.Message(FormatText(text::kUnwritableText, field.c_str()), Icon::Error);
}

std::string FormatReal(double value, int decimals) {
  char text[360];
  return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr);
}

std::string FormatFieldValue(const Node& n, const FieldSlot& slot) {
  char buf[kFieldValueMax];
  return std::string(buf, FormatFieldValue(n, slot, buf));
}

std::size_t FormatFieldValue(const Node& n, const FieldSlot& slot, std::span<char> buf) {
  Out out(buf);
  PutValue(out, n, slot);
  return out.Length() <= buf.size() ? out.Length() : 0;
}

std::string ConfigurationText(const SettingData& record) {
  return DocumentText(ConfigurationSchema(), record, nullptr);
}
std::string AccessSettingsText(const SettingData& record) { return DocumentText(AccessSchema(), record, nullptr); }

namespace {
std::optional<std::string> CheckedText(const Node& root, const SettingData& record, UiPort& ui) {
  std::string refused;
  std::string text = DocumentText(root, record, &refused);
  if (!refused.empty()) {
    ShowUnwritable(refused, ui);
    return std::nullopt;
  }
  return text;
}
}  // namespace

std::optional<std::string> ConfigurationText(const SettingData& record, UiPort& ui) {
  return CheckedText(ConfigurationSchema(), record, ui);
}
std::optional<std::string> AccessSettingsText(const SettingData& record, UiPort& ui) {
  return CheckedText(AccessSchema(), record, ui);
}

}  // namespace tk48
