#pragma once
// The per-user preferences store: sections of named integers and texts, kept
// by QSettings under the organisation "VELTRA" and the application "TK48GCFG"
// (on Linux ~/.config/VELTRA/TK48GCFG.conf). A missing or unreadable value
// takes its default; nothing is written at start-up.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "link/com_ports.h"
#include "link/connection.h"

namespace tk48 {

namespace pref {
inline constexpr std::string_view kOrganisation = "VELTRA";
inline constexpr std::string_view kApplication = "TK48GCFG";

inline constexpr std::string_view kMain = "TK48GCFG";  // the section of every single value
inline constexpr std::string_view kComType = "COMTYPE";
inline constexpr std::string_view kCom = "COM";
inline constexpr std::string_view kNetPort = "NETPORT";
inline constexpr std::string_view kNet = "NET";
inline constexpr std::string_view kConnectConfirm = "CONNECT_CONFIRM";
inline constexpr std::string_view kTagMessage = "TAG_MESSAGE";
inline constexpr std::string_view kCsvDirPath = "CSV_DIR_PATH";
inline constexpr std::string_view kUserView = "USER_VIEW";
inline constexpr std::string_view kResultPollLimit = "RESULT_POLL_LIMIT";  // seconds  // USER_PCT_1..3 are named by UserPictureKey
inline constexpr std::string_view kReviewBeforeUpload = "REVIEW_BEFORE_UPLOAD";  // 0: upload without the review
inline constexpr std::string_view kBackupDir = "BACKUP_DIR";       // empty: the application data folder's "backups"
inline constexpr std::string_view kBackupCapMb = "BACKUP_CAP_MB";  // megabytes; no positive number: 500
inline constexpr std::string_view kBackupEnable = "BACKUP_ENABLE";  // 0: no backups are kept
inline constexpr std::string_view kCompressLevel = "COMPRESS_LEVEL";  // zlib level of an upload, 1 to 9

// The address book: sections "DST1".."DST32".
inline constexpr std::string_view kName = "NAME";
inline constexpr std::string_view kAddr = "ADDR";

inline constexpr int kDefaultComType = 1;
inline constexpr int kDefaultCom = 1;
inline constexpr int kDefaultConnectConfirm = 1;
inline constexpr int kDefaultTagMessage = 1;
inline constexpr int kDefaultReviewBeforeUpload = 1;
inline constexpr int kDefaultBackupEnable = 1;
inline constexpr int kDefaultCompressLevel = 9;
}  // namespace pref

// "DST%d" for address-book entry `number` (1 to 32).
std::string AddressSection(int number);
// "USER_PCT_%d" for user image `number` (1 to 3).
std::string UserPictureKey(int number);

class Preferences {
 public:
  int ReadInt(std::string_view section, std::string_view name, int fallback) const;
  std::string ReadText(std::string_view section, std::string_view name) const;  // empty when missing
  void WriteInt(std::string_view section, std::string_view name, int value);
  void WriteText(std::string_view section, std::string_view name, std::string_view value);

  // The raw value, nullopt when it is not stored. Safe from any thread.
  static std::optional<std::string> Lookup(std::string_view section, std::string_view name);
  // Lookup as the COM-number mapping takes it.
  static PreferenceLookup ComLookup() { return &Preferences::Lookup; }

  std::array<AddressEntry, kAddressBookSize> ReadAddressBook() const;
  void WriteAddressBook(const std::array<AddressEntry, kAddressBookSize>& book);
};

// An entry counts as present when both its name and its address are set.

}  // namespace tk48
