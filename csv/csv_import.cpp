#include "csv/csv_import.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "csv/csv_export.h"
#include "csv/csv_text.h"
#include "csv/csv_values.h"
#include "csv/slmp_devices.h"
#include "editors/checks/checks.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

using Line = std::vector<std::string>;

// ---- Text forms ----------------------------------------------------------------------

// Full-width forms (U+FF01..U+FF5E) and the ideographic space, as UTF-8 bytes in
// the cell, folded to their ASCII forms.
std::string Fold(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    if (i + 2 < s.size() && b(0) == 0xEF && (b(1) == 0xBC || b(1) == 0xBD)) {
      const unsigned cp = 0xFF00u + ((b(1) & 0x3u) << 6) + (b(2) & 0x3Fu);
      if (cp >= 0xFF01 && cp <= 0xFF5E && (b(2) & 0xC0) == 0x80) {
        out.push_back(static_cast<char>(cp - 0xFEE0));
        i += 2;
        continue;
      }
    }
    if (i + 2 < s.size() && b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) {
      out.push_back(' ');
      i += 2;
      continue;
    }
    out.push_back(s[i]);
  }
  return out;
}

std::string Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

std::string NoBlanks(std::string s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; }), s.end());
  return s;
}

// A label or a formatted header as compared: trimmed, folded, without blanks.
std::string Comparable(std::string_view s) { return NoBlanks(Fold(Trim(s))); }

std::u16string Units(std::string_view latin1) {
  std::u16string u;
  u.reserve(latin1.size());
  for (char c : latin1) u.push_back(static_cast<unsigned char>(c));
  return u;
}

// A number cell: trimmed and folded to half-width.
std::string NumberText(std::string_view cell) { return Trim(Fold(cell)); }

std::optional<std::int64_t> ParseInt(std::string_view cell, std::int64_t min, std::int64_t max) {
  const std::string t = NumberText(cell);
  const std::u16string u = Units(t);
  if (t.empty()) return std::nullopt;
  if (min >= 0 && max > INT32_MAX) {
    if (!CheckUInt(u, static_cast<std::uint32_t>(min), static_cast<std::uint32_t>(std::min<std::int64_t>(max, UINT32_MAX)), 0, 0))
      return std::nullopt;
    return static_cast<std::int64_t>(std::strtoul(t.c_str(), nullptr, 10));
  }
  const auto lo = static_cast<std::int32_t>(std::max<std::int64_t>(min, INT32_MIN));
  const auto hi = static_cast<std::int32_t>(std::min<std::int64_t>(max, INT32_MAX));
  if (!CheckInt(u, lo, hi, 0, 0)) return std::nullopt;
  return static_cast<std::int64_t>(std::strtol(t.c_str(), nullptr, 10));
}

std::optional<std::uint32_t> ParseHex(std::string_view cell, std::uint32_t max) {
  const std::string t = NumberText(cell);
  if (t.empty() || !CheckHex(Units(t), 0, max, 0, 0)) return std::nullopt;
  return static_cast<std::uint32_t>(std::strtoul(t.c_str(), nullptr, 16));
}

std::optional<double> ParseReal(std::string_view cell, int places) {
  const std::string t = NumberText(cell);
  constexpr double kLimit = 99999999999999.0;
  if (t.empty() || !CheckReal(Units(t), 0, places, 0, -kLimit, kLimit)) return std::nullopt;
  return std::strtod(t.c_str(), nullptr);
}

}  // namespace

std::vector<std::vector<std::string>> CsvLines(std::string_view bytes) {
  std::vector<Line> lines;
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  while (i < n) {
    Line line;
    for (;;) {
      std::string cell;
      if (i < n && bytes[i] == '"') {
        ++i;
        for (; i < n; ++i) {
          if (bytes[i] != '"') {
            cell.push_back(bytes[i]);
          } else if (i + 1 < n && bytes[i + 1] == '"') {
            cell.push_back('"');
            ++i;
          } else {
            ++i;
            break;
          }
        }
        // After the closing quote, up to the comma or the line end (a CR with it): dropped.
        while (i < n && bytes[i] != ',' && bytes[i] != '\n') ++i;
      } else {
        while (i < n && bytes[i] != ',' && bytes[i] != '\n') cell.push_back(bytes[i++]);
        if ((i >= n || bytes[i] == '\n') && !cell.empty() && cell.back() == '\r') cell.pop_back();
      }
      line.push_back(std::move(cell));
      if (i < n && bytes[i] == ',') {
        ++i;
        continue;
      }
      if (i < n) ++i;  // the LF
      break;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

bool CsvTextAllowed(std::string_view utf8) {
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 && b != '\t' && b != '\r' && b != '\n') return false;
    if (b == 0x7F) return false;
  }
  return true;
}

namespace {

// ---- Storing one value --------------------------------------------------------------------

struct Cellar {
  SettingData& d;
  unsigned char* base = reinterpret_cast<unsigned char*>(&d);

  unsigned char* Value(const CsvRow& r, int i) const { return base + r.offset + static_cast<std::size_t>(i) * r.stride; }
  unsigned char* Number(const CsvRow& r, int i) const {
    return base + r.numOffset + static_cast<std::size_t>(i) * r.numStride;
  }

  static const Choice* Chosen(const Choices* choices, std::string_view cell) {
    if (!choices) return nullptr;
    for (const Choice& c : *choices)
      if (HeaderBytes(c.text, 0) == cell) return &c;
    return nullptr;
  }

  bool StoreInt(const Node& n, unsigned char* p, std::int64_t v) const {
    if (!n.allowed.empty() && std::find(n.allowed.begin(), n.allowed.end(), v) == n.allowed.end()) return false;
    if (n.kind == Kind::Keyword || n.kind == Kind::Ref || n.kind == Kind::Suffixed)
      StoreI32(p, static_cast<std::int32_t>(v));
    else
      tk48::StoreInt(p, n.width, v);
    return true;
  }

  std::optional<std::int64_t> IntCell(const Node& n, std::string_view cell) const {
    if (n.fmt == Fmt::Hex8 || n.fmt == Fmt::Hex2) {
      const auto v = ParseHex(cell, 0xFFFFFFFFu);
      return v ? std::optional<std::int64_t>(*v) : std::nullopt;
    }
    if (!n.allowed.empty()) return ParseInt(cell, INT32_MIN, INT32_MAX);
    return ParseInt(cell, n.min, n.max);
  }

  bool Text(const Node& n, unsigned char* p, std::string_view cell) const {
    const std::string utf8 = Latin1ToUtf8(cell);
    if (!CsvTextAllowed(utf8)) return false;
    const std::u16string u = Units(cell);
    const int room = n.capacity - 1;
    const bool ok = n.ascii ? CheckAsciiText(u, room, 0, 0, 0, 0) : CheckText(u, room / 3, 0, 0);
    if (!ok || utf8.size() > static_cast<std::size_t>(room)) return false;
    std::memset(p, 0, n.capacity);
    std::memcpy(p, utf8.data(), utf8.size());
    return true;
  }

  // Converts `cell` and stores it; false when it fails its check (nothing stored).
  bool Store(const CsvRow& r, const CsvItem& it, std::string_view cell) const {
    const Node& n = *r.node;
    unsigned char* p = Value(r, it.i);
    switch (r.cell) {
      case Cell::None: return true;
      case Cell::Auto:
        switch (n.kind) {
          case Kind::Text: return Text(n, p, cell);
          case Kind::Real: {
            const auto v = ParseReal(cell, n.fmt == Fmt::F4 ? 4 : 3);
            if (v) StoreReal(p, *v);
            return v.has_value();
          }
          case Kind::PenChannel: {  // a channel of the pen's type
            const auto type = static_cast<std::size_t>(LoadI32(p - n.offset + n.depOffset));
            if (type >= n.families->size()) return false;
            const auto v = ParseInt(cell, 1, (*n.families)[type].max);
            return v && StoreInt(n, p, *v);
          }
          default: {
            const auto v = IntCell(n, cell);
            return v && StoreInt(n, p, *v);
          }
        }
      case Cell::Choice: {
        const Choice* c = Chosen(r.choices, cell);
        return c && StoreInt(n, p, c->value);
      }
      case Cell::RefType: {
        if (n.kind == Kind::MdNumber) {
          if (cell == HeaderBytes(FamilyText(r, 0), 0)) return tk48::StoreInt(p, n.width, 0), true;
          if (cell != HeaderBytes(FamilyText(r, 1), 0)) return false;
          if (LoadInt(p, n.width) == 0) tk48::StoreInt(p, n.width, 1);  // the CH row gives the number
          return true;
        }
        for (std::size_t k = 0; k < n.families->size(); ++k) {
          const std::uint16_t text = FamilyText(r, k);
          if (text == 0 || HeaderBytes(text, 0) != cell) continue;
          StoreI32(p, static_cast<std::int32_t>(k));
          if ((*n.families)[k].zeroNumber) StoreI16(Number(r, it.i), 0);
          return true;
        }
        return false;
      }
      case Cell::RefCh: {
        if (n.kind == Kind::MdNumber) {
          const auto v = ParseInt(cell, 1, kMdCount);
          if (v) tk48::StoreInt(p, n.width, *v);
          return v.has_value();
        }
        const std::int32_t kind = LoadI32(p);
        if (kind < 0 || static_cast<std::size_t>(kind) >= n.families->size()) return false;
        const auto v = ParseInt(cell, 1, (*n.families)[static_cast<std::size_t>(kind)].max);
        if (v) StoreI16(Number(r, it.i), static_cast<std::int16_t>(*v));
        return v.has_value();
      }
      case Cell::Bit: {
        const Choice* c = Chosen(r.choices, cell);
        if (!c) return false;
        const std::int64_t word = IntValue(n, p);
        const std::int64_t bit = std::int64_t{1} << r.arg;
        return StoreInt(n, p, c->value ? (word | bit) : (word & ~bit));
      }
      case Cell::ItemBit: {
        const Choice* c = Chosen(r.choices, cell);
        if (!c) return false;
        unsigned char* w = p + (it.i / 32) * 4;
        std::uint32_t word;
        std::memcpy(&word, w, 4);
        const std::uint32_t bit = 1u << (it.i % 32);
        word = c->value ? (word | bit) : (word & ~bit);
        std::memcpy(w, &word, 4);
        return true;
      }
      case Cell::MaskedMail: {
        const auto v = ParseHex(cell, 0xFFFFFFFFu);
        return v && StoreInt(n, p, *v);
      }
      case Cell::Hex4: {
        const auto v = ParseHex(cell, 0xFFFFu);
        return v && StoreInt(n, p, *v);
      }
      case Cell::PlusOne: {
        const auto v = ParseInt(cell, n.min + 1, n.max + 1);
        return v && StoreInt(n, p, *v - 1);
      }
      case Cell::ZeroText: {
        if (cell == HeaderBytes(static_cast<std::uint16_t>(r.arg), 0)) return StoreInt(n, p, 0);
        const auto v = n.allowed.empty() ? ParseInt(cell, std::max<std::int64_t>(n.min, 1), n.max)
                                         : ParseInt(cell, 1, INT32_MAX);
        return v && StoreInt(n, p, *v);
      }
      case Cell::SharedSlave: {
        if (cell == HeaderBytes(TextIdOf::kDisable, 0)) return StoreInt(n, p, -1);
        for (int s = 0; s <= n.max; ++s)
          if (cell == FormatText(TextIdOf::kSlave, s)) return StoreInt(n, p, s);
        return false;
      }
      case Cell::SlmpDevice: {
        for (const SlmpDevice& device : SlmpDevices(static_cast<SlmpList>(r.arg)))
          if (cell == SlmpDeviceText(device)) return StoreInt(n, p, device.code);
        return false;
      }
      case Cell::SlmpNumber: {
        if (r.arg % 2) {
          const auto v = ParseHex(cell, 0xFFFFFFFFu);
          return v && StoreInt(n, p, *v);
        }
        const auto v = ParseInt(cell, 0, UINT32_MAX);
        return v && StoreInt(n, p, *v);
      }
      case Cell::MaK1: {  // a whole number is also a real's text
        const auto v = ParseReal(cell, 3);
        if (v) StoreReal(p, *v);
        return v.has_value();
      }
      case Cell::MaK2: {
        if (MaK2IsUnit(it.type)) {
          const Choice* c = Chosen(&TimeUnits(), cell);
          if (c) StoreReal(p, c->value);
          return c != nullptr;
        }
        const auto v = ParseReal(cell, 3);
        if (v) StoreReal(p, *v);
        return v.has_value();
      }
    }
    return false;
  }

  // Puts the row's part of the field back as `from` holds it.
  void Restore(const CsvRow& r, int i, const SettingData& from) const {
    const Node& n = *r.node;
    const auto* src = reinterpret_cast<const unsigned char*>(&from);
    unsigned char* p = Value(r, i);
    const unsigned char* q = src + (p - base);
    switch (r.cell) {
      case Cell::Bit: {
        const std::int64_t bit = std::int64_t{1} << r.arg;
        const std::int64_t word = IntValue(n, p), old = IntValue(n, q);
        StoreInt(n, p, (word & ~bit) | (old & bit));
        return;
      }
      case Cell::ItemBit: {
        const std::size_t at = static_cast<std::size_t>(i / 32) * 4;
        std::uint32_t word, old;
        std::memcpy(&word, p + at, 4);
        std::memcpy(&old, q + at, 4);
        const std::uint32_t bit = 1u << (i % 32);
        word = (word & ~bit) | (old & bit);
        std::memcpy(p + at, &word, 4);
        return;
      }
      case Cell::RefCh:
        if (n.kind == Kind::Ref) {
          std::memcpy(Number(r, i), src + (Number(r, i) - base), 2);
          return;
        }
        break;
      default: break;
    }
    std::size_t size = 4;
    switch (n.kind) {
      case Kind::Text: size = n.capacity; break;
      case Kind::Real: size = 8; break;
      case Kind::Int: case Kind::MdNumber: case Kind::PenChannel:
        size = (n.width == Width::U8 || n.width == Width::S8) ? 1 : (n.width == Width::U16 || n.width == Width::S16) ? 2 : 4;
        break;
      default: break;
    }
    std::memcpy(p, q, size);
  }

  bool Applies(const CsvRow& r, const CsvItem& it) const { return CellHasValue(r, it, base); }
};

// ---- Reading one file -------------------------------------------------------------------------

std::string LogText(int id) { return std::string(LoadText(id)); }

class FileReader {
 public:
  FileReader(const CsvFile& f, std::string_view bytes, SettingData& d, std::string& log)
      : f_(f), lines_(CsvLines(bytes)), d_(d), log_(log), cellar_{d} {}

  bool Run() {
    const auto before = NewSettingData();
    std::memcpy(before.get(), &d_, sizeof(SettingData));
    std::vector<const Line*> settings;
    for (std::size_t l = 0; l < f_.settings.size(); ++l) {
      if (Collect(f_.settings[l], settings, l == 0 && f_.firstRow != 0)) continue;
      Flush();
      return false;
    }
    Apply(f_.settings, settings, 1, *before, false);
    Flush();
    if (f_.table.count > 0) Table(*before);
    Flush();
    return !failed_;
  }

 private:
  // Report lines wait for the end of their row lists and go out in reading
  // order: by row, then by item (the setting errors are found after all rows).
  void Report(const std::string& line, std::size_t row = 0, int item = -1) {
    pending_.push_back({{row, item}, line});
    failed_ = true;
  }
  void Flush() {
    std::stable_sort(pending_.begin(), pending_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& p : pending_) log_ += p.second + "\r\n";
    pending_.clear();
  }

  std::string ListCode(const CsvList& list, std::size_t r) const {
    std::string code = list.code + "-" + std::to_string(r);
    if (list.block == 0) return code;
    const std::string_view c = list.code;
    const char* label = c.ends_with("_AREA") ? " AREA-" : c.ends_with("_Pen") ? " No." : " Year-";
    return code + label + std::to_string(list.block);
  }

  bool Matches(const Line& line, const CsvRowHeader& h) const {
    if (line.size() <= static_cast<std::size_t>(f_.headers - 1)) return false;
    for (int c = 0; c < f_.headers; ++c) {
      const std::string& cell = line[static_cast<std::size_t>(c)];
      const std::uint16_t id = h.id[c];
      if (id == 0 || id == kMatchedEmpty) {
        if (!NoBlanks(cell).empty()) return false;
        continue;
      }
      std::string want = HeaderBytes(id, h.param), got = cell;
      if (LoadText(id).find('%') != std::string_view::npos) {  // a numbered header
        want = Fold(Trim(want));
        got = Fold(Trim(got));
      }
      if (NoBlanks(want) != NoBlanks(got)) return false;
    }
    return true;
  }

  // Matches the rows of `list` against the lines, one line in hand; false when
  // a mandatory first row is missing (the file stops).
  bool Collect(const CsvList& list, std::vector<const Line*>& matched, bool mandatoryFirst) {
    for (std::size_t r = 0; r < list.rows.size(); ++r) {
      const CsvRow& row = list.rows[r];
      if (!hand_ && next_ < lines_.size()) hand_ = &lines_[next_++];
      const bool ok = hand_ && Matches(*hand_, row.head);
      const std::size_t k = matched.size();
      if (mandatoryFirst && r == 0 && !ok) {
        Report(LogText(text::kCsvStopReading) + HeaderBytes(row.head.id[0], row.head.param), k);
        return false;
      }
      if (!hand_) {
        Report(LogText(text::kCsvNoItem) + ListCode(list, r + 1), k);
        matched.push_back(nullptr);
      } else if (ok) {
        matched.push_back(hand_);
        hand_ = nullptr;
      } else {
        Report(LogText(text::kCsvRowError) + ListCode(list, r + 1), k);
        matched.push_back(nullptr);
      }
    }
    return true;
  }

  CsvItem ItemOf(int i, int block) const {
    CsvItem it = f_.table.count > 0 && i >= 0 ? TableItem(f_.table, d_, i) : CsvItem{d_, 0, 0, FileMode(f_, d_)};
    it.block = block;
    return it;
  }

  static const std::string& CellOf(const Line& line, std::size_t at) {
    static const std::string empty;
    return at < line.size() ? line[at] : empty;
  }

  // Stores every cell that holds a value, then decides from the values read
  // which cells apply: a row may depend on one that comes later in the file (a
  // consecutive count, an I/O mapping) or on itself. Cells that do not apply are
  // put back; cells that apply and fail are reported.
  void Apply(const std::vector<CsvList>& lists, const std::vector<const Line*>& matched, int items,
             const SettingData& before, bool table) {
    const std::size_t at0 = static_cast<std::size_t>(f_.headers);
    std::size_t rowAt = 0;  // the row's place in reading order
    auto each = [&](auto&& fn) {
      std::size_t k = 0;
      for (const CsvList& list : lists)
        for (const CsvRow& row : list.rows) {
          rowAt = k;
          const Line* line = k < matched.size() ? matched[k] : nullptr;
          ++k;
          if (!line || row.cell == Cell::None) continue;
          const int cells = row.cells ? std::min(row.cells, items) : items;
          for (int i = 0; i < cells; ++i) fn(list, row, *line, i, at0 + static_cast<std::size_t>(table ? i : 0));
        }
    };
    each([&](const CsvList& list, const CsvRow& row, const Line& line, int i, std::size_t at) {
      const std::string& cell = CellOf(line, at);
      if (!cell.empty()) cellar_.Store(row, ItemOf(table ? i : -1, list.block), cell);
    });
    std::vector<char> applies;
    each([&](const CsvList& list, const CsvRow& row, const Line&, int i, std::size_t) {
      applies.push_back(cellar_.Applies(row, ItemOf(table ? i : -1, list.block)));
    });
    // Cells that do not apply first: two rows may share a field (the decimal and
    // the hexadecimal SLMP number), and the one that applies has the last word.
    std::size_t k = 0;
    each([&](const CsvList&, const CsvRow& row, const Line&, int i, std::size_t) {
      if (!applies[k++]) cellar_.Restore(row, i, before);
    });
    k = 0;
    each([&](const CsvList& list, const CsvRow& row, const Line& line, int i, std::size_t at) {
      if (!applies[k++]) return;
      cellar_.Restore(row, i, before);
      if (cellar_.Store(row, ItemOf(table ? i : -1, list.block), CellOf(line, at))) return;
      std::string text = LogText(text::kCsvSettingError);
      for (int c = 0; c < f_.headers; ++c)
        if (row.head.id[c] != 0 && row.head.id[c] != kMatchedEmpty) text += HeaderBytes(row.head.id[c], row.head.param);
      if (table) text += HeaderBytes(f_.table.label, f_.table.first + i);
      Report(text, rowAt, i);
    });
  }

  void Table(const SettingData& before) {
    const CsvTable& t = f_.table;
    if (!hand_ && next_ < lines_.size()) hand_ = &lines_[next_++];
    int n = 0;
    if (hand_) {
      for (; n < t.count; ++n) {
        const std::string& cell = CellOf(*hand_, static_cast<std::size_t>(f_.headers + n));
        if (Comparable(cell) != Comparable(HeaderBytes(t.label, t.first + n))) break;
      }
      hand_ = nullptr;
    }
    if (n == 0) {
      Report(LogText(text::kCsvStopReading) + LogText(text::kCsvNoNumberLine));
      return;
    }
    if (n < t.count) {
      Report(LogText(text::kCsvCaution) + t.cautionWord +
             (f_.lists.front().code == "Cal_Day" ? " " : LogText(text::kCsvMax)) + std::to_string(n));
      Flush();
    }
    std::vector<const Line*> matched;
    for (std::size_t l = 0; l < f_.lists.size(); ++l)
      if (!Collect(f_.lists[l], matched, l == 0 && t.firstRow != 0)) return;
    Apply(f_.lists, matched, n, before, true);
  }

  const CsvFile& f_;
  std::vector<Line> lines_;
  SettingData& d_;
  std::string& log_;
  Cellar cellar_;
  std::size_t next_ = 0;
  const Line* hand_ = nullptr;
  bool failed_ = false;
  std::vector<std::pair<std::pair<std::size_t, int>, std::string>> pending_;
};

}  // namespace

void CopyCsvCells(const SettingData& from, SettingData& to) {
  const Cellar into{to};
  const auto* base = reinterpret_cast<const unsigned char*>(&from);
  auto copy = [&](const CsvList& list, CsvItem it) {
    for (const CsvRow& row : list.rows) {
      if (row.cell == Cell::None || (row.cells && it.i >= row.cells)) continue;
      if (CellHasValue(row, it, base)) into.Restore(row, it.i, from);
    }
  };
  for (const CsvFile& f : CsvFiles()) {
    for (const CsvList& list : f.settings) copy(list, CsvItem{from, 0, list.block, FileMode(f, from)});
    for (const CsvList& list : f.lists) {
      for (int i = 0; i < f.table.count; ++i) {
        CsvItem it = TableItem(f.table, from, i);
        it.block = list.block;
        copy(list, it);
      }
    }
  }
}

bool ImportCsvBytes(const CsvFile& file, std::string_view bytes, SettingData& record, std::string& log) {
  return FileReader(file, bytes, record, log).Run();
}

bool CsvLog::Create(const std::string& folder) {
  file_.reset(std::fopen(CsvPath(folder, LogText(text::kCsvLogName)).c_str(), "wb"));
  return file_ != nullptr;
}

void CsvLog::Write(std::string_view bytes) {
  if (file_) std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
}

bool ImportCsvFile(const std::string& folder, const CsvFile& file, SettingData& record, CsvLog& log) {
  const std::string path = CsvPath(folder, file.name);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!in) {
    log.Write(FormatText(text::kCsvLogOpenError, path.c_str()) + "\r\n");
    return false;
  }
  std::string bytes;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0;) bytes.append(buffer, got);
  std::string lines = LogText(text::kCsvLogSeparator) + "\r\n" + FormatText(text::kCsvLogOpen, file.name.c_str()) + "\r\n";
  const bool ok = ImportCsvBytes(file, bytes, record, lines);
  lines += FormatText(text::kCsvLogClose, file.name.c_str()) + "\r\n";
  log.Write(lines);
  return ok;
}

}  // namespace tk48
