#include "editors/io/CDlgSetIoArea.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cstring>

#include "checks/c_number.h"
#include "checks/zone_order.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kNameChars = 32, kMessageChars = 32;
constexpr double kLimit = 10000000000.0;
// The limit messages of zone k (index k - 1): zone 1 has no lower limit, zone 5 no upper one.
constexpr int kUpperMessage[] = {text::kZone1UpperError, text::kZone2UpperError, text::kZone3UpperError,
                                 text::kZone4UpperError, 0};
constexpr int kLowerMessage[] = {0, text::kZone2LowerError, text::kZone3LowerError, text::kZone4LowerError,
                                 text::kZone5LowerError};

struct ActionButton {
  int textId;
  ActionKind kind;
};
constexpr ActionButton kButtons[CDlgSetIoArea::kActionButtons] = {{text::kMdAlarmOutput, ActionKind::Md},
                                                                  {text::kDoAlarmOutput, ActionKind::Do},
                                                                  {text::kGdoAlarmOutput, ActionKind::Gdo},
                                                                  {text::kResetPiAction, ActionKind::ResetPi},
                                                                  {text::kResetMaAction, ActionKind::ResetMa}};

std::span<std::uint32_t> Bits(AlarmArea& a, ActionKind kind) {
  switch (kind) {
    case ActionKind::Md: return a.MD_ON;
    case ActionKind::Do: return a.DO_ON;
    case ActionKind::Gdo: return {&a.GDO_ON1, 1};
    case ActionKind::ResetPi: return a.RESET_PI;
    case ActionKind::ResetMa: return a.RESET_MA;
  }
  return {};
}

QString ZoneLabel(int zone) { return QUtf8Text(FormatText(text::kZoneNumber, zone)); }

double Value(const QLineEdit* field) {
  const auto parsed = ParseDouble(Units(field->text()));
  return parsed.value;
}

void KeepEvent(AreaEvent& now, const AreaEvent& before) {
  now.EVENT_LOG = before.EVENT_LOG;
  now.EVENT_NO = before.EVENT_NO;
  std::memcpy(now.MESSAGE, before.MESSAGE, sizeof now.MESSAGE);
}

}  // namespace

CDlgSetIoArea::CDlgSetIoArea(QWidget* parent, const SettingData& record, ZoneBlock& zones, int titleId,
                             int channelNo, UiPort& ui, const ZoneOwner* owner)
    : ItemEditor(parent, ui), record_(record), zones_(zones), owner_(owner) {
  setWindowTitle(QUtf8Text(FormatText(titleId, channelNo)));

  partitions = ChoiceList(this, {text::kChDisable});
  for (int n = 2; n <= kAreaCount; ++n) partitions->addItem(QString::number(n));
  fields_.Custom(
      partitions, [this] { partitions->setCurrentIndex(zones_.USE_AREAS >= 2 ? zones_.USE_AREAS - 1 : 0); },
      [this] { return QString::number(partitions->currentIndex()); },
      [this] { zones_.USE_AREAS = static_cast<std::int16_t>(Count()); });
  // Fewer zones: the zones given up must pass as they stand; more: free.
  GuardWith(partitions, [this](int from, int to) { return to > from || Validate(); });

  pages = new QTabWidget(this);
  auto* basicPage = new QWidget(pages);
  auto* basicGrid = new QGridLayout(basicPage);
  const int headers[] = {text::kZoneName, text::kZoneColour, text::kLowerLimit, text::kUpperLimit,
                         text::kZoneActions};
  for (int c = 0; c < 5; ++c) basicGrid->addWidget(new QLabel(Tx(headers[c]), basicPage), 0, c + 1);
  for (int k = 0; k < kAreaCount; ++k) {
    const QString label = ZoneLabel(k + 1);
    AlarmArea& area = zones_.AREA[k];
    ZoneRow& row = zone[k];
    row.name = EditField(basicPage, 160);
    row.colour = new ColourSwatch(basicPage, ui);
    row.lower = EditField(basicPage, 100);
    row.upper = EditField(basicPage, 100);
    Name(row.name, SubName(label, Tx(text::kZoneName)));
    Name(row.colour, SubName(label, Tx(text::kZoneColour)));
    Name(row.lower, SubName(label, Tx(text::kLowerLimit)));
    Name(row.upper, SubName(label, Tx(text::kUpperLimit)));
    fields_.Text(row.name, area.AREA_NAME);
    fields_.Colour(row.colour, area.AREA_COLOR);
    fields_.Real(row.lower, area.LEVEL_LOWER);
    fields_.Real(row.upper, area.LEVEL_UPPER);
    basicGrid->addWidget(new QLabel(label, basicPage), k + 1, 0);
    basicGrid->addWidget(row.name, k + 1, 1);
    basicGrid->addWidget(row.colour, k + 1, 2);
    basicGrid->addWidget(row.lower, k + 1, 3);
    basicGrid->addWidget(row.upper, k + 1, 4);
    auto* buttons = new QHBoxLayout;
    for (int b = 0; b < kActionButtons; ++b) {
      row.actions[b] = new QPushButton(Tx(kButtons[b].textId), basicPage);
      row.actions[b]->setAutoDefault(false);
      Name(row.actions[b], SubName(label, Tx(kButtons[b].textId)));
      connect(row.actions[b], &QPushButton::clicked, this, [this, k, b] { OpenActions(k, b); });
      buttons->addWidget(row.actions[b]);
    }
    basicGrid->addLayout(buttons, k + 1, 5);
  }
  pages->addTab(basicPage, Tx(text::kZoneBasic));

  // Upward rows are zones 2 to 5 (entering from below), downward rows zones 1 to 4.
  const auto eventPage = [&](EventRow* rows, int firstZone, bool up) {
    auto* page = new QWidget(pages);
    auto* grid = new QGridLayout(page);
    const int heads[] = {text::kEventLog, text::kEventNo, text::kZoneMessage, text::kMailTemplateNo};
    for (int c = 0; c < 4; ++c) grid->addWidget(new QLabel(Tx(heads[c]), page), 0, c + 1);
    for (int i = 0; i < kAreaCount - 1; ++i) {
      const int k = firstZone + i;  // zone number
      const QString label = ZoneLabel(k);
      AreaEvent& event = up ? zones_.AREA[k - 1].UPPER : zones_.AREA[k - 1].LOWER;
      EventRow& row = rows[i];
      row.eventLog = new QCheckBox(Tx(text::kEventLog), page);
      row.eventNo = NumberList(page, 1, 64);
      row.message = EditField(page, 200);
      row.mail = new QPushButton(Tx(text::kMailTemplateNo), page);
      row.mail->setAutoDefault(false);
      Name(row.eventLog, SubName(label, Tx(text::kEventLog)));
      Name(row.eventNo, SubName(label, Tx(text::kEventNo)));
      Name(row.message, SubName(label, Tx(text::kZoneMessage)));
      Name(row.mail, SubName(label, Tx(text::kMailTemplateNo)));
      fields_.Flag(row.eventLog, event.EVENT_LOG);
      fields_.Choice(row.eventNo, event.EVENT_NO, 1);
      fields_.Text(row.message, event.MESSAGE);
      std::uint32_t(*mail)[4] = &event.MAIL;
      connect(row.mail, &QPushButton::clicked, this,
              [this, mail] { ChooseTemplates(this, record_, *mail, Tx(text::kMailTemplateNo)); });
      grid->addWidget(new QLabel(label, page), i + 1, 0);
      grid->addWidget(row.eventLog, i + 1, 1);
      grid->addWidget(row.eventNo, i + 1, 2);
      grid->addWidget(row.message, i + 1, 3);
      grid->addWidget(row.mail, i + 1, 4);
    }
    return page;
  };
  pages->addTab(eventPage(upward, 2, true), Tx(text::kZoneUpward));
  pages->addTab(eventPage(downward, 1, false), Tx(text::kZoneDownward));

  const FootButtons foot = OkCancelButtons();
  okButton = foot.ok;
  cancelButton = foot.cancel;

  auto* top = new QFormLayout;
  AddRow(top, text::kPartitions, partitions);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(pages);
  layout->addWidget(foot.box);

  Start();
}

int CDlgSetIoArea::Count() const {
  const int i = partitions->currentIndex();
  return i > 0 ? i + 1 : 0;
}

void CDlgSetIoArea::UpdateEnables() {
  const int n = Count();
  for (int k = 1; k <= kAreaCount; ++k) {
    const bool used = k <= n;
    ZoneRow& row = zone[k - 1];
    row.name->setEnabled(used);
    row.colour->setEnabled(used);
    row.lower->setEnabled(used && k >= 2);
    row.upper->setEnabled(used && k < n);
    for (QPushButton* b : row.actions) b->setEnabled(used);
  }
  for (int i = 0; i < kAreaCount - 1; ++i) {
    const bool up = n >= i + 2, down = n > i + 1;
    for (const auto& [row, on] : {std::pair{&upward[i], up}, std::pair{&downward[i], down}})
      SetEnabled({row->eventLog, row->eventNo, row->message, row->mail}, on);
  }
}

bool CDlgSetIoArea::FailOn(Page page) {
  pages->setCurrentIndex(page);
  return false;
}

bool CDlgSetIoArea::BasicChecks(int n) {
  // Zone by zone from 2: its name, the upper limit below it, its lower limit.
  for (int k = 2; k <= n; ++k) {
    if (k == 2 && !checks_.Text(zone[0].name, kNameChars, text::kZoneNameErrors[0])) return false;
    if (!checks_.Text(zone[k - 1].name, kNameChars, text::kZoneNameErrors[k - 1]) ||
        !checks_.Real(zone[k - 2].upper, kUpperMessage[k - 2], -kLimit, kLimit) ||
        !checks_.Real(zone[k - 1].lower, kLowerMessage[k - 1], -kLimit, kLimit))
      return false;
  }
  return true;
}

bool ZonesInOrder(const FieldChecks& checks, const ZoneBlock& zones) {
  if (zones.USE_AREAS < 2) return true;
  const int message = ZoneOrderMessage(LimitsOf(zones.AREA), zones.USE_AREAS);
  return message == 0 || checks.Refuse(LoadText(message));
}

int CDlgSetIoArea::OrderMessage(int n) const {
  ZoneLimits limits{};
  for (int k = 0; k < kAreaCount; ++k) {
    limits.lower[k] = Value(zone[k].lower);
    limits.upper[k] = Value(zone[k].upper);
  }
  return ZoneOrderMessage(limits, n);
}

bool CDlgSetIoArea::EventChecks(const EventRow* rows, int first, int last, int firstZone) {
  for (int k = first; k <= last; ++k)
    if (!checks_.Text(rows[k - firstZone].message, kMessageChars, text::kZoneMessageErrors[k - 1])) return false;
  return true;
}

bool CDlgSetIoArea::Validate() {
  const int n = Count();
  if (!BasicChecks(n)) return FailOn(kBasic);
  if (const int message = OrderMessage(n)) {
    checks_.Refuse(LoadText(message));
    return FailOn(kBasic);
  }
  if (!EventChecks(upward, 2, n, 2)) return FailOn(kUpward);
  if (!EventChecks(downward, 1, n - 1, 1)) return FailOn(kDownward);
  return true;
}

void CDlgSetIoArea::Commit() {
  // Only the zones in use take the screen's values; the rest keep theirs.
  const ZoneBlock before = zones_;
  ItemEditor::Commit();
  const int n = Count();
  for (int k = 1; k <= kAreaCount; ++k) {
    AlarmArea& now = zones_.AREA[k - 1];
    const AlarmArea& was = before.AREA[k - 1];
    const bool used = k <= n;
    if (!used) {
      std::memcpy(now.AREA_NAME, was.AREA_NAME, sizeof now.AREA_NAME);
      now.AREA_COLOR = was.AREA_COLOR;
    }
    if (!used || k == 1) now.LEVEL_LOWER = was.LEVEL_LOWER;
    if (!used || k == n) now.LEVEL_UPPER = was.LEVEL_UPPER;
    if (!used || k == 1) KeepEvent(now.UPPER, was.UPPER);
    if (!used || k == n) KeepEvent(now.LOWER, was.LOWER);
  }
}

void CDlgSetIoArea::OpenActions(int zoneIndex, int button) {
  const ActionKind kind = kButtons[button].kind;
  ActionListDialog list(this, record_, kind, Bits(zones_.AREA[zoneIndex], kind), owner_);
  list.exec();
}

bool RunZoneEditor(QWidget* parent, const SettingData& record, ZoneBlock& zones, int titleId, int channelNo,
                   UiPort& ui, const ZoneOwner* owner) {
  CDlgSetIoArea editor(parent, record, zones, titleId, channelNo, ui, owner);
  return editor.exec() == QDialog::Accepted;
}

}  // namespace tk48
