#pragma once
// The connection description shown by the main window, the hub and "Confirm
// access mode": the access mode ("USB" or "Network") and the device (the COM
// list's entry of the stored port, or "name (address)" of the stored
// address-book entry).
#include <QString>

namespace tk48 {

class CTK48CFGApp;

struct ConnectionText {
  QString accessMode;
  QString device;
  bool operator==(const ConnectionText&) const = default;
};

ConnectionText DescribeConnection(const CTK48CFGApp& app);

}  // namespace tk48
