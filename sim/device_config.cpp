#include "sim/device_config.h"

#include <expat.h>

#include <cstring>
#include <memory>

#include "model/defaults.h"
#include "model/reader.h"
#include "model/writer.h"
#include "sim/bytes.h"

namespace tk48::sim {
namespace {

constexpr std::string_view kConfigFile = "CONFIG_P";
// The device keeps its own access-settings document beside the configuration.
constexpr std::string_view kAccessFile = "TK48GCFG";

constexpr std::string_view kRootStart = "<TK48G_CFG>\r\n\r\n";
constexpr std::string_view kRootEnd = "</TK48G_CFG>";

// The root's children and COM's children of an access-settings document.
struct Scan {
  int depth = 0;
  bool underCom = false;
  bool onlyAccess = true;
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char**) {
  auto& scan = *static_cast<Scan*>(data);
  const std::string_view element(name);
  if (scan.depth == 0 && element != "TK48G_CFG") scan.onlyAccess = false;
  if (scan.depth == 1) {
    scan.underCom = element == "COM";
    if (element != "TK48GCFG" && element != "COM") scan.onlyAccess = false;
  }
  if (scan.depth == 2 && scan.underCom && element != "TCP_IP") scan.onlyAccess = false;
  ++scan.depth;
}

void XMLCALL OnEnd(void* data, const XML_Char*) { --static_cast<Scan*>(data)->depth; }

}  // namespace

std::string DeviceConfigurationText(const SettingData& record) {
  std::string full = ConfigurationText(record);
  const std::string access = AccessSettingsText(record);
  const auto fullAt = full.find(kRootStart);
  const auto bodyAt = access.find(kRootStart);
  const auto bodyEnd = access.rfind(kRootEnd);
  if (fullAt == std::string::npos || bodyAt == std::string::npos || bodyEnd == std::string::npos) return full;
  const std::size_t from = bodyAt + kRootStart.size();
  full.insert(fullAt + kRootStart.size(), access, from, bodyEnd - from);
  return full;
}

bool IsAccessDocument(std::string_view text) {
  std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(XML_ParserCreate("UTF-8"),
                                                                                       &XML_ParserFree);
  if (!parser) return false;
  Scan scan;
  XML_SetUserData(parser.get(), &scan);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  const bool parsed =
      XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE) == XML_STATUS_OK;
  return parsed && scan.onlyAccess;
}

void CopyAccessBlocks(const SettingData& from, SettingData& to) {
  to.TK48GCFG = from.TK48GCFG;
  to.COM.TCP_IP = from.COM.TCP_IP;
}

std::unique_ptr<SettingData> DeviceRecord(const DeviceState& device) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  if (const auto stored = device.ReadFile(kConfigFile)) {
    CGzlib gz;
    if (gz.Decompress(*stored)) ParseConfiguration(*record, AsText(gz.Decompressed()));
  }
  if (const auto access = device.ReadFile(kAccessFile)) {
    auto blocks = NewSettingData();
    ApplyDefaults(*blocks);
    ParseConfiguration(*blocks, AsText(*access));
    CopyAccessBlocks(*blocks, *record);
  }
  return record;
}

std::optional<std::vector<std::uint8_t>> ServeDeviceFile(const DeviceState& device, std::string_view name) {
  auto file = device.ReadFile(name);
  if (file && name == kConfigFile) {
    // Bytes that are not a configuration go out as they are.
    CGzlib gz;
    if (gz.Decompress(*file)) {
      if (auto served = Compress(DeviceConfigurationText(*DeviceRecord(device)))) file = std::move(served);
    }
  }
  return file;
}

PutOutcome PutDeviceFile(DeviceState& device, std::string_view name, std::span<const std::uint8_t> data) {
  if (name != kConfigFile) return device.Put(name, data);
  CGzlib gz;
  const bool isText = gz.Decompress(data);
  const std::string_view text = isText ? AsText(gz.Decompressed()) : std::string_view{};
  if (isText && IsAccessDocument(text)) {
    // Only the two blocks change; the rest of the configuration stays.
    PutOutcome outcome;
    outcome.operation = OperationCode(name);
    auto record = DeviceRecord(device);
    const ReadResult read = ParseConfiguration(*record, text);
    if (!read.ok()) {
      outcome.result = kResultUnsupportedValue;
      outcome.message = "Unsupported value: " + read.path;
    } else if (!device.WriteFile(kAccessFile, AsBytes(AccessSettingsText(*record)))) {
      outcome.result = kResultSaveFailed;
    }
    return outcome;
  }
  PutOutcome outcome = device.Put(name, data);
  if (outcome.result == kResultDone && isText) {
    // A full document that carries the access blocks updates them too.
    auto record = DeviceRecord(device);
    const ReadResult read = ParseConfiguration(*record, text);
    if (read.ok() && (read.sawAccessBlock || read.sawIpAddress))
      device.WriteFile(kAccessFile, AsBytes(AccessSettingsText(*record)));
  }
  return outcome;
}

}  // namespace tk48::sim
