#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/setting_data.h"

namespace tk48 {

class UiPort;

enum ReadFlags : std::uint32_t {
  kReadUnrecognised = 1,
  kReadInvalid = 2,
  kReadFatal = 4,
};

// Where a read went wrong: a fault of the document (its line, column and the
// parser's or the reader's reason), a refused field (its path, the value met and
// why), or a consistency rule broken after the parse (no place in the text).
struct ReadFault {
  std::uint64_t line = 0, column = 0;  // both from 1; 0 when the fault has no place in the text
  std::string path;                    // "SYSTEM.TIMEZONE", "IO.AI[3]"; empty for a document fault
  std::string value;                   // the text met at a refused field (cut for display)
  std::string reason;
};

// Which faults a read keeps: the first refused field and the first fault that
// breaks the read, or every refused field (a file is then fixed in one pass).
enum class Faults : std::uint8_t { First, All };

struct ReadResult {
  std::uint32_t flags = 0;
  std::string path;            // first-invalid path, else first-unrecognised path ("<TK48G_CFG><...>")
  bool sawAccessBlock = false;  // TK48GCFG met
  bool sawIpAddress = false;    // COM.TCP_IP.IP_ADDRESS met
  std::vector<ReadFault> faults;  // in the order met; the consistency fault last
  bool ok() const { return (flags & (kReadInvalid | kReadFatal)) == 0; }
};

// Reads configuration text into `record` (which the caller has set to its
// defaults). Only the fields whose elements are met change. Shows nothing.
// `faults` changes only what the result reports, never what is stored or the flags.
ReadResult ParseConfiguration(SettingData& record, std::string_view text, Faults faults = Faults::First);

// The faults one per line, as "Read file" offers them under its message.
std::string ReadFaultText(const ReadResult& result);
// The first rule of CheckConsistency the record breaks, as a fault without a place.
std::optional<ReadFault> FindInconsistency(const SettingData& record);

// The consistency rules checked after a read; true when the record passes.
bool CheckConsistency(const SettingData& record);
// COM.WEB.PORT, COM.FTP.PORT and COM.MODBUS_TCP.PORT differ pairwise.
bool ComPortsDistinct(const SettingData& record);

// ParseConfiguration, then the outcome to the user: 5104 (error icon) or 5105
// (warning) on failure; 5106 (warning) on success with unknown elements, only
// while `tagMessage` is on. Returns success; `result` (when given) receives the
// read's details.
// A failed read offers ReadFaultText under its message's details.
bool ReadConfiguration(SettingData& record, std::string_view text, UiPort& ui, bool tagMessage,
                       ReadResult* result = nullptr, Faults faults = Faults::First);

// The message and icon of a read's outcome (empty text: nothing to show).
struct ReadMessage {
  std::string text;
  bool error = false;  // error icon; otherwise warning
};
ReadMessage ReadOutcomeMessage(const ReadResult& result, bool tagMessage);

}  // namespace tk48
