#pragma once
// The device-access block (TK48GCFG) and the network address block
// (COM.TCP_IP.IP_ADDRESS): carried only by the access-settings document.
#include <cstdint>

namespace tk48 {

struct AccessAccount {
  std::int32_t MODE;
  char LOGIN[49];     // ASCII
  char PASSWORD[49];  // ASCII
};

struct AccessBlock {
  std::int32_t NET;
  AccessAccount AUTH[8];  // AUTH0..AUTH7
  std::uint16_t PORT;
};

struct IpAddressBlock {
  std::int32_t DHCP;
  char MY[32];
  char SUBNETMASK[32];
  char DEFAULT_GATEWAY[32];
  char DNS1[32];
  char DNS2[32];
};

struct TcpIpBlock {
  IpAddressBlock IP_ADDRESS;
};

}  // namespace tk48
