// The configuration file reader on arbitrary text: it must never crash, hang or
// leak, whatever the bytes.
#include <cstdint>
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
  std::memcpy(record.get(), defaults.get(), sizeof *record);
  tk48::ParseConfiguration(*record, std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
