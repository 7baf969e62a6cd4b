#pragma once
// The upload's check of the device's own server credentials: a web-server
// account or the FTP server that is in use with a blank login or password, or
// with both still at their factory values.
#include "model/setting_data.h"

namespace tk48 {

struct CredentialFlags {
  bool web = false;  // some COM.WEB.AUTH%d
  bool ftp = false;  // COM.FTP
  bool any() const { return web || ftp; }
};

CredentialFlags CheckCredentials(const SettingData& record);

}  // namespace tk48
