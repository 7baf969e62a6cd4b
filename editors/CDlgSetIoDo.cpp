#include "editors/CDlgSetIoDo.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "editors/CDlgSetIoDoUsed.h"
#include "editors/checks/checks.h"
#include "editors/checks/output_checks.h"
#include "editors/editor_text.h"
#include "editors/editor_widgets.h"
#include "editors/standard_lists.h"
#include "port/ui_port.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kModuleMessage = 291, kChNoMessage = 292, kSlaveMessage = 293, kRegisterMessage = 294;
constexpr int kCoil = 263, kInvert = 27187;
constexpr std::uint8_t kCoilType = 0;  // MOD_TYPE of a DO: coil (0X)

}  // namespace

CDlgSetIoDoCh::CDlgSetIoDoCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : OutputEditor(parent, ui, record,
                   {record.IO.DO[index].NAME, record.IO.DO[index].COMMENT, record.IO.DO[index].STATUS,
                    record.IO.DO[index].IO_MAPPING, record.IO.DO[index].WEB}),
      slmp(this, SlmpBitDevices()),
      record_(record),
      ch_(record.IO.DO[index]),
      index_(index) {
  setWindowTitle(QUtf8Text(FormatText(text::kDoLabel, index + 1)));
  kind = ChoiceList(this, {240, 241, 242, 243});
  moduleAddress = EditField(this, 60);
  chNo = EditField(this, 60);
  slaveNo = EditField(this, 60);
  registerType = new QLabel(Tx(kCoil), this);
  registerAddress = EditField(this, 80);
  invert = new QCheckBox(Tx(kInvert), this);
  Name(invert, Tx(kInvert));

  fields_.Choice(kind, ch_.TYPE);
  fields_.Int(moduleAddress, ch_.CARD_NO);
  fields_.Int(chNo, ch_.CARD_CH);
  fields_.Int(slaveNo, ch_.MOD_NODE);
  fields_.Int(registerAddress, ch_.MOD_ADDRESS);
  slmp.Bind(fields_, ch_.SLMP_DEV_CODE, ch_.SLMP_DEV_NO, [this] { return kind->currentIndex() == kSlmp; });
  fields_.Flag(invert, ch_.INVERT);

  GuardWith(kind, [this](int, int) { return PointAndMapping(); });
  GuardWith(slmp.device, [this](int, int) { return PointAndMapping(); });
  OnChoice(slmp.device, [this] { slmp.Carry(); });

  auto* point = new QFormLayout;
  AddRow(point, text::kChSetting, kind);
  AddRow(point, text::kModuleAddress, moduleAddress);
  AddRow(point, text::kChNo, chNo);
  AddRow(point, text::kSlaveNo, slaveNo);
  point->addRow(Tx(text::kRegisterType), registerType);
  AddRow(point, text::kRegisterAddress, registerAddress);
  AddRow(point, text::kSlmpDevice, slmp.device);
  AddRow(point, text::kSlmpDeviceNoDec, slmp.decimal);
  AddRow(point, text::kSlmpDeviceNoHex, slmp.hex);
  const FootButtons foot = OkCancelColumn({point, CommonLayout(), invert});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoDoCh::UpdateEnables() {
  const int k = kind->currentIndex();
  SetEnabled({moduleAddress, chNo, slaveNo, registerAddress, invert}, false);
  slmp.Enable(false);
  const bool inUse = k > kDisable;
  EnableCommon(inUse);
  if (!inUse) return;
  invert->setEnabled(true);
  moduleAddress->setEnabled(k == kIoModule);
  chNo->setEnabled(k == kIoModule);
  slaveNo->setEnabled(k == kModbusTcp || k == kSlmp);
  registerAddress->setEnabled(k == kModbusTcp);
  slmp.Enable(k == kSlmp);
}

bool CDlgSetIoDoCh::Validate() {
  const int k = kind->currentIndex();
  if (k == kIoModule &&
      (!checks_.Int(moduleAddress, 1, 16, kModuleMessage) || !checks_.Int(chNo, 1, 16, kChNoMessage)))
    return false;
  if (k == kModbusTcp &&
      (!checks_.Int(slaveNo, 0, 31, kSlaveMessage) || !checks_.Int(registerAddress, 1, 65536, kRegisterMessage)))
    return false;
  if (k == kSlmp && (!checks_.Int(slaveNo, 0, 31, kSlaveMessage) || !slmp.Check(checks_))) return false;
  return CheckTexts();
}

bool CDlgSetIoDoCh::MappingFree() {
  if (!MappingRuleApplies()) return true;
  if (PatternsName(record_.SCHEDULE, OutputFamily::Do, index_)) return checks_.Refuse(LoadText(text::kDoInScheduler));
  if (const int gdo = FirstGdoHoldingDo(record_.IO, index_); gdo >= 0)
    return checks_.Refuse(FormatText(text::kDoInGdo, gdo + 1));
  return true;
}

bool CDlgSetIoDoCh::PointAndMapping() { return Validate() && MappingFree(); }

bool CDlgSetIoDoCh::CrossCheck() {
  const int k = kind->currentIndex();
  if (!MappingFree() || !CheckSlaveRef(checks_, record_.IO.NODE_CONF, k, slaveNo)) return false;
  if (k <= kDisable) return true;
  OutputPoint point = PointOf(ch_);
  point.type = k;
  point.cardNo = static_cast<std::int16_t>(moduleAddress->text().toInt());
  point.cardCh = static_cast<std::int16_t>(chNo->text().toInt());
  point.node = static_cast<std::int16_t>(slaveNo->text().toInt());
  point.modType = kCoilType;
  point.address = registerAddress->text().toUInt();
  point.code = slmp.Code();
  point.number = slmp.Shown();
  if (const int other = FirstDuplicateOf(std::span<const DoCh>(record_.IO.DO), index_, point); other >= 0)
    return checks_.Refuse(FormatText(text::kDoDuplicate, other + 1));
  return true;
}

void CDlgSetIoDoCh::Commit() {
  OutputEditor::Commit();
  ch_.MOD_TYPE = kCoilType;
}

ListScreenSpec DoListSpec(SettingData& record, UiPort& ui) {
  UiPort* port = &ui;
  SettingData* r = &record;
  ListScreenSpec spec = FamilyListSpec(
      record, FamilyOf(FamilyId::Do),
      [port](QWidget* parent, SettingData& rec, int index) { CDlgSetIoDoCh(parent, rec, index, *port).exec(); },
      Tx(text::kDiscreteOutput));
  spec.closeAllowed = [r, port] {
    const DuplicatePair pair = FirstDuplicatePair(std::span<const DoCh>(r->IO.DO));
    if (pair.first < 0) return true;
    ShowError(*port, FormatText(text::kDoDuplicatePair, pair.first + 1, pair.second + 1));
    return false;
  };
  spec.buttons = {{text::kDoUsedTitle, [r, port](QWidget* parent, int) { CDlgSetIoDoUsed(parent, *r, *port).exec(); }}};
  return spec;
}

void RunDoList(QWidget* parent, SettingData& record, UiPort& ui) { RunListScreen(parent, DoListSpec(record, ui)); }

}  // namespace tk48
