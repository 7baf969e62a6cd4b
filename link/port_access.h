#pragma once
// The message for a serial port that would not open. A port refused for lack
// of permission is the usual first trouble with a USB serial adapter on Linux:
// the message then goes on to name the device and the group that owns it, so
// the user knows which group to join.
#include <optional>
#include <string>

namespace tk48 {

// "Cannot open COM port N", and for an open refused with EACCES or EPERM
// (`openError`, the errno of the open) the permission lines for `path`.
std::string CannotOpenPortText(int comPort, const std::optional<std::string>& path, int openError);

// The permission lines alone: the path and the name of its owning group (its
// number when the group has no name).
std::string PortPermissionText(const std::string& path);

}  // namespace tk48
