#pragma once
// The web server, the FTP server and the Modbus/TCP slave each listen on a TCP
// port of their own: one service's port may not be another's, whatever their
// modes. The reader refuses a file that breaks it; the three editors refuse
// a port that would.
#include <cstdint>

#include "model/setting_data.h"

namespace tk48 {

enum class PortService : std::uint8_t { Web, Ftp, ModbusTcp };

// The port the record gives `service`.
std::uint16_t ServicePort(const SettingData& record, PortService service);
// True when `port` is the record's port of one of the two services other than `self`.
bool PortTakenByOther(const SettingData& record, PortService self, std::int64_t port);

}  // namespace tk48
