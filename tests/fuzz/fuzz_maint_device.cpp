// What the maintenance core reads from outside: the device side of every put
// (fixed-size puts, the preset document, the image and browser view packages)
// and, on the configurator's side, the replies and schedule files the device
// sends. The first byte picks the reader; the rest is its input.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "maintenance/device_files.h"
#include "maintenance/menu_checks.h"
#include "maintenance/packages.h"
#include "maintenance/replies.h"
#include "maintenance/schedule_files.h"
#include "maintenance/schedule_view.h"
#include "model/defaults.h"
#include "port/scripted_ui.h"

namespace {

using namespace tk48;
using namespace tk48::maint;

constexpr std::string_view kPuts[] = {"TIME", "LOG", "MAIL", "FTPC", "MBCLR", "OPMNCLR", "TREND", "LGNG",
                                      "EVECLR", "OPE", "DEL", "PATTERN", "SCHPER", "SCHMNT"};

const SettingData& Record() {
  static const auto record = [] {
    auto r = NewSettingData();
    ApplyDefaults(*r);
    return r;
  }();
  return *record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::uint8_t pick = data[0];
  const std::span<const std::uint8_t> in(data + 1, size - 1);
  ScriptedUi ui;
  switch (pick % 6) {
    case 0:
      DecodePut(kPuts[(pick / 6) % std::size(kPuts)], in);
      break;
    case 1:
      ParsePresetDocument(in);
      break;
    case 2: {
      // Two wrapped files: the first two bytes say how long the directory is.
      if (in.size() < 2) break;
      const std::size_t dirLength = std::min<std::size_t>(in[0] | in[1] << 8, in.size() - 2);
      const auto rest = in.subspan(2);
      if (const auto files = ListPackage(rest.first(dirLength), rest.subspan(dirLength), pick & 0x80)) {
        // Every file's bytes lie within what was received.
        const auto* end = rest.data() + rest.size();
        for (const auto& f : *files) {
          if (f.bytes.data() < rest.data() || f.bytes.data() + f.bytes.size() > end) __builtin_trap();
        }
      }
      break;
    }
    case 3:
      LogText(in);
      MacText(in, ui);
      DiskReplyText(in, ui);
      break;
    case 4: {
      // A schedule file as the device sends it, plain (compression is zlib's own affair).
      const OneTimeFile oneTime = ParseOneTime(in).value_or(OneTimeFile{});
      const PermanentFile permanent = ParsePermanent(in).value_or(PermanentFile{});
      const OutputTypesFile types = ParseOutputTypes(in).value_or(OutputTypesFile{});
      for (int u = 0; u < kUnits; ++u) {
        OneTimeRows(Record(), oneTime.units[u]);
        PermanentRows(Record(), permanent.units[u]);
        CheckOneTimeChange(oneTime.units[u][0], permanent.units[u], ui);
      }
      OutputTypeRows(Record(), types, kFamilyDo);
      OutputTypeRows(Record(), types, kFamilyMd);
      break;
    }
    case 5:
      // Short inputs exercise the day-entry readers at every offset.
      if (in.size() >= kDayEntrySize) {
        OneTimeFile file;
        for (std::size_t i = 0; i + kDayEntrySize <= in.size() && i < kOneTimeFileSize; i += kDayEntrySize) {
          auto& d = file.units[i / (kOneTimeDays * kDayEntrySize)][(i / kDayEntrySize) % kOneTimeDays];
          d = {Le16(in.data() + i), Le16(in.data() + i + 2), Le16(in.data() + i + 4), Le16(in.data() + i + 6),
               Le16(in.data() + i + 8)};
        }
        for (const auto& unit : file.units) OneTimeRows(Record(), unit);
      }
      break;
  }
  return 0;
}
