#include "editors/network/CDlgBaseIpAddress.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kManual = 0;  // "Manual setting", "Automatic setting (DHCP)"
constexpr int kAddressLabels[5] = {text::kIpAddress, text::kSubnetMask, text::kDefaultGateway, text::kPreferredDns,
                                   text::kAlternateDns};

// The record's five address texts, in screen order.
using AddressText = char[32];
std::array<AddressText*, 5> AddressTexts(IpAddressBlock& ip) {
  return {&ip.MY, &ip.SUBNETMASK, &ip.DEFAULT_GATEWAY, &ip.DNS1, &ip.DNS2};
}

}  // namespace

CDlgBaseIpAddress::CDlgBaseIpAddress(QWidget* parent, SettingData& record, DeviceContext& ctx, AccessUpload upload)
    : ItemEditor(parent, ctx.ui, EnterKey::Nothing), record_(record), ctx_(ctx), upload_(std::move(upload)) {
  setWindowTitle(Tx(text::kNetwork));
  IpAddressBlock& ip = record.COM.TCP_IP.IP_ADDRESS;
  dhcp = ChoiceList(this, {text::kManualSetting, text::kDhcpSetting});
  fields_.Choice(dhcp, ip.DHCP);
  Unguarded(dhcp);
  auto* form = new QFormLayout;
  AddRow(form, text::kIpAddressSetting, dhcp);
  const auto texts = AddressTexts(ip);
  for (int i = 0; i < 5; ++i) {
    address[i] = new IpAddressEdit(this);
    fields_.Address(address[i], *texts[i]);
    AddRow(form, kAddressLabels[i], address[i]);
  }
  const FootButtons foot = MakeFootButtons(this, text::kUploadToDevice, text::kBack);
  uploadButton = foot.ok;
  backButton = foot.cancel;
  connect(foot.box, &QDialogButtonBox::accepted, this, &CDlgBaseIpAddress::OkStep);
  connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(Tx(text::kRestartNote), this));
  layout->addWidget(foot.box);
  Start();
}

void CDlgBaseIpAddress::UpdateEnables() {
  const bool usb = ctx_.settings.usb;
  dhcp->setEnabled(usb);
  uploadButton->setEnabled(usb);
  for (IpAddressEdit* field : address) field->setEnabled(usb && Manual());
}

bool CDlgBaseIpAddress::Manual() const { return dhcp->currentIndex() == kManual; }

// A manual setting the device would drop off the network with never reaches
// it: the address and the mask are needed, and no field may hold a text that
// is not an address (a stored one is shown as it stands to be put right).
bool CDlgBaseIpAddress::Validate() {
  if (!Manual()) return true;
  for (int i = 0; i < 5; ++i) {
    const IpAddressEdit* field = address[i];
    const std::string label(LoadText(kAddressLabels[i]));
    if (!field->IsDotted())
      return checks_.Refuse(FormatText(text::kAddressMalformed, label.c_str(), field->Address().toUtf8().constData()));
    if (i < 2 && field->IsBlank()) return checks_.Refuse(FormatText(text::kAddressNeeded, label.c_str()));
  }
  return true;
}

bool CDlgBaseIpAddress::CrossCheck() {
  return ui_.Message(LoadText(text::kConfirmUpload), Icon::None, Buttons::OkCancel) == Answer::Ok;
}

bool CDlgBaseIpAddress::Finish() {
  if (!upload_ || !upload_(record_, ctx_)) return false;
  ui_.Message(LoadText(text::kNetworkUploaded), Icon::Information);
  return true;
}

}  // namespace tk48
