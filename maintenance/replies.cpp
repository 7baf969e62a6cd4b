#include "maintenance/replies.h"

#include <cmath>
#include <cstring>

#include "maintenance/device_files.h"
#include "maintenance/utf8.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

std::optional<std::string> MacText(std::span<const std::uint8_t> r, UiPort& ui) {
  if (r.size() != FileOf(File::Mac).usbCapacity) {
    ui.Message(LoadText(text::kMacFailure), Icon::None);
    return std::nullopt;
  }
  return FormatText(text::kMacFormat, r[0], r[1], r[2], r[3], r[4], r[5]);
}

std::string LogText(std::span<const std::uint8_t> reply) {
  reply = reply.first(std::min(reply.size(), FileOf(File::LogGet).usbCapacity));
  const auto* nul = static_cast<const std::uint8_t*>(std::memchr(reply.data(), 0, reply.size()));
  const std::size_t n = nul ? static_cast<std::size_t>(nul - reply.data()) : reply.size();
  static constexpr char kReplacement[] = "\xEF\xBF\xBD";
  std::string out;
  out.reserve(n);
  const std::string_view log(reinterpret_cast<const char*>(reply.data()), n);
  for (std::size_t i = 0; i < n;) {
    const std::size_t len = Utf8Sequence(log.substr(i));
    if (len != 0) {
      out.append(log.substr(i, len));
      i += len;
    } else {
      out += kReplacement;  // the lead byte alone; what follows is read afresh
      ++i;
    }
  }
  return out;
}

std::optional<double> FreeCapacity(std::span<const std::uint8_t> reply) {
  if (reply.size() < 8) return std::nullopt;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = bits << 8 | reply[i];
  double v;
  std::memcpy(&v, &bits, sizeof v);
  if (!std::isfinite(v) || v < 0) return std::nullopt;
  return v;
}

std::string DiskText(double bytes) {
  static constexpr struct {
    double unit;
    int textId;
  } kUnits[] = {{1073741824.0, text::kDiskGb}, {1048576.0, text::kDiskMb}, {1024.0, text::kDiskKb}};
  for (const auto& u : kUnits) {
    if (bytes >= u.unit) return FormatText(u.textId, bytes / u.unit, bytes);
  }
  return FormatText(text::kDiskBytes, static_cast<unsigned long>(bytes));
}

std::optional<std::string> DiskReplyText(std::span<const std::uint8_t> reply, UiPort& ui) {
  const auto free = FreeCapacity(reply);
  if (!free) {
    ui.Message(LoadText(text::kFailedToReceive), Icon::Error);
    return std::nullopt;
  }
  return DiskText(*free);
}

std::array<std::uint8_t, 12> DiskReply(double bytes) {
  std::uint64_t bits;
  std::memcpy(&bits, &bytes, sizeof bits);
  std::array<std::uint8_t, 12> out{};
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return out;
}

}  // namespace tk48::maint
