#include "link/port_access.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <vector>

#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

std::string PortPermissionText(const std::string& path) {
  struct stat info{};
  std::string owner = "dialout";  // the usual owner of serial devices, if the node cannot even be looked at
  if (stat(path.c_str(), &info) == 0) {
    // getgrgid_r: devices of a fleet are opened on several threads at once.
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(16384);
    while (getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < (1u << 20))
      buffer.resize(buffer.size() * 2);
    owner = found ? found->gr_name : std::to_string(info.st_gid);
  }
  return FormatText(text::kPortPermission, path.c_str(), owner.c_str(), owner.c_str());
}

std::string CannotOpenPortText(int comPort, const std::optional<std::string>& path, int openError) {
  std::string text = FormatText(text::kCannotOpenComPort, comPort);
  if (path && (openError == EACCES || openError == EPERM)) text += "\n\n" + PortPermissionText(*path);
  return text;
}

}  // namespace tk48
