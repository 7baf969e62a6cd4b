#include "link/com_ports.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <system_error>
#include <tuple>

namespace tk48 {
namespace {

namespace fs = std::filesystem;

// ttyACM before ttyUSB, then by number.
constexpr std::string_view kTtyPrefixes[] = {"ttyACM", "ttyUSB"};

struct TtyName {
  int family;
  long number;
  std::string name;
  bool operator<(const TtyName& o) const { return std::tie(family, number, name) < std::tie(o.family, o.number, o.name); }
};

std::optional<TtyName> ParseTtyName(const std::string& name) {
  for (int family = 0; family < int(std::size(kTtyPrefixes)); ++family) {
    const auto prefix = kTtyPrefixes[family];
    if (!name.starts_with(prefix) || name.size() == prefix.size()) continue;
    long number = 0;
    const char* end = name.data() + name.size();
    auto [p, ec] = std::from_chars(name.data() + prefix.size(), end, number);
    if (ec == std::errc{} && p == end) return TtyName{family, number, name};
  }
  return std::nullopt;
}

fs::path Canonical(const fs::path& path) {
  std::error_code ec;
  auto canonical = fs::canonical(path, ec);
  return ec ? path : canonical;
}

}  // namespace

std::vector<SerialPortEntry> ListSerialPorts(const fs::path& devRoot) {
  std::vector<SerialPortEntry> ports;
  std::set<fs::path> covered;
  std::error_code ec;

  std::vector<fs::path> links;
  for (const auto& entry : fs::directory_iterator(devRoot / "serial" / "by-id", ec)) links.push_back(entry.path());
  std::sort(links.begin(), links.end());
  for (const auto& link : links) {
    const auto target = Canonical(link);
    if (!covered.insert(target).second) continue;
    ports.push_back({link.string(), link.filename().string()});
  }

  std::vector<TtyName> ttys;
  for (const auto& entry : fs::directory_iterator(devRoot, ec))
    if (auto name = ParseTtyName(entry.path().filename().string())) ttys.push_back(*name);
  std::sort(ttys.begin(), ttys.end());
  for (const auto& tty : ttys) {
    const auto path = devRoot / tty.name;
    if (covered.contains(Canonical(path))) continue;
    ports.push_back({path.string(), tty.name});
  }
  return ports;
}

std::string ComPortPreferenceKey(int number) { return "COM" + std::to_string(number) + "_DEVICE"; }

namespace {

std::optional<std::string> Override(int number, const PreferenceLookup& lookup) {
  if (!lookup) return std::nullopt;
  auto path = lookup(kComPortSection, ComPortPreferenceKey(number));
  if (path && path->empty()) return std::nullopt;
  return path;
}

}  // namespace

std::optional<std::string> ComPortPath(int number, const PreferenceLookup& lookup,
                                       std::span<const SerialPortEntry> ports) {
  if (number < kFirstComPort || number > kLastComPort) return std::nullopt;
  if (auto path = Override(number, lookup)) return path;
  const auto index = static_cast<std::size_t>(number - kFirstComPort);
  if (index < ports.size()) return ports[index].path;
  return std::nullopt;
}

std::optional<std::string> ComPortPath(int number, const PreferenceLookup& lookup) {
  if (number < kFirstComPort || number > kLastComPort) return std::nullopt;
  if (auto path = Override(number, lookup)) return path;
  return ComPortPath(number, nullptr, ListSerialPorts());
}

std::vector<ComPortEntry> ListComPorts(const PreferenceLookup& lookup, std::span<const SerialPortEntry> ports) {
  std::vector<ComPortEntry> out;
  for (int number = kFirstComPort; number <= kLastComPort; ++number) {
    const auto path = ComPortPath(number, lookup, ports);
    if (!path) continue;
    const auto index = static_cast<std::size_t>(number - kFirstComPort);
    const bool listed = index < ports.size() && ports[index].path == *path;
    out.push_back({number, {*path, listed ? ports[index].description : *path}});
  }
  return out;
}

}  // namespace tk48
