// Whole device operations: open the transport the connection settings name,
// check the device, run one transfer, close. Download and upload of the
// setting data are built on them.
#include <algorithm>
#include <optional>

#include "link/port_access.h"
#include "link/transfers.h"
#include "model/transfer_container.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

using Packer = std::optional<std::vector<std::uint8_t>> (*)(const SettingData&, UiPort&, int level);

// USB packs the record before it opens the port; the network connects (and
// learns the firmware version) first. A whole configuration is checked against
// the firmware before and kept as a backup after; the access-settings document
// is neither.
bool Upload(const SettingData& record, DeviceContext& ctx, Packer pack, bool wholeConfiguration) {
  std::optional<std::vector<std::uint8_t>> data;
  if (ctx.settings.usb && !(data = pack(record, ctx.ui, ctx.compressLevel))) return false;
  DeviceSession link(ctx);
  if (!link.Connect()) return false;
  if (wholeConfiguration && !FirmwareAccepts(record, link.status().major, ctx.ui)) return false;
  if (!data && !(data = pack(record, ctx.ui, ctx.compressLevel))) return false;
  if (!link.Put(kConfigFile, *data, kConfigOperationCode)) return false;
  link.Close();
  if (wholeConfiguration) KeepBackup(ctx, BackupKind::Upload, *data);
  return true;
}

}  // namespace

// USB: the port and its status check. Network: the address, the login
// prompt, then open, status and login.
bool DeviceSession::Connect() {
  Close();
  status_ = {};
  if (ctx_.settings.usb) {
    serial_.emplace(ctx_.serialTiming);
    const auto path = ctx_.comPath ? ctx_.comPath(ctx_.settings.comPort) : std::nullopt;
    if (!path || !serial_->Open(*path)) {
      const int error = serial_->openError();
      serial_.reset();
      ctx_.ui.Message(CannotOpenPortText(ctx_.settings.comPort, path, error), Icon::Error);
      return false;
    }
    connected_ = CheckUsbDevice(*serial_, ctx_.ui, status_);
  } else {
    const auto address = ResolveNetworkAddress(ctx_.settings, ctx_.ui);
    if (!address || !EnsureLogin(ctx_.login, ctx_.ui)) return false;
    net_.emplace(ctx_.login, ctx_.netOptions);
    connected_ = ConnectNetwork(*net_, *address, ctx_, status_);
  }
  if (!connected_) Close();
  return connected_;
}

void DeviceSession::Close() {
  if (serial_) serial_->Close();
  if (net_) net_->Close();
  serial_.reset();
  net_.reset();
  connected_ = false;
}

void DeviceSession::Prepare(TransferJob& job, TransferJob::Op op, std::string_view name) {
  job.op = op;
  job.serial = serial_ ? &*serial_ : nullptr;
  job.net = net_ ? &*net_ : nullptr;
  job.fileName = std::string(name);
  job.timing = ctx_.transferTiming;
}

bool DeviceSession::Get(std::string_view name, std::span<std::uint8_t> buffer, std::size_t& received) {
  received = 0;
  if (!connected_) return false;
  TransferJob job;
  Prepare(job, TransferJob::Op::Get, name);
  job.getBuffer = buffer;
  job.length = static_cast<std::int64_t>(buffer.size());
  const bool ok = RunTransfer(job, ctx_.ui);
  received = ok ? std::min(job.received, buffer.size()) : 0;
  return ok;
}

std::optional<std::vector<std::uint8_t>> DeviceSession::Get(std::string_view name, std::size_t capacity) {
  std::vector<std::uint8_t> buffer(capacity);
  std::size_t received = 0;
  if (!Get(name, buffer, received)) return std::nullopt;
  buffer.resize(received);
  return buffer;
}

bool DeviceSession::Put(std::string_view name, std::span<const std::uint8_t> data, std::int32_t operationCode) {
  if (!connected_) return false;
  TransferJob job;
  Prepare(job, TransferJob::Op::Put, name);
  job.putData = data;
  job.length = static_cast<std::int64_t>(data.size());
  job.resultPollCode = operationCode;
  return RunTransfer(job, ctx_.ui);
}

std::optional<std::vector<std::uint8_t>> GetDeviceFile(DeviceContext& ctx, std::string_view name,
                                                       std::size_t capacity, DeviceStatus* status) {
  DeviceSession link(ctx);
  if (!link.Connect()) return std::nullopt;
  if (status) *status = link.status();
  return link.Get(name, capacity);
}

bool PutDeviceFile(DeviceContext& ctx, std::string_view name, std::span<const std::uint8_t> data,
                   std::int32_t operationCode) {
  DeviceSession link(ctx);
  return link.Connect() && link.Put(name, data, operationCode);
}

std::optional<DeviceStatus> ReadDeviceStatus(DeviceContext& ctx) {
  DeviceSession link(ctx);
  if (!link.Connect()) return std::nullopt;
  return link.status();
}

void KeepBackup(const DeviceContext& ctx, BackupKind kind, std::span<const std::uint8_t> file) {
  if (ctx.keepBackup) ctx.keepBackup(kind, file);
}

// The record changes only once the file has arrived, decompressed and read;
// only then is it kept.
bool DownloadSettings(SettingData& record, DeviceContext& ctx) {
  const auto file = GetDeviceFile(ctx, kConfigFile, kReceiveBufferSize);
  if (!file || !UnpackDownload(*file, record, ctx.ui, ctx.tagMessage)) return false;
  KeepBackup(ctx, BackupKind::Download, *file);
  return true;
}

bool UploadSettings(const SettingData& record, DeviceContext& ctx) {
  return Upload(record, ctx, PackConfiguration, true);
}

// The access-settings document carries no input channels: no firmware check.
bool UploadAccessSettings(const SettingData& record, DeviceContext& ctx) {
  return Upload(record, ctx, PackAccessSettings, false);
}

}  // namespace tk48
