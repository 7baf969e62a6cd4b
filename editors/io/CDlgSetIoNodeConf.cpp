#include "editors/io/CDlgSetIoNodeConf.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <cstring>

#include "checks/slave_checks.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "port/ui_port.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

std::span<const RefKind> ErrOutKinds() {
  static const RefKind kinds[] = {{0, nullptr},
                                  {1, &FamilyOf(FamilyId::Md)},
                                  {2, &FamilyOf(FamilyId::Do)},
                                  {3, &FamilyOf(FamilyId::Gdo)}};
  return kinds;
}

}  // namespace

CDlgSetIoNodeConf::CDlgSetIoNodeConf(QWidget* parent, SettingData& record, int slave, UiPort& ui)
    : ItemEditor(parent, ui),
      record_(record),
      nodes_(record.IO.NODE_CONF),
      slave_(slave),
      errOut_{record.IO.NODE_CONF.ERROUT_KIND[slave], record.IO.NODE_CONF.ERROUT_NO[slave]} {
  setWindowTitle(QUtf8Text(FormatText(text::kSlaveLabel, slave)));
  slaveType = ChoiceList(this, {text::kSlaveModbusTcp, text::kSlaveSlmp});
  address = new IpAddressEdit(this);
  nodeNo = EditField(this, 60);
  sharing = ChoiceList(this, {text::kSharingDisable});
  for (int k = 0; k < slave; ++k) sharing->addItem(QUtf8Text(FormatText(text::kSlaveLabel, k)));
  port = EditField(this, 80);
  errType = ChoiceList(this, {text::kOutputNone, text::kFamilyMd, text::kFamilyDo, text::kFamilyGdo});
  errCh = new QComboBox(this);
  networkNo = EditField(this, 60);
  stationNo = EditField(this, 60);
  processorNo = EditField(this, 60);
  multidropNo = EditField(this, 60);

  // The type and sharing lists first: the address binding reads them.
  fields_.Choice(slaveType, nodes_.NODE_TYPE[slave]);
  std::int8_t* shared = &nodes_.SHAR_ID[slave];
  // A slave numbered at or above this one (or any other stray number) shows
  // "Disable", and OK stores it so.
  fields_.Custom(
      sharing, [this, shared] { sharing->setCurrentIndex(*shared >= 0 && *shared < slave_ ? *shared + 1 : 0); },
      [this] { return QStringLiteral("%1/%2").arg(slaveType->currentIndex()).arg(sharing->currentIndex()); },
      [this, shared] { *shared = static_cast<std::int8_t>(Slmp() ? kNotShared : sharing->currentIndex() - 1); },
      [this, shared] { return *shared == kNotShared || (*shared >= 0 && *shared < slave_); });
  char(*node)[32] = &nodes_.NODE[slave];
  fields_.Custom(
      address, [this, node] { address->SetAddress(FromRecord(*node)); },
      [this] {
        return QStringLiteral("%1/%2/%3").arg(slaveType->currentIndex()).arg(sharing->currentIndex()).arg(
            address->Address());
      },
      [this, node] {
        // A Modbus/TCP slave sharing a connection has no address of its own.
        if (address->IsBlank() || (!Slmp() && sharing->currentIndex() > 0)) {
          std::memset(*node, 0, sizeof *node);
        } else {
          ToRecord(*node, address->Address());
        }
      });
  fields_.Int(nodeNo, nodes_.DEV_ID[slave]);
  fields_.Int(port, nodes_.PORT[slave]);
  ChannelChoice(errType, errCh, errOut_, ErrOutKinds(), record);
  fields_.Int(networkNo, nodes_.SLMP_NO[slave]);
  fields_.Int(stationNo, nodes_.SLMP_SS[slave]);
  fields_.Hex(processorNo, nodes_.SLMP_CPU[slave], 4);
  fields_.Int(multidropNo, nodes_.SLMP_DROP[slave]);
  Guard(slaveType);
  Guard(sharing);

  auto* form = new QFormLayout;
  AddRow(form, text::kSlaveTypeColumn, slaveType);
  AddRow(form, text::kIpAddressColumn, address);
  AddRow(form, text::kNodeNo, nodeNo);
  AddRow(form, text::kConnectionSharing, sharing);
  AddRow(form, text::kPortAddress, port);
  auto* errBox = new QGroupBox(Tx(text::kCommErrorOutput), this);
  auto* errForm = new QFormLayout(errBox);
  AddRow(errForm, text::kErrOutType, errType);
  AddRow(errForm, text::kErrOutCh, errCh);
  Name(errType, SubName(text::kCommErrorOutput, text::kErrOutType));
  Name(errCh, SubName(text::kCommErrorOutput, text::kErrOutCh));
  auto* slmpForm = new QFormLayout;
  AddRow(slmpForm, text::kNetworkNo, networkNo);
  AddRow(slmpForm, text::kStationNo, stationNo);
  AddRow(slmpForm, text::kProcessorNo, processorNo);
  AddRow(slmpForm, text::kMultidropNo, multidropNo);

  const FootButtons foot = OkCancelButtons();
  okButton = foot.ok;
  cancelButton = foot.cancel;
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(errBox);
  layout->addLayout(slmpForm);
  layout->addWidget(foot.box);
  Start();
}

bool CDlgSetIoNodeConf::Slmp() const { return slaveType->currentIndex() == kSlaveSlmp; }

void CDlgSetIoNodeConf::UpdateEnables() {
  const bool slmp = Slmp();
  const bool own = slmp || sharing->currentIndex() == 0;
  address->setEnabled(own);
  port->setEnabled(own);
  nodeNo->setEnabled(!slmp);
  sharing->setEnabled(!slmp);
  for (QLineEdit* f : {networkNo, stationNo, processorNo, multidropNo}) f->setEnabled(slmp);
  errCh->setEnabled(errType->currentIndex() > 0);
}

// The slave shared must be a Modbus/TCP slave with its own connection, and a
// slave others share keeps its own Modbus/TCP connection (no chains).
bool CDlgSetIoNodeConf::SharingOk() {
  if (Guarding()) return true;
  const int shared = sharing->currentIndex() - 1;
  const bool sharesOther = !Slmp() && shared >= 0;
  if (sharesOther && (shared >= slave_ || nodes_.NODE_TYPE[shared] != kSlaveModbusTcp ||
                      SharesConnection(nodes_, shared)))
    return checks_.Refuse(LoadText(text::kSharingError));
  if ((Slmp() || sharesOther) && IsShared(nodes_, slave_)) return checks_.Refuse(LoadText(text::kSharingError));
  return true;
}

bool CDlgSetIoNodeConf::Validate() {
  if (Slmp()) {
    if (!checks_.Int(networkNo, 0, 255, text::kNetworkNoError) ||
        !checks_.Int(stationNo, 1, 255, text::kStationNoError) ||
        !checks_.Hex(processorNo, 0, 0xFFFF, text::kProcessorNoError) ||
        !checks_.Int(multidropNo, 0, 255, text::kMultidropNoError))
      return false;
  } else if (!checks_.Int(nodeNo, 0, 255, text::kNodeIdError)) {
    return false;
  }
  return SharingOk() && checks_.Int(port, 0, 65535, text::kSlavePortError, Scope::Always);
}

bool CDlgSetIoNodeConf::CrossCheck() {
  disableChannels_ = false;
  const bool deleted = (Slmp() || sharing->currentIndex() == 0) && address->IsBlank();
  if (deleted && HasChannelsOfDeleted(record_.IO, slave_)) {
    if (ui_.Message(LoadText(text::kDeletedSlave), Icon::Information, Buttons::OkCancel) != Answer::Ok) {
      if (nodes_.NODE[slave_][0] != '\0') address->SetAddress(FromRecord(nodes_.NODE[slave_]));
      return false;
    }
    disableChannels_ = true;
  }
  const std::int32_t oldKind = Slmp() ? kTypeModbusTcp : kTypeSlmp;
  if (HasChannelsOn(record_.IO, slave_, oldKind) &&
      ui_.Message(FormatText(Slmp() ? text::kSlaveHasModbusChannels : text::kSlaveHasSlmpChannels, slave_), Icon::None,
                  Buttons::OkCancel) != Answer::Ok) {
    disableChannels_ = false;
    return false;
  }
  return true;
}

void CDlgSetIoNodeConf::Commit() {
  // The channels first, while the table still says who shares this slave.
  if (disableChannels_) DisableChannelsOfDeleted(record_.IO, slave_);
  ItemEditor::Commit();
  const ChannelRef loaded{nodes_.ERROUT_KIND[slave_], nodes_.ERROUT_NO[slave_]};
  if (errOut_.kind != loaded.kind || errOut_.no != loaded.no) {
    nodes_.ERROUT_KIND[slave_] = errOut_.kind;
    nodes_.ERROUT_NO[slave_] = static_cast<std::int16_t>(errOut_.kind == 0 ? 0 : errOut_.no);
  }
}

}  // namespace tk48
