#include "cli/fleet_passwords.h"

#include <sys/stat.h>

#include <cstdio>
#include <map>

namespace tk48::cli {
namespace {

// The file's first line, once per file however many devices name it.
std::optional<std::string> FromFile(const std::string& path, std::map<std::string, std::string>& read) {
  if (const auto it = read.find(path); it != read.end()) return it->second;
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    std::fprintf(stderr, "tk48gcfg-cli: others may use the password file %s: make it yours alone (chmod 600)\n",
                 path.c_str());
    return std::nullopt;
  }
  auto password = PasswordFromFile(path);
  if (password) read.emplace(path, *password);
  return password;
}

}  // namespace

bool ReadPasswords(std::vector<FleetDevice>& devices, const std::optional<std::string>& runFile) {
  std::map<std::string, std::string> read;
  for (auto& device : devices) {
    if (device.target.usb) continue;
    const std::string& file = device.passwordFile.empty() ? runFile.value_or("") : device.passwordFile;
    auto password = !file.empty() ? FromFile(file, read)
                                  : ReadSecretLine("Password for " + device.name + " (" + device.target.host + "): ");
    if (!password) {
      if (file.empty())
        std::fprintf(stderr, "tk48gcfg-cli: no password for %s on standard input\n", device.name.c_str());
      return false;
    }
    device.target.credentials.password = std::move(*password);
  }
  return true;
}

}  // namespace tk48::cli
