#include "editors/io/CDlgSetIoDo.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "checks/checks.h"
#include "checks/output_checks.h"
#include "editors/io/CDlgSetIoDoUsed.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "port/ui_port.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::uint8_t kCoilType = 0;  // MOD_TYPE of a DO: coil (0X)

}  // namespace

CDlgSetIoDoCh::CDlgSetIoDoCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : OutputEditor(parent, ui, record,
                   {record.IO.DO[index].NAME, record.IO.DO[index].COMMENT, record.IO.DO[index].STATUS,
                    record.IO.DO[index].IO_MAPPING, record.IO.DO[index].WEB}),
      point(this, SlmpBitDevices(), text::kCoil),
      record_(record),
      ch_(record.IO.DO[index]),
      index_(index) {
  setWindowTitle(QUtf8Text(FormatText(text::kDoLabel, index + 1)));
  invert = new QCheckBox(Tx(text::kDoInvert), this);
  Name(invert, Tx(text::kDoInvert));

  point.Bind(fields_, ch_);
  fields_.Flag(invert, ch_.INVERT);

  GuardWith(point.kind, [this](int, int) { return PointAndMapping(); });
  GuardWith(point.slmp.device, [this](int, int) { return PointAndMapping(); });
  OnChoice(point.slmp.device, [this] { point.slmp.Carry(); });

  auto* where = new QFormLayout;
  point.AddRows(where);
  const FootButtons foot = OkCancelColumn({where, CommonLayout(invert)});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoDoCh::UpdateEnables() {
  point.Enable();
  EnableCommon(point.InUse());
  invert->setEnabled(point.InUse());
}

bool CDlgSetIoDoCh::Validate() { return point.Check(checks_, 16) && CheckTexts(); }

bool CDlgSetIoDoCh::MappingFree() {
  if (!MappingRuleApplies()) return true;
  if (PatternsName(record_.SCHEDULE, OutputFamily::Do, index_)) return checks_.Refuse(LoadText(text::kDoInScheduler));
  if (const int gdo = FirstGdoHoldingDo(record_.IO, index_); gdo >= 0)
    return checks_.Refuse(FormatText(text::kDoInGdo, gdo + 1));
  return true;
}

bool CDlgSetIoDoCh::PointAndMapping() { return Validate() && MappingFree(); }

bool CDlgSetIoDoCh::CrossCheck() {
  return MappingFree() && CheckSlaveRef(checks_, record_.IO.NODE_CONF, point.Kind(), point.slaveNo) &&
         point.Unique(checks_, std::span<const DoCh>(record_.IO.DO), index_, kCoilType, text::kDoDuplicate);
}

void CDlgSetIoDoCh::Commit() {
  OutputEditor::Commit();
  ch_.MOD_TYPE = kCoilType;
}

ListScreenSetup DoListSetup(SettingData& record, UiPort& ui) {
  UiPort* port = &ui;
  SettingData* r = &record;
  ListScreenSetup setup = FamilyListSetup(
      record, FamilyOf(FamilyId::Do),
      [port](QWidget* parent, SettingData& rec, int index) { CDlgSetIoDoCh(parent, rec, index, *port).exec(); },
      Tx(text::kDiscreteOutput), port);
  setup.closeAllowed = NoDuplicatePoints(std::span<const DoCh>(record.IO.DO), ui, text::kDoDuplicatePair);
  setup.buttons = {{text::kDoUsedTitle, [r, port](QWidget* parent, int) { CDlgSetIoDoUsed(parent, *r, *port).exec(); }}};
  return setup;
}

}  // namespace tk48
