#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

Node AccessBlockSchema() {
  Node account = Repeated(
      "AUTH", offsetof(AccessBlock, AUTH), 8, 0, sizeof(AccessAccount),
      {Kw("MODE", offsetof(AccessAccount, MODE), NoUseUse()),
       Text("LOGIN", offsetof(AccessAccount, LOGIN), 49, {}, true),
       Password("PASSWORD", offsetof(AccessAccount, PASSWORD), 49)});
  account.children[0].defByIndex = {1};  // only account 0 is in use
  return Container("TK48GCFG", offsetof(SettingData, TK48GCFG),
                   {Kw("NET", offsetof(AccessBlock, NET), NoUseUse()),
                    Int("PORT", offsetof(AccessBlock, PORT), Width::U16, 0, 65535, 30341), std::move(account)});
}

Node IpAddressSchema() {
  static const Keywords dhcp{"OFF", "ON"};
  return Container(
      "TCP_IP", offsetof(ComSection, TCP_IP),
      {Container("IP_ADDRESS", offsetof(TcpIpBlock, IP_ADDRESS),
                 {Kw("DHCP", offsetof(IpAddressBlock, DHCP), dhcp),
                  Text("MY", offsetof(IpAddressBlock, MY), 32, "192.168.0.1"),
                  Text("SUBNETMASK", offsetof(IpAddressBlock, SUBNETMASK), 32, "255.255.255.0"),
                  Text("DEFAULT_GATEWAY", offsetof(IpAddressBlock, DEFAULT_GATEWAY), 32),
                  Text("DNS1", offsetof(IpAddressBlock, DNS1), 32),
                  Text("DNS2", offsetof(IpAddressBlock, DNS2), 32)})});
}

}  // namespace tk48
