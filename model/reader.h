#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "model/setting_data.h"

namespace tk48 {

class UiPort;

enum ReadFlags : std::uint32_t {
  kReadUnrecognised = 1,
  kReadInvalid = 2,
  kReadFatal = 4,
};

struct ReadResult {
  std::uint32_t flags = 0;
  std::string path;            // first-invalid path, else first-unrecognised path ("<TK48G_CFG><...>")
  bool sawAccessBlock = false;  // TK48GCFG met
  bool sawIpAddress = false;    // COM.TCP_IP.IP_ADDRESS met
  bool ok() const { return (flags & (kReadInvalid | kReadFatal)) == 0; }
};

// Reads configuration text into `record` (which the caller has set to its
// defaults). Only the fields whose elements are met change. Shows nothing.
ReadResult ParseConfiguration(SettingData& record, std::string_view text);

// The consistency rules checked after a read; true when the record passes.
bool CheckConsistency(const SettingData& record);
// COM.WEB.PORT, COM.FTP.PORT and COM.MODBUS_TCP.PORT differ pairwise.
bool ComPortsDistinct(const SettingData& record);

// ParseConfiguration, then the outcome to the user: 5104 (error icon) or 5105
// (warning) on failure; 5106 (warning) on success with unknown elements, only
// while `tagMessage` is on. Returns success; `result` (when given) receives the
// read's details.
bool ReadConfiguration(SettingData& record, std::string_view text, UiPort& ui, bool tagMessage,
                       ReadResult* result = nullptr);

// The message and icon of a read's outcome (empty text: nothing to show).
struct ReadMessage {
  std::string text;
  bool error = false;  // error icon; otherwise warning
};
ReadMessage ReadOutcomeMessage(const ReadResult& result, bool tagMessage);

}  // namespace tk48
