#include "editors/CDlgBaseIpAddress.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

#include "editors/editor_text.h"
#include "editors/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kManual = 0;  // "Manual setting", "Automatic setting (DHCP)"
constexpr int kManualText = 1250;
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
  dhcp = ChoiceList(this, {kManualText, kManualText + 1});
  Unguarded(dhcp);
  auto* form = new QFormLayout;
  form->addRow(Tx(text::kIpAddressSetting), dhcp);
  for (int i = 0; i < 5; ++i) {
    address[i] = new IpAddressEdit(this);
    form->addRow(Tx(kAddressLabels[i]), address[i]);
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

void CDlgBaseIpAddress::Load() {
  IpAddressBlock& ip = record_.COM.TCP_IP.IP_ADDRESS;
  dhcp->setCurrentIndex(ip.DHCP == 0 || ip.DHCP == 1 ? ip.DHCP : -1);
  const auto texts = AddressTexts(ip);
  for (int i = 0; i < 5; ++i) address[i]->SetAddress(FromRecord(*texts[i]));
}

void CDlgBaseIpAddress::Commit() {
  IpAddressBlock& ip = record_.COM.TCP_IP.IP_ADDRESS;
  if (dhcp->currentIndex() >= 0) ip.DHCP = dhcp->currentIndex();
  const auto texts = AddressTexts(ip);
  // A blank field writes an empty text (all 32 bytes zero).
  for (int i = 0; i < 5; ++i) ToRecord(*texts[i], address[i]->Address());
}

void CDlgBaseIpAddress::UpdateEnables() {
  const bool usb = ctx_.settings.usb;
  dhcp->setEnabled(usb);
  uploadButton->setEnabled(usb);
  for (IpAddressEdit* field : address) field->setEnabled(usb && dhcp->currentIndex() == kManual);
}

bool CDlgBaseIpAddress::CrossCheck() {
  return ui_.Message(LoadText(text::kConfirmUpload), Icon::None, Buttons::OkCancel) == Answer::Ok;
}

bool CDlgBaseIpAddress::Finish() { return upload_ && upload_(record_, ctx_); }

}  // namespace tk48
