#include "csv/csv_export.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "csv/csv_text.h"
#include "csv/csv_values.h"
#include "csv/slmp_devices.h"
#include "resources/strings.h"

namespace tk48 {
namespace {

struct Writer {
  const SettingData& d;
  const unsigned char* base = reinterpret_cast<const unsigned char*>(&d);
  std::string& out;
  std::uint32_t mailMask[4] = {};

  void Number(std::int64_t v) { out += std::to_string(v); }
  void Format(const char* format, auto value) {
    char b[64];
    std::snprintf(b, sizeof b, format, value);
    out += b;
  }
  void Text(std::uint16_t id) {
    if (id) out += HeaderBytes(id, 0);
  }
  void ChoiceOf(const Choices* choices, std::int64_t v) {
    if (const Choice* c = FindChoice(choices, v)) Text(c->text);
  }

  // The value cell of `row` for item `it`; false when a text cannot be written.
  bool Value(const CsvRow& row, const CsvItem& it) {
    if (!CellHasValue(row, it, base)) return true;
    const Node& n = *row.node;
    const unsigned char* p = base + row.offset + static_cast<std::size_t>(it.i) * row.stride;
    switch (row.cell) {
      case Cell::None: return true;
      case Cell::Auto:
        switch (n.kind) {
          case Kind::Text: {
            const auto text = QuoteCsvText(std::string_view(reinterpret_cast<const char*>(p), strnlen(reinterpret_cast<const char*>(p), n.capacity)));
            if (!text) return false;
            out += *text;
            return true;
          }
          case Kind::Real: Format(n.fmt == Fmt::F4 ? "%.4f" : "%.3f", LoadReal(p)); return true;
          default:
            if (n.fmt == Fmt::Hex8)
              Format("0x%08x", static_cast<unsigned>(IntValue(n, p)));
            else
              Number(IntValue(n, p));
            return true;
        }
      case Cell::Choice: ChoiceOf(row.choices, IntValue(n, p)); return true;
      case Cell::RefType: Text(RefTypeText(row, p, base + row.numOffset + static_cast<std::size_t>(it.i) * row.numStride)); return true;
      case Cell::RefCh:
        Number(*RefNumber(row, p, base + row.numOffset + static_cast<std::size_t>(it.i) * row.numStride));
        return true;
      case Cell::Bit: ChoiceOf(row.choices, (IntValue(n, p) >> row.arg) & 1); return true;
      case Cell::ItemBit: {
        std::uint32_t word;
        std::memcpy(&word, p + (it.i / 32) * 4, 4);
        ChoiceOf(row.choices, (word >> (it.i % 32)) & 1u);
        return true;
      }
      case Cell::MaskedMail:
        Format("0x%08x", static_cast<unsigned>(IntValue(n, p)) & mailMask[row.arg & 3]);
        return true;
      case Cell::Hex4: Format("0x%04x", static_cast<unsigned>(IntValue(n, p))); return true;
      case Cell::PlusOne: Number(IntValue(n, p) + 1); return true;
      case Cell::ZeroText: {
        const std::int64_t v = IntValue(n, p);
        if (v == 0) Text(static_cast<std::uint16_t>(row.arg)); else Number(v);
        return true;
      }
      case Cell::SharedSlave: {
        const std::int64_t v = IntValue(n, p);
        if (v < 0) Text(text::kDisable); else out += FormatText(text::kSlaveLabel, static_cast<int>(v));
        return true;
      }
      case Cell::SlmpDevice:
        out += SlmpDeviceText(SlmpDeviceOf(static_cast<SlmpList>(row.arg), static_cast<std::uint16_t>(IntValue(n, p))));
        return true;
      case Cell::SlmpNumber: Format(row.arg % 2 ? "%08x" : "%u", static_cast<unsigned>(IntValue(n, p))); return true;
      case Cell::MaK1: {
        const double v = LoadReal(p);
        if (MaK1IsInteger(it.type)) Number(std::llround(v)); else Format("%.3f", v);
        return true;
      }
      case Cell::MaK2: {
        const double v = LoadReal(p);
        if (MaK2IsUnit(it.type)) ChoiceOf(&TimeUnits(), std::llround(v)); else Format("%.3f", v);
        return true;
      }
    }
    return true;
  }

  bool SingleRows(const CsvFile& f, const CsvList& list, std::int64_t mode) {
    const CsvItem it{d, 0, list.block, mode};
    for (const CsvRow& row : list.rows) {
      WriteRowHeader(row.head, f.headers, out, row.head.param);
      if (!Value(row, it)) return false;
      out += "\r\n";
    }
    return true;
  }

  bool Table(const CsvFile& f) {
    const CsvTable& t = f.table;
    switch (t.lead) {
      case LabelLead::Blanks: for (int c = 0; c < f.headers; ++c) out += " ,"; break;
      case LabelLead::EmptyThenBlank: out += ", ,"; break;
      case LabelLead::Empty: out.append(static_cast<std::size_t>(f.headers), ','); break;
    }
    for (int i = 0; i < t.count; ++i) {
      out += HeaderBytes(t.label, t.first + i);
      out.push_back(',');
    }
    out += "\r\n";
    std::vector<CsvItem> items;
    items.reserve(static_cast<std::size_t>(t.count));
    for (int i = 0; i < t.count; ++i) items.push_back(TableItem(t, d, i));
    for (const CsvList& list : f.lists) {
      for (CsvItem& it : items) it.block = list.block;
      for (const CsvRow& row : list.rows) {
        WriteRowHeader(row.head, f.headers, out, row.head.param);
        const int cells = row.cells ? row.cells : t.count;
        for (int i = 0; i < cells; ++i) {
          if (!Value(row, items[static_cast<std::size_t>(i)])) return false;
          out.push_back(',');
        }
        out += "\r\n";
      }
    }
    return true;
  }
};

}  // namespace

std::string CsvPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool CsvFileBytes(const CsvFile& file, const SettingData& record, std::string& out) {
  out.clear();
  Writer w{record, reinterpret_cast<const unsigned char*>(&record), out};
  MailTemplatesInUse(record, w.mailMask);
  const std::int64_t mode = FileMode(file, record);
  for (const CsvList& list : file.settings)
    if (!w.SingleRows(file, list, mode)) return false;
  return file.table.count == 0 || w.Table(file);
}

bool ExportCsvFile(const std::string& folder, const CsvFile& file, const SettingData& record) {
  std::string bytes;
  const bool complete = CsvFileBytes(file, record, bytes);
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(CsvPath(folder, file.name).c_str(), "wb"),
                                                          &std::fclose);
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  return complete && written && std::fflush(f.get()) == 0;
}

}  // namespace tk48
