#include "editors/io/CDlgSetIoDiCh.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::uint8_t kRegisterTypes[] = {1, 0};  // input (1X), coil (0X)

}  // namespace

CDlgSetIoDiCh::CDlgSetIoDiCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui), slmp(this, SlmpBitDevices()), record_(record), ch_(record.IO.DI[index]) {
  setWindowTitle(QUtf8Text(FormatText(text::kDiLabel, index + 1)));
  kind = ChoiceList(this, {text::kChDisable, text::kIoModule, text::kModbusTcp, text::kSlmp, text::kAi,
                           text::kControlInput, text::kDemo});
  moduleAddress = EditField(this, 60);
  chNo = EditField(this, 60);
  slaveNo = EditField(this, 60);
  registerType = ChoiceList(this, {text::kInputBit, text::kCoil});
  registerAddress = EditField(this, 80);
  aiCh = new QComboBox(this);
  FillLabelledChannels(aiCh, record, FamilyOf(FamilyId::Ai));
  aiBit = NumberList(this, 0, 15);
  name = EditField(this, 200);
  comment = EditField(this, 200);
  invert = new QCheckBox(Tx(text::kInvert), this);

  // The kind first: the SLMP device binding reads it.
  fields_.Choice(kind, ch_.TYPE);
  fields_.Int(moduleAddress, ch_.CARD_NO);
  fields_.Int(chNo, ch_.CARD_CH);
  fields_.Int(slaveNo, ch_.MOD_NODE);
  fields_.Values(registerType, ch_.MOD_TYPE, std::span<const std::uint8_t>(kRegisterTypes));
  fields_.Int(registerAddress, ch_.MOD_ADDRESS);
  slmp.Bind(fields_, ch_.SLMP_DEV_CODE, ch_.SLMP_DEV_NO, [this] { return kind->currentIndex() == kSlmp; });
  fields_.Choice(aiCh, ch_.AI_CH, 1);
  fields_.Choice(aiBit, ch_.AI_BIT);
  fields_.Text(name, ch_.NAME);
  fields_.Text(comment, ch_.COMMENT);
  fields_.Flag(invert, ch_.INVERT);
  on = new StatusGroup(this, StatusGroup::kOn, ch_.STATUS.ON, fields_, record, ui);
  off = new StatusGroup(this, StatusGroup::kOff, ch_.STATUS.OFF, fields_, record, ui);

  Guard(kind);
  Guard(slmp.device);
  OnChoice(slmp.device, [this] { slmp.Carry(); });

  auto* source = new QFormLayout;
  AddRow(source, text::kChSetting, kind);
  AddRow(source, text::kModuleAddress, moduleAddress);
  AddRow(source, text::kChNo, chNo);
  AddRow(source, text::kSlaveNo, slaveNo);
  AddRow(source, text::kRegisterType, registerType);
  AddRow(source, text::kRegisterAddress, registerAddress);
  AddRow(source, text::kSlmpDevice, slmp.device);
  AddRow(source, text::kSlmpDeviceNoDec, slmp.decimal);
  AddRow(source, text::kSlmpDeviceNoHex, slmp.hex);
  AddRow(source, text::kAiChNo, aiCh);
  AddRow(source, text::kAiBit, aiBit);
  AddRow(source, text::kColumnChName, name);
  AddRow(source, text::kColumnChComment, comment);
  source->addRow(invert);
  Name(invert, Tx(text::kInvert));
  auto* states = new QVBoxLayout;
  states->addWidget(on);
  states->addWidget(off);
  auto* columns = new QHBoxLayout;
  columns->addLayout(source);
  columns->addLayout(states);
  const FootButtons foot = OkCancelColumn({columns});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoDiCh::UpdateEnables() {
  const int k = kind->currentIndex();
  SetEnabled({moduleAddress, chNo, slaveNo, registerType, registerAddress, aiCh, aiBit, name, comment, invert}, false);
  slmp.Enable(false);
  const bool used = k > kDisable;
  on->Enable(used);
  off->Enable(used);
  if (!used) return;
  SetEnabled({name, comment, invert}, true);
  SetEnabled({moduleAddress, chNo}, k == kIoModule);
  SetEnabled({slaveNo}, k == kModbusTcp || k == kSlmp);
  SetEnabled({registerType, registerAddress}, k == kModbusTcp);
  slmp.Enable(k == kSlmp);
  SetEnabled({aiCh, aiBit}, k == kAi);
}

bool CDlgSetIoDiCh::Validate() {
  const int k = kind->currentIndex();
  if (k == kIoModule &&
      (!checks_.Int(moduleAddress, 1, 16, text::kModuleAddressError) || !checks_.Int(chNo, 1, 16, text::kChNoError)))
    return false;
  if (k == kModbusTcp && (!checks_.Int(slaveNo, 0, 31, text::kSlaveAddressError) ||
                          !checks_.Int(registerAddress, 1, 65536, text::kRegisterAddressError)))
    return false;
  if (k == kSlmp && (!checks_.Int(slaveNo, 0, 31, text::kSlaveAddressError) || !slmp.Check(checks_))) return false;
  return checks_.Text(name, 16, text::kChNameError, Scope::Always) &&
         checks_.Text(comment, 16, text::kChCommentError, Scope::Always) && CheckStatusPair(checks_, *on, *off);
}

bool CDlgSetIoDiCh::CrossCheck() { return CheckSlaveRef(checks_, record_.IO.NODE_CONF, kind->currentIndex(), slaveNo); }

void CDlgSetIoDiCh::Commit() {
  ItemEditor::Commit();
  on->Commit(ch_.STATUS.ON);
  off->Commit(ch_.STATUS.OFF);
}

ListScreenSetup DiListSetup(SettingData& record, UiPort& ui) {
  return EditorListSetup<CDlgSetIoDiCh>(record, ui, FamilyId::Di, text::kDiscreteInput);
}

void RunDiList(QWidget* parent, SettingData& record, UiPort& ui) { RunListScreen(parent, DiListSetup(record, ui)); }

}  // namespace tk48
