#include "cli/fleet_address_book.h"

#include <charconv>
#include <cstdlib>

namespace tk48::cli {
namespace {

constexpr char kFile[] = "/VELTRA/TK48GCFG.conf";  // organisation / application
constexpr char kPortKey[] = "TK48GCFG/NETPORT";

std::string Text(const IniValues& values, const std::string& key) {
  const auto it = values.find(key);
  return it == values.end() ? std::string() : it->second;
}

// "NETPORT" as ReadInt takes it: a number, else the default.
int NetPort(const IniValues& values) {
  const std::string text = Text(values, kPortKey);
  int port = kDefaultNetPort;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
  return ec == std::errc{} && end == text.data() + text.size() ? port : kDefaultNetPort;
}

}  // namespace

std::string AddressBookPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config && *config == '/') return config + std::string(kFile);
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.config" + kFile;
}

DevicesRead AddressBookDevices(const IniValues& preferences, const std::string& login) {
  DevicesRead read;
  const int port = NetPort(preferences);
  for (int number = 1; number <= kAddressBookSize && read.fault.empty(); ++number) {
    const std::string section = "DST" + std::to_string(number);
    FleetDevice device;
    device.name = Text(preferences, section + "/NAME");
    device.target.host = Text(preferences, section + "/ADDR");
    if (!Present({device.name, device.target.host})) continue;
    device.target.usb = false;
    device.target.port = port;
    device.target.credentials.login = login;
    device.origin = section;
    if (const auto fault = NameFault(device.name)) read.fault = section + ": " + *fault;
    if (const FleetDevice* first = Named(read.devices, device.name))
      read.fault = section + ": the name " + device.name + " stands already at " + first->origin;
    read.devices.push_back(std::move(device));
  }
  return read;
}

}  // namespace tk48::cli
