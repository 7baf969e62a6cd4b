#include "cli/fleet_devices.h"

#include <algorithm>
#include <array>

#include "csv/csv_import.h"
#include "csv/csv_text.h"

namespace tk48::cli {
namespace {

constexpr std::array<std::string_view, 4> kHeader = {"name", "transport", "login", "password_file"};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";  // a spreadsheet's byte order mark
constexpr std::string_view kUsb = "usb:";
constexpr std::string_view kNet = "net:";
constexpr std::size_t kNameLimit = 200;  // room for ".xml" and more within a file name's 255 bytes

// One line's cells, trimmed; a line is one row (no cell runs across lines here).
std::vector<std::string> Cells(std::string_view line) {
  auto rows = CsvLines(line);
  std::vector<std::string> cells = rows.empty() ? std::vector<std::string>{} : std::move(rows.front());
  for (auto& cell : cells) cell = TrimBlanks(cell);
  return cells;
}

// The transport cell into `target`; the reason when it is neither form.
std::optional<std::string> TransportFault(const std::string& cell, DeviceTarget& target) {
  const std::string_view text = cell;
  if (text.starts_with(kUsb) && text.size() > kUsb.size()) {
    target.usb = true;
    target.path = cell.substr(kUsb.size());
    return std::nullopt;
  }
  if (text.starts_with(kNet) && ParseHost(cell.substr(kNet.size()), target.host, target.port)) {
    target.usb = false;
    return std::nullopt;
  }
  return "transport \"" + cell + "\" is neither usb:DEVICE_PATH nor net:HOST[:PORT] (port 1 to 65535)";
}

// One row's device, or the reason it is none.
std::optional<std::string> RowFault(const std::vector<std::string>& cells, const std::string& folder,
                                    FleetDevice& device) {
  if (cells.size() < 2 || cells.size() > kHeader.size())
    return "a row has 2 to 4 cells: name,transport,login,password_file";
  device.name = cells[0];
  if (auto fault = NameFault(device.name)) return fault;
  if (auto fault = TransportFault(cells[1], device.target)) return fault;
  if (device.target.usb) return std::nullopt;  // the login cells serve the network only
  device.target.credentials.login = cells.size() > 2 ? cells[2] : "";
  if (device.target.credentials.login.empty()) return "a network device needs a login";
  device.passwordFile = cells.size() > 3 ? cells[3] : "";
  if (!device.passwordFile.empty() && device.passwordFile.front() != '/' && !folder.empty())
    device.passwordFile = folder + "/" + device.passwordFile;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> NameFault(std::string_view name) {
  if (name.empty()) return "a device needs a name";
  if (name == "." || name == "..") return "the name " + std::string(name) + " cannot name a file";
  if (name.size() > kNameLimit) return "a name is at most 200 bytes";
  const bool refused = std::any_of(name.begin(), name.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || c == '/' || c == '\\' || c == ':';
  });
  if (refused)
    return "the name \"" + std::string(name) + "\" cannot name a file (no '/', '\\', ':' or control characters)";
  return std::nullopt;
}

DevicesRead ParseDevices(std::string_view text, const std::string& label, const std::string& folder) {
  DevicesRead read;
  if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
  bool header = false;
  std::size_t number = 0;
  for (std::size_t start = 0; start < text.size() && read.fault.empty(); ++number) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::string trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    const std::string where = label + ":" + std::to_string(number + 1) + ": ";
    const auto cells = Cells(line);
    if (!header) {
      header = true;
      if (!std::equal(cells.begin(), cells.end(), kHeader.begin(), kHeader.end()))
        read.fault = where + "the first line is the header name,transport,login,password_file";
      continue;
    }
    FleetDevice device;
    device.origin = "line " + std::to_string(number + 1);
    auto fault = RowFault(cells, folder, device);
    if (const FleetDevice* first = fault ? nullptr : Named(read.devices, device.name))
      fault = "the name " + device.name + " stands already at " + first->origin;
    if (fault)
      read.fault = where + *fault;
    else
      read.devices.push_back(std::move(device));
  }
  if (read.fault.empty() && !header) read.fault = label + ": no header line name,transport,login,password_file";
  return read;
}

const FleetDevice* Named(const std::vector<FleetDevice>& devices, std::string_view name) {
  const auto it = std::find_if(devices.begin(), devices.end(), [&](const FleetDevice& d) { return d.name == name; });
  return it == devices.end() ? nullptr : &*it;
}

}  // namespace tk48::cli
