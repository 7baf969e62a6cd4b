#pragma once
// "Network": the device's own IP settings (manual or DHCP, address, mask,
// gateway, DNS servers); uploaded to the device over USB as the
// access-settings document.
#include <QComboBox>
#include <QPushButton>

#include "editors/network/direct_network.h"
#include "editors/toolkit/ip_address_edit.h"
#include "editors/toolkit/item_editor.h"

namespace tk48 {

class CDlgBaseIpAddress : public ItemEditor {
  Q_OBJECT

 public:
  CDlgBaseIpAddress(QWidget* parent, SettingData& record, DeviceContext& ctx,
                    AccessUpload upload = UploadAccessSettings);

  QComboBox* dhcp;
  // IP address, subnet mask, default gateway, preferred DNS, alternate DNS.
  IpAddressEdit* address[5];
  QPushButton* uploadButton;
  QPushButton* backButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;    // a manual setting needs sound addresses
  bool CrossCheck() override;  // the confirmation
  bool Finish() override;      // the upload, and its report

 private:
  bool Manual() const;

  SettingData& record_;
  DeviceContext& ctx_;
  AccessUpload upload_;
};

}  // namespace tk48
