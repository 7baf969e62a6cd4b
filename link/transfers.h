#pragma once
// Device file transfers: the connection checks, the "Please wait" transfer on a
// worker thread, the USB result poll, the device's result codes, and the
// download and upload of the setting data. Everything the user sees goes
// through the UI port, so every flow runs headless in tests and the CLI.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/connection.h"
#include "link/net_session.h"
#include "link/serial_link.h"
#include "model/backup_store.h"
#include "model/setting_data.h"
#include "model/transfer_container.h"
#include "port/ui_port.h"

namespace tk48 {

inline constexpr std::size_t kReceiveBufferSize = 6815744;  // 0x680000
inline constexpr int kConfigOperationCode = 2;               // result poll code of "CONFIG_P"
inline constexpr std::string_view kConfigFile = "CONFIG_P";
// A device still "processing" after this long leaves the outcome unknown.
inline constexpr std::chrono::seconds kDefaultPollLimit{300};

struct DeviceStatus {
  int model = 0;
  int major = 0;
  int minor = 0;
  int revision = 0;
  std::uint8_t flags = 0;  // bit 0: SD card inserted; bit 1: logging running
  bool sdCard() const { return flags & 1; }
  bool logging() const { return flags & 2; }
};

// "TK48-G Ver. %d.%d.%d".
std::string VersionText(const DeviceStatus& status);

// The fixed pauses of a transfer. Tests shorten them; the defaults are the device's.
struct TransferTiming {
  std::chrono::milliseconds workerPause{500};  // the worker's last act before it reports "finished"
  std::chrono::milliseconds pollPause{500};    // between result polls while the device is still processing
  std::chrono::milliseconds pollLimit{kDefaultPollLimit};  // the result poll gives up after this long
};

// Keeps a copy of "CONFIG_P" as it crossed the link: after a download that was
// read into the record and after an upload the device accepted. It never
// changes the transfer's outcome.
using TransferBackup = std::function<void(BackupKind, std::span<const std::uint8_t> file)>;

// Everything a device operation needs from the application.
struct DeviceContext {
  const ConnectionSettings& settings;
  LoginState& login;
  UiPort& ui;
  ComPathResolver comPath;  // COM number -> device path
  bool tagMessage = false;  // the "TAG_MESSAGE" preference (message 5106 on reads)
  SerialTiming serialTiming = {};
  NetSessionOptions netOptions = {};
  TransferTiming transferTiming = {};
  TransferBackup keepBackup = {};  // none: no backups
  int compressLevel = kDefaultUploadLevel;  // zlib level of an uploaded "CONFIG_P" (1 to 9)
};

// How the USB result poll ended. The worker polls while the dialog stays open;
// the dialog shows the verdict.
struct PollVerdict {
  enum class End : std::uint8_t { Done, Failed, Refused, OutOfTime };
  End end = End::Failed;
  std::uint8_t result = 0;  // Refused: the device's result code ...
  std::string message;      // ... and its text
};

// Shared between the worker thread and the progress dialog: the worker writes,
// the dialog reads progress and state while it runs, the rest after state 2.
struct TransferJob {
  enum class Op : std::uint8_t { Put, Get };
  std::atomic<std::int32_t> state{0};  // 0 not started, 1 running, 2 finished
  Op op = Op::Get;
  SerialLink* serial = nullptr;  // exactly one transport is set
  NetSession* net = nullptr;
  std::string fileName;
  std::span<const std::uint8_t> putData;
  std::span<std::uint8_t> getBuffer;
  std::int64_t length = 0;          // put: bytes to send; get: capacity, then (network) bytes received
  std::int32_t resultPollCode = 0;  // USB put
  std::size_t received = 0;         // get: bytes received
  char message[128] = {};           // network put refused: the device's text
  bool failed = false;
  std::int32_t deviceResult = 0;    // network: result code of a refused transfer
  std::int32_t sessionError = 0;    // network: the session's error code of a failed transfer
  std::atomic<bool> polling{false};  // USB put: sent, the result poll running
  PollVerdict poll;                 // USB put: the result poll, run by the worker
  bool outcome = false;
  TransferTiming timing = {};
};

bool CheckUsbDevice(SerialLink& link, UiPort& ui, DeviceStatus& status);
std::optional<std::string> ResolveNetworkAddress(const ConnectionSettings& settings, UiPort& ui);
bool EnsureLogin(LoginState& login, UiPort& ui);
bool ConnectNetwork(NetSession& session, const std::string& address, const DeviceContext& ctx, DeviceStatus& status);
// The "Please wait" dialog around the worker. The worker never calls the UI
// port: a session error it met is shown here, once the dialog has closed and
// before the dialog's own outcome message.
bool RunTransfer(TransferJob& job, UiPort& ui);
// The result poll without the UI: polls until the device is done, refuses, or
// has been "processing" for `limit`. A reply shorter than two bytes fails.
PollVerdict PollResult(SerialLink& link, std::int32_t operationCode, std::chrono::milliseconds pollPause,
                       std::chrono::milliseconds limit);
// Shows the verdict's message; true when the device is done.
bool ShowPollVerdict(const PollVerdict& verdict, UiPort& ui);
bool PollPutResult(SerialLink& link, std::int32_t operationCode, UiPort& ui,
                   std::chrono::milliseconds pollPause = TransferTiming{}.pollPause,
                   std::chrono::milliseconds limit = kDefaultPollLimit);
void ShowDeviceResult(std::int32_t code, std::string_view message, UiPort& ui);
bool LoadSettingsText(SettingData& record, std::string_view text, UiPort& ui, bool tagMessage);

// The firmware check before an upload: a device below major version 2 reads
// only some SLMP device codes for PI channels. Shows the message and returns
// false at the first channel it cannot read.
bool FirmwareAccepts(const SettingData& record, int majorVersion, UiPort& ui);

// Hands `file` to the context's backup hook, when there is one.
void KeepBackup(const DeviceContext& ctx, BackupKind kind, std::span<const std::uint8_t> file);

// The whole sequences. A failure shows its message and leaves `record` as it was.
bool DownloadSettings(SettingData& record, DeviceContext& ctx);
bool UploadSettings(const SettingData& record, DeviceContext& ctx);
// The access-settings document as "CONFIG_P" (the direct network settings screens).
bool UploadAccessSettings(const SettingData& record, DeviceContext& ctx);

// One connection for several transfers: the status check (network: the
// address, the login prompt, open, status and login) once, then gets and
// puts, each behind its own progress dialog with the transfer's bounds. The
// device's status is at hand after Connect, before any put. Closed when the
// session ends, on every path.
class DeviceSession {
 public:
  explicit DeviceSession(DeviceContext& ctx) : ctx_(ctx) {}
  ~DeviceSession() { Close(); }
  DeviceSession(const DeviceSession&) = delete;
  DeviceSession& operator=(const DeviceSession&) = delete;

  // False after the step's message; the session is then closed.
  bool Connect();
  const DeviceStatus& status() const { return status_; }
  bool connected() const { return connected_; }

  // Gets into `buffer` (its size is the capacity); `received` the bytes that came.
  bool Get(std::string_view name, std::span<std::uint8_t> buffer, std::size_t& received);
  // A get with its own buffer of `capacity`, cut to what came.
  std::optional<std::vector<std::uint8_t>> Get(std::string_view name, std::size_t capacity);
  // USB: followed by the result poll with `operationCode`.
  bool Put(std::string_view name, std::span<const std::uint8_t> data, std::int32_t operationCode);
  void Close();

 private:
  void Prepare(TransferJob& job, TransferJob::Op op, std::string_view name);

  DeviceContext& ctx_;
  std::optional<SerialLink> serial_;
  std::optional<NetSession> net_;
  DeviceStatus status_;
  bool connected_ = false;
};

// Generic named device files, for maintenance: status check, optional login,
// one transfer, close. Get returns the file's bytes; put returns the outcome
// (USB: after the result poll with `operationCode`).
std::optional<std::vector<std::uint8_t>> GetDeviceFile(DeviceContext& ctx, std::string_view name,
                                                       std::size_t capacity, DeviceStatus* status = nullptr);
bool PutDeviceFile(DeviceContext& ctx, std::string_view name, std::span<const std::uint8_t> data,
                   std::int32_t operationCode);
// The connection check without a transfer: USB open and status; network
// address, login prompt, open, status and login.
std::optional<DeviceStatus> ReadDeviceStatus(DeviceContext& ctx);

}  // namespace tk48
