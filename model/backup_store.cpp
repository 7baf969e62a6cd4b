#include "model/backup_store.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <tuple>

#include "model/file_io.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".xml";
constexpr std::string_view kUploadMark = "_upload";
constexpr std::size_t kStampLength = 19;   // "2026-12-10T14-03-22"
constexpr std::size_t kMinuteLength = 16;  // "2026-12-10T14-03"
constexpr std::size_t kDeviceLimit = 64;
constexpr char kSequenceMark = '~';

struct TransportToken {
  BackupTransport transport;
  std::string_view token;
};
constexpr TransportToken kTransports[] = {{BackupTransport::Usb, "_usb_"}, {BackupTransport::Network, "_net_"}};

bool SafeChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-'; }

// "dddd-dd-ddTdd-dd-dd".
bool IsStamp(std::string_view s) {
  constexpr std::string_view kShape = "dddd-dd-ddTdd-dd-dd";
  if (s.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool digit = std::isdigit(static_cast<unsigned char>(s[i])) != 0;
    if (kShape[i] == 'd' ? !digit : s[i] != kShape[i]) return false;
  }
  return true;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::string ErrorText(int error) {
  return error != 0 ? std::generic_category().message(error) : std::string("the file could not be written");
}

// Makes `folder` and every missing folder above it for the owner alone. The
// mode is set again after mkdir, as the umask may have taken bits from 0700; a
// folder someone else made in the meantime keeps its own.
std::error_code MakePrivateFolders(const fs::path& folder) {
  std::error_code ec;
  std::vector<fs::path> missing;  // the deepest first
  for (fs::path p = folder; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  for (auto p = missing.rbegin(); p != missing.rend(); ++p) {
    if (::mkdir(p->c_str(), 0700) == 0) {
      if (::chmod(p->c_str(), 0700) != 0) return {errno, std::generic_category()};
    } else if (errno != EEXIST) {
      return {errno, std::generic_category()};
    }
  }
  return {};
}

}  // namespace

std::string BackupEntry::Time() const {
  std::string time = stamp;
  if (time.size() == kStampLength) {
    time[10] = ' ';
    time[13] = ':';
    time[16] = ':';
  }
  return time;
}

std::string BackupStamp(std::chrono::system_clock::time_point when) {
  const std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  ::localtime_r(&t, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H-%M-%S", &local);
  return text;
}

std::string FileSafe(std::string_view device) {
  std::string safe;
  for (const char c : device) safe += SafeChar(c) ? c : '-';
  const auto first = safe.find_first_not_of('-');
  if (first == std::string::npos) return "device";
  safe = safe.substr(first, safe.find_last_not_of('-') - first + 1);
  if (safe.size() > kDeviceLimit) safe.resize(kDeviceLimit);
  return safe;
}

std::string BackupFileName(std::string_view stamp, int sequence, const BackupOrigin& origin, BackupKind kind) {
  std::string name(stamp);
  if (sequence > 1) name += kSequenceMark + std::to_string(sequence);
  for (const auto& t : kTransports)
    if (t.transport == origin.transport) name += t.token;
  name += FileSafe(origin.device);
  if (kind == BackupKind::Upload) name += kUploadMark;
  name += kExtension;
  return name;
}

std::optional<BackupEntry> ParseBackupName(std::string_view fileName) {
  if (fileName.size() <= kStampLength + kExtension.size() || !fileName.ends_with(kExtension)) return std::nullopt;
  BackupEntry entry;
  entry.fileName = std::string(fileName);
  entry.stamp = std::string(fileName.substr(0, kStampLength));
  if (!IsStamp(entry.stamp)) return std::nullopt;
  std::string_view rest = fileName.substr(kStampLength, fileName.size() - kStampLength - kExtension.size());
  if (!rest.empty() && rest.front() == kSequenceMark) {
    const auto end = rest.find('_');
    const auto digits = rest.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1);
    const auto [last, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), entry.sequence);
    if (digits.empty() || ec != std::errc{} || last != digits.data() + digits.size() || entry.sequence < 2)
      return std::nullopt;
    rest.remove_prefix(1 + digits.size());
  }
  const auto transport = std::find_if(std::begin(kTransports), std::end(kTransports),
                                      [&](const TransportToken& t) { return StartsWith(rest, t.token); });
  if (transport == std::end(kTransports)) return std::nullopt;
  entry.transport = transport->transport;
  rest.remove_prefix(transport->token.size());
  if (rest.ends_with(kUploadMark)) {
    entry.kind = BackupKind::Upload;
    rest.remove_suffix(kUploadMark.size());
  }
  if (rest.empty() || rest.size() > kDeviceLimit || !std::all_of(rest.begin(), rest.end(), SafeChar))
    return std::nullopt;
  entry.device = std::string(rest);
  return entry;
}

BackupStore::BackupStore(std::string folder, std::uintmax_t capBytes, BackupClock clock)
    : folder_(std::move(folder)), capBytes_(capBytes), clock_(std::move(clock)) {}

std::string BackupStore::PathOf(const BackupEntry& entry) const {
  return (fs::path(folder_) / entry.fileName).string();
}

std::optional<std::string> BackupStore::Keep(BackupKind kind, const BackupOrigin& origin, std::string_view text,
                                             std::string* error) const {
  const auto fail = [&](std::string reason) {
    if (error) *error = std::move(reason);
    return std::nullopt;
  };
  std::error_code ec;
  if (folder_.empty()) return fail(std::generic_category().message(ENOENT));
  if (const auto made = MakePrivateFolders(folder_)) return fail(made.message());
  if (!fs::is_directory(folder_, ec)) return fail(std::generic_category().message(ENOTDIR));

  const std::string stamp = BackupStamp(clock_());
  std::string path;
  for (int sequence = 1;; ++sequence) {
    path = (fs::path(folder_) / BackupFileName(stamp, sequence, origin, kind)).string();
    if (!fs::exists(path, ec)) break;
  }
  errno = 0;
  if (!WriteFileAtomically(path, text, FileAccess::OwnerOnly)) return fail(ErrorText(errno));
  Trim(stamp);
  return path;
}

bool BackupStore::OpenToOthers() const {
  std::error_code ec;
  const fs::file_status status = fs::status(folder_, ec);
  constexpr fs::perms kOthers = fs::perms::group_all | fs::perms::others_all;
  return !ec && fs::is_directory(status) && (status.permissions() & kOthers) != fs::perms::none;
}

std::vector<BackupEntry> BackupStore::List() const {
  std::vector<BackupEntry> entries;
  std::error_code ec;
  for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    auto entry = ParseBackupName(it->path().filename().string());
    if (!entry || !it->is_regular_file(ec)) continue;
    entry->size = it->file_size(ec);
    if (!ec) entries.push_back(std::move(*entry));
  }
  std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
    return std::tie(a.stamp, a.sequence, a.fileName) > std::tie(b.stamp, b.sequence, b.fileName);
  });
  return entries;
}

void BackupStore::Trim(std::string_view nowStamp) const {
  const auto entries = List();
  std::uintmax_t total = 0;
  for (const auto& e : entries) total += e.size;
  const std::string_view minute = nowStamp.substr(0, kMinuteLength);
  for (auto e = entries.rbegin(); e != entries.rend() && total > capBytes_; ++e) {
    if (std::string_view(e->stamp).substr(0, kMinuteLength) == minute) continue;
    std::error_code ec;
    if (fs::remove(PathOf(*e), ec)) total -= e->size;
  }
}

}  // namespace tk48
