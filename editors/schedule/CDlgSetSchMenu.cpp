#include "editors/schedule/CDlgSetSchMenu.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <cstring>
#include <string>

#include "editors/schedule/CDlgSetSchedule.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kNameChars = 32;

std::span<const RefKind> MenteKinds() {
  static const RefKind kinds[] = {{0, nullptr}, {1, &FamilyOf(FamilyId::Di)}, {2, &FamilyOf(FamilyId::Md)}};
  return kinds;
}

bool RunSetSchInputConf(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetSchInputConf dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

QString Number(int row) { return QString::number(row + 1); }

}  // namespace

namespace {

void OpenPatterns(QWidget* p, SettingData& r, UiPort& ui) { RunListScreen(p, PatternListSetup(r, ui)); }
void OpenUnits(QWidget* p, SettingData& r, UiPort& ui) { RunListScreen(p, UnitListSetup(r, ui)); }
void OpenInputConf(QWidget* p, SettingData& r, UiPort& ui) { RunSetSchInputConf(p, r, ui); }

constexpr MenuEntry kSchedulerMenu[] = {
    {text::kPatternSetting, &OpenPatterns},
    {text::kUnitSetting, &OpenUnits},
    {text::kMaintenanceSwSetting, &OpenInputConf},
};

}  // namespace

CDlgSetSchMenu::CDlgSetSchMenu(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kScheduler, kSchedulerMenu, record, ui) {}

CDlgSetSchUnitReg::CDlgSetSchUnitReg(QWidget* parent, const SettingData& record, ScheduleUnit& unit, int index,
                                     UiPort& ui)
    : ItemEditor(parent, ui) {
  setWindowTitle(QUtf8Text(FormatText(text::kUnitTitle, index + 1)));
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  name = EditField(this, 260);
  fields_.Choice(mode, unit.MODE);
  fields_.Text(name, unit.NAME);
  GuardMode(mode);
  QStringList patterns{Tx(text::kPatternNone)};
  for (const SchedulePattern& p : record.SCHEDULE.PATTERN)
    patterns << QUtf8Text(FormatText(text::kPatternChoice, static_cast<int>(patterns.size()),
                                     std::string(p.PTN_NAME, ::strnlen(p.PTN_NAME, sizeof p.PTN_NAME)).c_str()));

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kUnitNameLabel, name);
  auto* week = new QGroupBox(Tx(text::kBasicAssignment), this);
  auto* weekForm = new QFormLayout(week);
  for (int d = 0; d < 7; ++d) {
    days[d] = new QComboBox(week);
    days[d]->addItems(patterns);
    fields_.Choice(days[d], unit.BASIC[d].PTN);
    weekForm->addRow(FieldLabel(week, text::kWeekdaysShort[d], days[d]), days[d]);
    Name(days[d], SubName(text::kBasicAssignment, text::kWeekdaysShort[d]));
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(week);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetSchUnitReg::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  name->setEnabled(on);
  for (QComboBox* day : days) day->setEnabled(on);
}

// The name is checked whatever the mode; turning the unit on is free, so a bad
// name from a file can be put right.
bool CDlgSetSchUnitReg::Validate() { return checks_.Text(name, kNameChars, text::kUnitNameError, Scope::Always); }

ListScreenSetup UnitListSetup(SettingData& record, UiPort& ui) {
  SettingData* r = &record;
  ListScreenSetup setup;
  setup.title = Tx(text::kUnitSetting);
  setup.list.rows = static_cast<int>(std::size(record.SCHEDULE.UNIT));
  setup.list.columns = {
      {text::kColumnNo, 60, Number},
      {text::kUnitName, 260,
       [r](int row) {
         const ScheduleUnit& unit = r->SCHEDULE.UNIT[row];
         return unit.MODE == kEnabledEntry ? FromRecord(unit.NAME) : QString();
       }},
  };
  setup.list.edit = [r, &ui](QWidget* parent, int row) {
    CDlgSetSchUnitReg screen(parent, *r, r->SCHEDULE.UNIT[row], row, ui);
    screen.exec();
  };
  setup.list.paste = [r](int from, int to) { r->SCHEDULE.UNIT[to] = r->SCHEDULE.UNIT[from]; };
  return setup;
}

CDlgSetSchInputConf::CDlgSetSchInputConf(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kMaintenanceSwSetting));
  type = ChoiceList(this, {text::kOutputNone, text::kDi, text::kMd});
  channel = new QComboBox(this);
  MenteInput& input = record.SCHEDULE.MENTE.INPUT;
  ChannelChoice(type, channel, input.CH.kind, input.CH.no, MenteKinds(), record, std::int16_t{0});

  auto* box = new QGroupBox(Tx(text::kChannel), this);
  auto* form = new QFormLayout(box);
  form->addRow(FieldLabel(box, text::kType, type), type);
  form->addRow(FieldLabel(box, text::kColumnCh, channel), channel);
  Name(type, SubName(text::kChannel, text::kType));
  Name(channel, SubName(text::kChannel, text::kColumnCh));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetSchInputConf::UpdateEnables() { channel->setEnabled(type->currentIndex() > 0); }

}  // namespace tk48
