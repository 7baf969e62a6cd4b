// The configuration file reader on arbitrary text: it must never crash, hang or
// leak, whatever the bytes; and listing every fault must not change the read.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "model/defaults.h"
#include "model/reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::unique_ptr<tk48::SettingData> defaults = [] {
    auto r = tk48::NewSettingData();
    tk48::ApplyDefaults(*r);
    return r;
  }();
  static const std::unique_ptr<tk48::SettingData> record = tk48::NewSettingData();
  static const std::unique_ptr<tk48::SettingData> all = tk48::NewSettingData();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::memcpy(record.get(), defaults.get(), sizeof *record);
  const tk48::ReadResult first = tk48::ParseConfiguration(*record, text);
  std::memcpy(all.get(), defaults.get(), sizeof *all);
  const tk48::ReadResult every = tk48::ParseConfiguration(*all, text, tk48::Faults::All);
  if (first.flags != every.flags || first.path != every.path || first.ok() != first.faults.empty() ||
      every.faults.size() < first.faults.size() || std::memcmp(record.get(), all.get(), sizeof *all) != 0)
    std::abort();
  static_cast<void>(tk48::ReadFaultText(every));
  return 0;
}
