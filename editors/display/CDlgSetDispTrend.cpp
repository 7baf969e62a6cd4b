#include "editors/display/CDlgSetDispTrend.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kSpeeds = 11;
constexpr int kOneDay = 10;
constexpr double kLimit = 10000000000.0;

// The "I/O type" list in keyword order, and the unit each family shows for a
// pen (nullptr: none).
struct PenKind {
  int textId;
  RefKind ref;
  QString (*unit)(const SettingData& record, int index);
  bool limits;  // the scale is in use
};

const std::array<PenKind, 9>& PenKinds() {
  static const std::array<PenKind, 9> kinds = {{
      {text::kNoneKind, {0, nullptr}, nullptr, false},
      {text::kAi,
       {1, &FamilyOf(FamilyId::Ai)},
       [](const SettingData& r, int i) { return FromRecord(r.IO.AI[i].UNIT); },
       true},
      {text::kDi, {2, &FamilyOf(FamilyId::Di)}, nullptr, false},
      {text::kPi,
       {3, &FamilyOf(FamilyId::Pi)},
       [](const SettingData& r, int i) { return FromRecord(r.IO.PI[i].UNIT); },
       true},
      {text::kPageMa,
       {4, &FamilyOf(FamilyId::Ma)},
       [](const SettingData& r, int i) { return FromRecord(r.IO.MA[i].UNIT); },
       true},
      {text::kPageMd, {5, &FamilyOf(FamilyId::Md)}, nullptr, false},
      {text::kPageAo,
       {6, &FamilyOf(FamilyId::Ao)},
       [](const SettingData& r, int i) { return FromRecord(r.IO.AO[i].UNIT); },
       true},
      {text::kPageDo, {7, &FamilyOf(FamilyId::Do)}, nullptr, false},
      {text::kPageGdo, {8, &FamilyOf(FamilyId::Gdo)}, nullptr, false},
  }};
  return kinds;
}

const std::array<RefKind, 9>& PenRefs() {
  static const std::array<RefKind, 9> refs = [] {
    std::array<RefKind, 9> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = PenKinds()[i].ref;
    return r;
  }();
  return refs;
}

const PenKind* KindAt(const QComboBox* type) {
  const int index = type->currentIndex();
  return index >= 0 ? &PenKinds()[static_cast<std::size_t>(index)] : nullptr;
}

}  // namespace

CDlgSetDispTrendPage::CDlgSetDispTrendPage(QWidget* parent, const SettingData& record, TrendPage& page, int index,
                                           UiPort& ui)
    : ItemEditor(parent, ui), record_(record) {
  setWindowTitle(QUtf8Text(FormatText(text::kPageN, index + 1)));
  name = EditField(this, 240);
  speed = new QComboBox(this);
  for (int i = 0; i < kSpeeds; ++i) speed->addItem(Tx(text::kTrendSpeeds[i]));
  hour = new QComboBox(this);
  for (int h = 0; h < 24; ++h) hour->addItem(QString::number(h));
  fields_.Text(name, page.NAME);
  fields_.Choice(speed, page.TREND_SPEED);
  fields_.Choice(hour, page.TREND_TIME);
  Unguarded(speed);

  auto* top = new QFormLayout;
  AddRow(top, text::kPageName, name);
  AddRow(top, text::kTrendSpeed, speed);
  AddRow(top, text::kHour, hour);
  auto* penRow = new QGridLayout;
  for (int p = 0; p < 4; ++p) {
    Pen& pen = pens[static_cast<std::size_t>(p)];
    pen.type = new QComboBox(this);
    for (const PenKind& kind : PenKinds()) pen.type->addItem(Tx(kind.textId));
    pen.channel = new QComboBox(this);
    pen.thick = new QCheckBox(this);
    pen.colour = new ColourSwatch(this, ui);
    pen.lower = EditField(this, 120);
    pen.upper = EditField(this, 120);
    pen.unit = EditField(this, 120);
    pen.unit->setReadOnly(true);

    // A type change is checked by this pen's own limits only.
    GuardWith(pen.type, [this, p](int, int) { return LimitsPass(p); });
    ChannelChoice(pen.type, pen.channel, page.PEN[p].kind, page.PEN[p].no, PenRefs(), record, std::int16_t{0});
    OnChoice(pen.type, [this, p] {
      ShowUnit(p);
      pens[static_cast<std::size_t>(p)].type->setFocus();
    });
    connect(pen.channel, &QComboBox::currentIndexChanged, this, [this, p] { ShowUnit(p); });
    fields_.Flag(pen.thick, page.THICK[p]);
    fields_.Colour(pen.colour, page.COLOR[p]);
    fields_.Real(pen.lower, page.RANGE_L[p]);
    fields_.Real(pen.upper, page.RANGE_H[p]);

    const QString group = QUtf8Text(FormatText(text::kPenSettingN, p + 1));
    auto* box = new QGroupBox(group, this);
    auto* form = new QFormLayout(box);
    const std::pair<int, QWidget*> rows[] = {
        {text::kIoType, pen.type},          {text::kColumnCh, pen.channel},        {text::kThickLine, pen.thick},
        {text::kPenColor, pen.colour},      {text::kPenLowerLimit, pen.lower},     {text::kPenUpperLimit, pen.upper},
        {text::kEngineeringUnit, pen.unit},
    };
    for (const auto& [textId, field] : rows) {
      form->addRow(FieldLabel(box, textId, field), field);
      Name(field, SubName(group, Tx(textId)));
    }
    penRow->addWidget(box, p / 2, p % 2);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(penRow);
  layout->addWidget(OkCancelButtons().box);
  Start();
  for (int p = 0; p < 4; ++p) ShowUnit(p);
}

void CDlgSetDispTrendPage::ShowUnit(int p) {
  Pen& pen = pens[static_cast<std::size_t>(p)];
  const PenKind* kind = KindAt(pen.type);
  const int channel = pen.channel->currentIndex();
  QString unit;
  if (kind && kind->unit && channel >= 0 && kind->ref.family->inUse(record_, channel))
    unit = kind->unit(record_, channel);
  pen.unit->setText(unit);
}

void CDlgSetDispTrendPage::UpdateEnables() {
  hour->setEnabled(speed->currentIndex() == kOneDay);
  for (Pen& pen : pens) {
    const PenKind* kind = KindAt(pen.type);
    const bool used = kind && kind->ref.family;
    pen.channel->setEnabled(used);
    pen.colour->setEnabled(used);
    pen.thick->setEnabled(used);
    pen.lower->setEnabled(used && kind->limits);
    pen.upper->setEnabled(used && kind->limits);
  }
}

bool CDlgSetDispTrendPage::LimitsPass(int p) const {
  const Pen& pen = pens[static_cast<std::size_t>(p)];
  return checks_.Real(pen.upper, text::kPenLimitErrors[2 * p], -kLimit, kLimit, 3, Scope::Always) &&
         checks_.Real(pen.lower, text::kPenLimitErrors[2 * p + 1], -kLimit, kLimit, 3, Scope::Always);
}

bool CDlgSetDispTrendPage::Validate() {
  if (!checks_.Text(name, 64, text::kPageNameError)) return false;
  for (int p = 0; p < 4; ++p)
    if (!LimitsPass(p)) return false;
  return true;
}

ListScreenSetup TrendPageListSetup(SettingData& record, UiPort& ui) {
  SettingData* r = &record;
  ListScreenSetup setup;
  setup.title = Tx(text::kTrendPageListTitle);
  setup.list.rows = static_cast<int>(std::size(record.DISP.TREND.TREND_PAGE));
  setup.list.columns = {
      {text::kColumnPage, 60, [](int row) { return QUtf8Text(FormatText(text::kPageN, row + 1)); }},
      {text::kPageName, 300, [r](int row) { return FromRecord(r->DISP.TREND.TREND_PAGE[row].NAME); }},
  };
  setup.list.edit = [r, &ui](QWidget* parent, int row) {
    CDlgSetDispTrendPage screen(parent, *r, r->DISP.TREND.TREND_PAGE[row], row, ui);
    screen.exec();
  };
  setup.list.paste = [r](int from, int to) { r->DISP.TREND.TREND_PAGE[to] = r->DISP.TREND.TREND_PAGE[from]; };
  return setup;
}

}  // namespace tk48
