#include "csv/csv_import.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "csv/cell_checks.h"
#include "csv/csv_export.h"
#include "csv/csv_text.h"
#include "csv/csv_ties.h"
#include "csv/csv_values.h"
#include "csv/slmp_devices.h"
#include "model/file_io.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

using Line = std::vector<std::string>;

// ---- Text forms ----------------------------------------------------------------------

std::string NoBlanks(std::string s) {
  s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; }), s.end());
  return s;
}

// A label or a formatted header as compared: trimmed, folded, without blanks.
std::string Comparable(std::string_view s) { return NoBlanks(FoldWidth(TrimBlanks(s))); }

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

  // An integer field's cell by the field's limit: hexadecimal for the words
  // and colours; a port no other server has.
  std::optional<std::int64_t> IntCell(const Node& n, const CellLimit& l, std::string_view cell) const {
    if (n.fmt == Fmt::Hex8 || n.fmt == Fmt::Hex2) {
      const auto v = HexCell(cell, static_cast<std::uint32_t>(l.max));
      return v ? std::optional<std::int64_t>(*v) : std::nullopt;
    }
    const auto v = WholeCell(cell, l);
    if (v && l.check == Check::Port && PortTakenByOther(d, l.service, *v)) return std::nullopt;
    return v;
  }

  bool Text(const Node& n, const CellLimit& l, unsigned char* p, std::string_view cell) const {
    const std::string utf8 = Latin1ToUtf8(cell);
    if (!CsvTextAllowed(utf8) || !TextCellFits(cell, l) || utf8.size() >= n.capacity) return false;
    std::memset(p, 0, n.capacity);
    std::memcpy(p, utf8.data(), utf8.size());
    return true;
  }

  bool Real(unsigned char* p, const CellLimit& l, std::string_view cell) const {
    const auto v = NumberCell(cell, l);
    if (v) StoreReal(p, *v);
    return v.has_value();
  }

  // Converts `cell` and stores it; false when it fails its check (nothing stored).
  bool Store(const CsvRow& r, const CsvItem& it, std::string_view cell) const {
    const Node& n = *r.node;
    unsigned char* p = Value(r, it.i);
    switch (r.cell) {
      case Cell::None: return true;
      case Cell::Auto:
        switch (n.kind) {
          case Kind::Text:
            return Text(n, LimitOf(r, it), p, cell);
          case Kind::Real:
            return Real(p, LimitOf(r, it), cell);
          case Kind::PenChannel: {  // a channel of the pen's type
            const auto type = static_cast<std::size_t>(LoadI32(p - n.offset + n.depOffset));
            if (type >= n.families->size()) return false;
            const auto v = IntegerCell(cell, 1, (*n.families)[type].max);
            return v && StoreInt(n, p, *v);
          }
          default: {
            const auto v = IntCell(n, LimitOf(r, it), cell);
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
          const auto v = IntegerCell(cell, 1, kMdCount);
          if (v) tk48::StoreInt(p, n.width, *v);
          return v.has_value();
        }
        const std::int32_t kind = LoadI32(p);
        if (kind < 0 || static_cast<std::size_t>(kind) >= n.families->size()) return false;
        const auto v = IntegerCell(cell, 1, (*n.families)[static_cast<std::size_t>(kind)].max);
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
        const auto v = HexCell(cell, 0xFFFFFFFFu);
        return v && StoreInt(n, p, *v);
      }
      case Cell::Hex4: {
        const auto v = HexCell(cell, 0xFFFFu);
        return v && StoreInt(n, p, *v);
      }
      case Cell::PlusOne: {
        const auto v = IntegerCell(cell, n.min + 1, n.max + 1);
        return v && StoreInt(n, p, *v - 1);
      }
      case Cell::ZeroText: {
        if (cell == HeaderBytes(static_cast<std::uint16_t>(r.arg), 0)) return StoreInt(n, p, 0);
        const auto v = n.allowed.empty() ? IntegerCell(cell, std::max<std::int64_t>(n.min, 1), n.max)
                                         : IntegerCell(cell, 1, INT32_MAX);
        return v && StoreInt(n, p, *v);
      }
      case Cell::SharedSlave: {
        if (cell == HeaderBytes(text::kDisable, 0)) return StoreInt(n, p, -1);
        for (int s = 0; s <= n.max; ++s)
          if (cell == FormatText(text::kSlaveLabel, s)) return StoreInt(n, p, s);
        return false;
      }
      case Cell::SlmpDevice: {
        for (const SlmpDevice& device : SlmpDevices(static_cast<SlmpList>(r.arg)))
          if (cell == SlmpDeviceText(device)) return StoreInt(n, p, device.code);
        return false;
      }
      case Cell::SlmpNumber: {
        if (r.arg % 2) {
          const auto v = HexCell(cell, 0xFFFFFFFFu);
          return v && StoreInt(n, p, *v);
        }
        const auto v = IntegerCell(cell, 0, UINT32_MAX);
        return v && StoreInt(n, p, *v);
      }
      case Cell::MaK1:
        return Real(p, LimitOf(r, it), cell);
      case Cell::MaK2: {
        if (MaK2IsUnit(it.type)) {
          const Choice* c = Chosen(&TimeUnits(), cell);
          if (c) StoreReal(p, c->value);
          return c != nullptr;
        }
        return Real(p, LimitOf(r, it), cell);
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

  // A reference's channel (or a pen's) that fails takes its family back too:
  // the reference stays as it was, where the new family with the old number
  // would not read back.
  static bool IsChannel(const CsvRow& r) {
    return (r.cell == Cell::RefCh && (r.node->kind == Kind::Ref || r.node->kind == Kind::MdNumber)) ||
           (r.cell == Cell::Auto && r.node->kind == Kind::PenChannel);
  }
  void RestoreFamily(const CsvRow& r, int i, const SettingData& from) const {
    if (!IsChannel(r)) return;
    const Node& n = *r.node;
    if (n.kind == Kind::MdNumber) return Restore(r, i, from);  // the number is the whole reference
    unsigned char* kind = n.kind == Kind::Ref ? Value(r, i) : Value(r, i) - n.offset + n.depOffset;
    std::memcpy(kind, reinterpret_cast<const unsigned char*>(&from) + (kind - base), 4);
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
        want = FoldWidth(TrimBlanks(want));
        got = FoldWidth(TrimBlanks(got));
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
      cellar_.RestoreFamily(row, i, before);
      Report(SettingError(row, table ? i : -1), rowAt, i);
    });
    // A reference whose CH row is missing keeps its family too, as one whose CH cell fails.
    k = 0;
    for (const CsvList& list : lists)
      for (const CsvRow& row : list.rows) {
        if ((k < matched.size() && matched[k++]) || row.cell == Cell::None || !Cellar::IsChannel(row)) continue;
        for (int i = 0; i < items; ++i)
          if (cellar_.Applies(row, ItemOf(table ? i : -1, list.block))) cellar_.RestoreFamily(row, i, before);
      }
  }

  // "Setting error:", the row's header texts and, in a table, the item's label.
  std::string SettingError(const CsvRow& row, int item) const {
    std::string text = LogText(text::kCsvSettingError);
    for (int c = 0; c < f_.headers; ++c)
      if (row.head.id[c] != 0 && row.head.id[c] != kMatchedEmpty) text += HeaderBytes(row.head.id[c], row.head.param);
    if (item >= 0) text += HeaderBytes(f_.table.label, f_.table.first + item);
    return text;
  }

  // The table row of `field` and its place in reading order.
  std::pair<const CsvRow*, std::size_t> TableRow(std::string_view field) const {
    std::size_t at = 0;
    for (const CsvList& list : f_.lists)
      for (const CsvRow& row : list.rows) {
        if (row.field == field) return {&row, at};
        ++at;
      }
    std::fprintf(stderr, "CSV tie names no row of %s: %.*s\n", f_.name.c_str(), static_cast<int>(field.size()),
                 field.data());
    std::abort();
  }

  // The rules between an item's cells, over the items read: a broken one
  // reports the cell it blames and puts its cells back.
  void Ties(const SettingData& before, int items) {
    for (const CsvTie& tie : CsvTies()) {
      if (tie.file != f_.name) continue;
      const auto row = [&](std::string_view field) { return TableRow(std::string(tie.item) + std::string(field)); };
      for (int i = 0; i < items; ++i) {
        const std::string_view blamed = tie.broken(d_, i);
        if (blamed.empty()) continue;
        for (std::string_view field : tie.restore) cellar_.Restore(*row(field).first, i, before);
        const auto [cell, at] = row(blamed);
        Report(SettingError(*cell, i), at, i);
      }
    }
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
    Ties(before, n);
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
  file_.reset();
  // Non-blocking: a FIFO under the log's name with nobody reading it would
  // otherwise hold the open for ever; it fails instead.
  const int fd = ::open(CsvPath(folder, LogText(text::kCsvLogName)).c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  if (fd < 0) return false;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) file_.reset(::fdopen(fd, "wb"));
  if (!file_) ::close(fd);
  return file_ != nullptr;
}

void CsvLog::Write(std::string_view bytes) {
  if (file_) std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
}

bool ImportCsvFile(const std::string& folder, const CsvFile& file, SettingData& record, CsvLog& log,
                   std::string* refusal) {
  const std::string path = CsvPath(folder, file.name);
  const FileRead read = ReadFileWithin(path, kCsvFileLimit);
  if (!read.bytes) {
    // A file refused unread counts as one that cannot be opened: the log's one line for it.
    log.Write(FormatText(text::kCsvLogOpenError, path.c_str()) + "\r\n");
    if (refusal && read.refusal != ReadRefusal::CannotOpen) *refusal = RefusalText(read, path);
    return false;
  }
  std::string lines =
      LogText(text::kCsvLogSeparator) + "\r\n" + FormatText(text::kCsvLogOpen, file.name.c_str()) + "\r\n";
  const bool ok = ImportCsvBytes(file, *read.bytes, record, lines);
  lines += FormatText(text::kCsvLogClose, file.name.c_str()) + "\r\n";
  log.Write(lines);
  return ok;
}

}  // namespace tk48
