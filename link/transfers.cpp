// The connection checks before a transfer, and the checks on the record.
#include "link/transfers.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "model/defaults.h"
#include "model/reader.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::uint8_t kUsbModel = 0x3E;
constexpr std::size_t kUsbStatusLength = 6;
constexpr std::size_t kUsbStatusCapacity = 16;

// SLMP device codes that a firmware below version 2 reads for pulse inputs.
constexpr std::uint16_t kOldFirmwareSlmpCodes[] = {0x52, 0x56, 0x5A, 0x62, 0x1056, 0x1062};
constexpr int kFirmwareWithAllSlmpCodes = 2;

}  // namespace

std::string VersionText(const DeviceStatus& status) {
  return FormatText(text::kDeviceVersion, status.major, status.minor, status.revision);
}

bool CheckUsbDevice(SerialLink& link, UiPort& ui, DeviceStatus& status) {
  std::array<std::uint8_t, kUsbStatusCapacity> reply{};
  std::size_t received = 0;
  bool answered = false;
  // Behind the wait dialog: a device that does not answer takes its retries.
  ui.RunWaiting(WaitKind::Usb, [&] { answered = link.Get('S', {}, 's', reply, received); });
  // A reply of any other length is no status, whatever its first byte says.
  if (!answered || received != kUsbStatusLength) {
    ui.Message(LoadText(text::kStatusUnavailable), Icon::Error);
    return false;
  }
  status = {reply[0], reply[1], reply[2], reply[3] << 8 | reply[4], reply[5]};
  if (reply[0] != kUsbModel) {
    ui.Message(LoadText(text::kUnsupportedDevice), Icon::Warning);
    return false;
  }
  return true;
}

std::optional<std::string> ResolveNetworkAddress(const ConnectionSettings& settings, UiPort& ui) {
  const AddressEntry* entry = FindAddressEntry(settings.addressBook, settings.entryName);
  if (!entry) {
    ui.Message(LoadText(text::kIllegalNetworkAddress), Icon::Error);
    return std::nullopt;
  }
  return entry->address;
}

// The login dialog starts empty; its OK replaces both stored texts. The flag
// is left to the session: it turns true only after the next successful login.
bool EnsureLogin(LoginState& login, UiPort& ui) {
  if (login.loggedIn) return true;
  auto entered = ui.AskLogin(Credentials{});
  if (!entered) return false;
  login.login = std::move(entered->login);
  login.password = std::move(entered->password);
  return true;
}

bool ConnectNetwork(NetSession& session, const std::string& address, const DeviceContext& ctx,
                    DeviceStatus& status) {
  const auto fail = [&](int titleId) {
    session.ShowSessionError(ctx.ui, LoadText(titleId));
    session.Close();
    return false;
  };
  // Connecting, the status exchange and the login run behind the wait dialog;
  // their messages come after it has closed.
  SessionStatus answer;
  int failedStep = 0;
  bool answered = false;
  ctx.ui.RunWaiting(WaitKind::Network, [&] {
    if (!session.Open(address, static_cast<std::uint16_t>(ctx.settings.netPort))) {
      failedStep = text::kErrorOpen;
    } else if (!session.Status(&answer)) {
      failedStep = text::kErrorConnect;
    } else {
      answered = true;
      if (!session.Login()) failedStep = text::kErrorLogin;
    }
  });
  if (answered) status = {answer.model, answer.major & 0xFF, answer.minor & 0xFF, answer.revision, answer.flags};
  return failedStep == 0 || fail(failedStep);
}

bool FirmwareAccepts(const SettingData& record, int majorVersion, UiPort& ui) {
  if (majorVersion >= kFirmwareWithAllSlmpCodes) return true;
  for (int n = 0; n < kPiCount; ++n) {
    const PiCh& pi = record.IO.PI[n];
    if (pi.TYPE != kTypeSlmp) continue;
    if (std::find(std::begin(kOldFirmwareSlmpCodes), std::end(kOldFirmwareSlmpCodes), pi.SLMP_DEV_CODE) !=
        std::end(kOldFirmwareSlmpCodes))
      continue;
    ui.Message(FormatText(text::kSlmpDeviceNotSupported, n + 1), Icon::Error);
    return false;
  }
  return true;
}

bool LoadSettingsText(SettingData& record, std::string_view text, UiPort& ui, bool tagMessage) {
  ApplyDefaults(record);
  return ReadConfiguration(record, text, ui, tagMessage);
}

}  // namespace tk48
