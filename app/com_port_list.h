#pragma once
// The connection dialog's COM port list: 20 entries, entry i standing for COM
// port i + 1. A port the system has is shown by its description with its COM
// number, "FT232R USB UART (COM2)"; a number with no port behind it as "COM3".
#include <QStringList>

#include "link/com_ports.h"

namespace tk48 {

inline constexpr int kComListSize = kLastComPort - kFirstComPort + 1;

// Built from `ports` through the COM-number mapping (`lookup`: the COMn_DEVICE overrides).
QStringList ComPortEntries(const PreferenceLookup& lookup, std::span<const SerialPortEntry> ports);
// The same for the ports present now.
QStringList ComPortEntries(const PreferenceLookup& lookup);

}  // namespace tk48
