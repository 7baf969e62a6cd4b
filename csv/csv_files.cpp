// The file set: the layouts in the dialog's order, their field paths resolved
// against the schema once.
#include <cstdio>
#include <cstdlib>

#include "checks/editor_limits.h"
#include "csv/csv_layout.h"
#include "csv/layout_builders.h"
#include "model/field_path.h"

namespace tk48 {
namespace {

struct Resolver {
  std::unique_ptr<SettingData> scratch = NewSettingData();
  unsigned char* base = reinterpret_cast<unsigned char*>(scratch.get());
  std::vector<bool> used = std::vector<bool>(EditorLimits().size());  // editor limits that found their row

  static std::string Substitute(std::string path, int number) {
    const std::size_t at = path.find('#');
    if (at != std::string::npos) path.replace(at, 1, std::to_string(number));
    return path;
  }

  // The field of item `first` and the distance to the next item's.
  const Node* Resolve(const std::string& path, int first, std::uint32_t& offset, std::uint32_t& stride,
                      std::uint32_t* numOffset = nullptr, std::uint32_t* numStride = nullptr) {
    const auto a = FindField(*scratch, Substitute(path, first));
    if (!a) {
      std::fprintf(stderr, "CSV layout names no field: %s\n", path.c_str());
      std::abort();
    }
    offset = static_cast<std::uint32_t>(a->slot.value - base);
    stride = 0;
    if (numOffset && a->slot.number) *numOffset = static_cast<std::uint32_t>(a->slot.number - base);
    if (path.find('#') != std::string::npos) {
      const auto b = FindField(*scratch, Substitute(path, first + 1));
      if (!b) std::abort();
      stride = static_cast<std::uint32_t>(b->slot.value - a->slot.value);
      if (numStride && b->slot.number) *numStride = static_cast<std::uint32_t>(b->slot.number - a->slot.number);
    }
    return a->node;
  }

  void Rows(std::vector<CsvList>& lists, int first) {
    for (CsvList& list : lists) {
      for (CsvRow& r : list.rows) {
        if (r.field.empty()) continue;
        r.node = Resolve(r.field, first, r.offset, r.stride, &r.numOffset, &r.numStride);
        if (!r.aux.empty()) Resolve(r.aux, first, r.auxOffset, r.auxStride);
        if (!r.gate.empty()) r.gateNode = Resolve(r.gate, first, r.gateOffset, r.gateStride);
        for (const EditorLimit& l : EditorLimits()) {
          if (!FieldMatches(l.field, r.field)) continue;
          r.limits.push_back(&l);
          used[static_cast<std::size_t>(&l - EditorLimits().data())] = true;
        }
      }
    }
  }

  void File(CsvFile& f) {
    CsvTable& t = f.table;
    if (t.pathFirst < 0) t.pathFirst = t.first;
    Rows(f.settings, t.pathFirst);
    Rows(f.lists, t.pathFirst);
    std::uint32_t unused = 0;
    if (!f.modeField.empty()) f.modeNode = Resolve(f.modeField, 0, f.modeOffset, unused);
    if (!t.typeField.empty()) t.typeNode = Resolve(t.typeField, t.pathFirst, t.typeOffset, t.typeStride);
    if (!t.areasField.empty()) t.areasNode = Resolve(t.areasField, t.pathFirst, t.areasOffset, t.areasStride);
  }
};

const std::vector<CsvFile>& Files() {
  static const std::vector<CsvFile> files = [] {
    std::vector<CsvFile> f;
    csv_layouts::AddSystemAndIo(f);
    csv_layouts::AddCommunicationAndMail(f);
    csv_layouts::AddDisplayRecordScheduleMonitor(f);
    Resolver resolver;
    for (CsvFile& file : f) resolver.File(file);
    for (std::size_t i = 0; i < resolver.used.size(); ++i) {
      if (resolver.used[i]) continue;
      std::fprintf(stderr, "CSV editor limit names no layout row: %.*s\n",
                   static_cast<int>(EditorLimits()[i].field.size()), EditorLimits()[i].field.data());
      std::abort();
    }
    return f;
  }();
  return files;
}

}  // namespace

std::span<const CsvFile> CsvFiles() { return Files(); }

const CsvFile* FindCsvFile(std::string_view name) {
  for (const CsvFile& f : Files())
    if (f.name == name) return &f;
  return nullptr;
}

std::span<const CsvGroup> CsvGroups() {
  static constexpr CsvGroup kGroups[] = {{0, 0, 1},
                                         {T("Input/Output"), 1, 9},
                                         {T("Communication"), 10, 6},
                                         {T("E-mail"), 16, 5},
                                         {T("Graph/Display"), 21, 2},
                                         {T("Record"), 23, 3},
                                         {T("Scheduler"), 26, 3},
                                         {0, 29, 1}};
  return kGroups;
}

}  // namespace tk48
