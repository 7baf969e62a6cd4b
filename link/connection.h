#pragma once
// What a device operation needs to know about the user's connection: the
// stored settings, the address book, the login state of this run, and how a COM
// number becomes a device path. The desktop application fills it from its
// preferences; the command line from its options.
#include <array>
#include <functional>
#include <optional>
#include <string>

namespace tk48 {

inline constexpr int kAddressBookSize = 32;
inline constexpr int kDefaultNetPort = 30341;

struct AddressEntry {
  std::string name;
  std::string address;  // domain name or IP address
};

// A row of the address book counts only with both a name and an address.
inline bool Present(const AddressEntry& entry) { return !entry.name.empty() && !entry.address.empty(); }

// The entry an entry name stands for: the first present one of that name.
// The connection lines and every transfer go through here, so a name given
// twice never shows one host and connects to another.
inline const AddressEntry* FindAddressEntry(const std::array<AddressEntry, kAddressBookSize>& book,
                                            const std::string& name) {
  for (const auto& entry : book)
    if (Present(entry) && entry.name == name) return &entry;
  return nullptr;
}

struct ConnectionSettings {
  bool usb = true;          // the stored connection type: non-zero is USB
  int comPort = 1;          // 1..20
  int netPort = kDefaultNetPort;
  std::string entryName;    // the selected address-book entry
  std::array<AddressEntry, kAddressBookSize> addressBook;
};

// The login state of this run is LoginState (link/net_session.h): memory only.

// COM number -> device path (nullopt: no port behind that number).
using ComPathResolver = std::function<std::optional<std::string>(int comPort)>;

}  // namespace tk48
