#pragma once
// The backups of device configurations: every configuration downloaded from a
// device and every one uploaded to it, kept as a configuration file in one
// folder and named by the local time it was made, the transport and the device:
//   2026-12-10T14-03-22_net_192.168.1.20.xml       a download over the network
//   2026-12-10T14-03-22_usb_COM3_upload.xml        an upload over USB
//   2026-12-10T14-03-22~2_usb_COM3.xml             the second one of that second
// The listing is read back from the names and the file sizes alone. Only names
// of this form are ever listed or removed, whatever else the folder holds.
// A backup is the whole configuration text, the device's passwords with it:
// every file is written for its owner alone (0600) and a folder the store makes
// is its owner's alone (0700), whatever the umask.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk48 {

enum class BackupKind : std::uint8_t { Download, Upload };
enum class BackupTransport : std::uint8_t { Usb, Network };

// Where a configuration came from or went to.
struct BackupOrigin {
  BackupTransport transport = BackupTransport::Usb;
  std::string device;  // "COM3", "192.168.1.20", a serial device: made file-safe in the name
};

struct BackupEntry {
  std::string fileName;
  std::string stamp;  // "2026-12-10T14-03-22"
  int sequence = 1;   // 2, 3, ... for further ones in the same second
  BackupTransport transport = BackupTransport::Usb;
  std::string device;  // as the name carries it
  BackupKind kind = BackupKind::Download;
  std::uintmax_t size = 0;

  // "2026-12-10 14:03:22"
  std::string Time() const;
};

inline constexpr int kDefaultBackupCapMb = 500;
inline constexpr std::uintmax_t kBytesPerMb = 1024 * 1024;

using BackupClock = std::function<std::chrono::system_clock::time_point()>;

// "2026-12-10T14-03-22": `when` in local time.
std::string BackupStamp(std::chrono::system_clock::time_point when);
// Letters, digits, '.' and '-' stay, anything else becomes '-'; no '-' at the
// ends, at most 64 characters, "device" when nothing is left.
std::string FileSafe(std::string_view device);
std::string BackupFileName(std::string_view stamp, int sequence, const BackupOrigin& origin, BackupKind kind);
// nullopt for any name this store does not write (its size is left 0).
std::optional<BackupEntry> ParseBackupName(std::string_view fileName);

class BackupStore {
 public:
  BackupStore(std::string folder, std::uintmax_t capBytes, BackupClock clock = &std::chrono::system_clock::now);

  const std::string& folder() const { return folder_; }
  std::uintmax_t capBytes() const { return capBytes_; }

  // Creates the folder when it is missing (and any missing folder above it,
  // each 0700), writes `text` under a fresh name (a temporary file renamed
  // into place: a reader never sees half a backup), then trims the folder to
  // the cap. The path written; nullopt with the reason in `error` when the
  // backup could not be written.
  std::optional<std::string> Keep(BackupKind kind, const BackupOrigin& origin, std::string_view text,
                                  std::string* error = nullptr) const;
  // True when the folder exists and its group or others have any right on it:
  // they can list the backups' names, and remove them when they may write.
  // Such a folder was there before the store (it makes its own 0700); its
  // rights are the user's to change, never the store's.
  bool OpenToOthers() const;
  // Newest first. A folder that is missing or cannot be read lists nothing.
  std::vector<BackupEntry> List() const;
  std::string PathOf(const BackupEntry& entry) const;
  // Removes the oldest backups while all of them take more than the cap, but
  // never one made in the minute of `nowStamp`: a backup just made survives
  // whatever the cap says.
  void Trim(std::string_view nowStamp) const;

 private:
  std::string folder_;
  std::uintmax_t capBytes_;
  BackupClock clock_;
};

}  // namespace tk48
