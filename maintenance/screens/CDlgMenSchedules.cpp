// The schedule maintenance screens. The names of units, patterns and outputs
// come from the setting data downloaded first into the maintenance record.
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/keys.h"
#include "maintenance/screens/schedule_screens.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {
namespace {

QString Q(const std::string& text) { return QUtf8Text(text); }

// "Choose pattern": "None", then the 64 patterns; preset to `current` when it is one of them.
QComboBox* PatternList(QWidget* parent, const SettingData& record, int current) {
  auto* list = new QComboBox(parent);
  for (const auto& choice : PatternChoices(record)) list->addItem(Q(choice));
  list->setCurrentIndex(ValidPattern(current) ? current : 0);
  return list;
}

// The outputs of the pattern chosen in `pattern`, refreshed when it changes.
ListView* OutputsList(QWidget* parent, const SettingData& record, QComboBox* pattern) {
  auto rows = std::make_shared<std::vector<OutputRow>>(PatternOutputRows(record, pattern->currentIndex()));
  ListSetup setup;
  setup.rows = 8;
  setup.columns = {
      {text::kColumnNo, 40, [rows](int r) { return QString::number((*rows)[r].no); }},
      {text::kColumnChName, 120, [rows](int r) { return Q((*rows)[r].name); }},
      {text::kColumnChComment, 120, [rows](int r) { return Q((*rows)[r].comment); }},
      {text::kSchColumnStart, 60, [rows](int r) { return Q((*rows)[r].start); }},
      {text::kSchColumnEnd, 60, [rows](int r) { return Q((*rows)[r].end); }},
  };
  auto* view = new ListView(parent, setup);
  view->setAccessibleName(Tx(text::kSchOutputs));
  QObject::connect(pattern, &QComboBox::currentIndexChanged, view, [view, rows, &record, pattern] {
    *rows = PatternOutputRows(record, pattern->currentIndex());
    view->RefreshAll();
  });
  return view;
}

// OK and Cancel under a "Change setting" screen; Enter is OK.
void OkCancel(QDialog* dialog, QVBoxLayout* layout, std::function<void()> ok) {
  const FootButtons foot = MakeFootButtons(dialog, text::kOk, text::kCancel);
  QObject::connect(foot.ok, &QPushButton::clicked, dialog, [ok] { ok(); });
  QObject::connect(foot.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  layout->addWidget(foot.box);
  BindEnter(dialog, ok);
}

// Reads files of the schedule on one connection; nullopt after the message.
std::optional<std::vector<std::vector<std::uint8_t>>> ReadFiles(MaintEnv& env, std::initializer_list<File> files) {
  DeviceContext ctx = env.device();
  DeviceSession session(ctx);
  if (!session.Connect()) return std::nullopt;
  std::vector<std::vector<std::uint8_t>> read;
  for (const File f : files) {
    auto bytes = session.Get(FileOf(f).name, Capacity(f, ctx.settings.usb));
    if (!bytes) return std::nullopt;
    read.push_back(std::move(*bytes));
  }
  return read;
}

ListColumn DayColumn(int headerId, int width, std::function<std::string(const DayRow&)> field,
                     std::function<std::vector<DayRow>()> rows) {
  return {headerId, width, [field, rows](int r) { return Q(field(rows()[static_cast<std::size_t>(r)])); }};
}

std::vector<ListColumn> DayColumns(std::function<std::vector<DayRow>()> rows, bool numbered) {
  std::vector<ListColumn> columns;
  if (numbered) columns.push_back({text::kColumnNo, 40, [](int r) { return QString::number(r + 1); }});
  columns.push_back(DayColumn(text::kSchColumnDate, 140, [](const DayRow& d) { return d.date; }, rows));
  columns.push_back(DayColumn(text::kSchColumnPattern, 80, [](const DayRow& d) { return d.pattern; }, rows));
  columns.push_back(DayColumn(text::kSchColumnPatternName, 160, [](const DayRow& d) { return d.name; }, rows));
  return columns;
}

void OneTimeList(QWidget* parent, MaintEnv& env, int unit) {
  const auto files = ReadFiles(env, {File::PatternGet, File::SchperGet});
  if (!files) return;
  auto oneTime = UnpackOneTime((*files)[0], env.ui);
  const auto permanent = oneTime ? UnpackPermanent((*files)[1], env.ui) : std::nullopt;
  if (!permanent) return;
  OneTimeUnit& days = oneTime->units[unit - 1];
  const PermanentUnit& entries = permanent->units[unit - 1];
  ListScreenSetup setup;
  setup.title = Tx(text::kMenOneTime);
  setup.list.rows = kOneTimeDays;
  setup.list.columns = DayColumns([&] { return OneTimeRows(env.record, days); }, false);
  setup.list.edit = [&](QWidget* p, int row) {
    if (!CheckOneTimeChange(days[row], entries, env.ui)) return;
    CDlgMenPatternConf(p, env, unit, days[row]).exec();
  };
  CDlgMenPatternList(parent, std::move(setup)).exec();
}

void PermanentList(QWidget* parent, MaintEnv& env, int unit) {
  const auto files = ReadFiles(env, {File::SchperGet});
  if (!files) return;
  auto permanent = UnpackPermanent((*files)[0], env.ui);
  if (!permanent) return;
  PermanentUnit& entries = permanent->units[unit - 1];
  ListScreenSetup setup;
  setup.title = Tx(text::kSchPermanentSetting);
  setup.list.rows = kPermanentEntries;
  setup.list.columns = DayColumns([&] { return PermanentRows(env.record, entries); }, true);
  setup.list.edit = [&](QWidget* p, int row) { CDlgMenSchPerConf(p, env, unit, row + 1, entries).exec(); };
  CDlgMenSchPerList(parent, std::move(setup)).exec();
}

void UnitList(QWidget* parent, MaintEnv& env, void (*open)(QWidget*, MaintEnv&, int)) {
  if (!DownloadRecord(env)) return;
  const auto units = UnitRows(env.record);
  ListScreenSetup setup;
  setup.title = Tx(text::kSchUnitList);
  setup.list.rows = static_cast<int>(units.size());
  setup.list.columns = {
      {text::kSchColumnSu, 60, [&units](int r) { return Q(units[r].label); }},
      {text::kSchColumnUnitName, 200, [&units](int r) { return Q(units[r].name); }},
  };
  setup.list.edit = [&env, &units, open](QWidget* p, int row) { open(p, env, units[row].unit); };
  CDlgMenSchUnitList(parent, std::move(setup)).exec();
}

}  // namespace

CDlgMenPatternConf::CDlgMenPatternConf(QWidget* parent, MaintEnv& env, int unit, ScheduleDay& day)
    : QDialog(parent), env_(env), unit_(unit), day_(day) {
  setWindowTitle(Tx(text::kSchChangeSetting));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  pattern = PatternList(this, env.record, day.pattern);
  auto* date = EditField(this, 140);
  date->setReadOnly(true);
  date->setText(Q(OneTimeDateText(day)));
  AddRow(form, text::kSchChoosePattern, pattern);
  AddRow(form, text::kSchColumnDate, date);
  layout->addLayout(form);
  outputs_ = OutputsList(this, env.record, pattern);
  layout->addWidget(outputs_);
  OkCancel(this, layout, [this] { Ok(); });
}

void CDlgMenPatternConf::Ok() {
  if (!Confirm(env_.ui, text::kConfirmSetPattern)) return;
  const int chosen = pattern->currentIndex();
  if (!PutFile(env_, File::Pattern, Payload(PatternPut{{day_.year, day_.month, day_.day}, unit_, chosen}))) return;
  day_.pattern = static_cast<std::uint16_t>(chosen);
  accept();
}

CDlgMenSchPerConf::CDlgMenSchPerConf(QWidget* parent, MaintEnv& env, int unit, int entry, PermanentUnit& entries)
    : QDialog(parent), env_(env), unit_(unit), entry_(entry), entries_(entries) {
  setWindowTitle(Tx(text::kSchChangeSetting));
  const ScheduleDay& current = entries[entry - 1];
  DateTime shown = LocalNow();
  if (current.pattern != 0 && IsDeviceDate(current.year, current.month, current.day))
    shown = {current.year, current.month, current.day};
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  year = NumberList(this, kFirstYear, kLastYear);
  month = NumberList(this, 1, 12);
  day = NumberList(this, 1, 31);
  year->setCurrentIndex(std::clamp(shown.year, kFirstYear, kLastYear) - kFirstYear);
  month->setCurrentIndex(shown.month - 1);
  day->setCurrentIndex(shown.day - 1);
  pattern = PatternList(this, env.record, current.pattern);
  AddRow(form, text::kMenYear, year);
  AddRow(form, text::kMenMonth, month);
  AddRow(form, text::kMenDay, day);
  AddRow(form, text::kSchChoosePattern, pattern);
  layout->addLayout(form);
  outputs_ = OutputsList(this, env.record, pattern);
  layout->addWidget(outputs_);
  OkCancel(this, layout, [this] { Ok(); });
}

void CDlgMenSchPerConf::Ok() {
  const DateTime date{year->currentIndex() + kFirstYear, month->currentIndex() + 1, day->currentIndex() + 1};
  if (!CheckPermanentChange(entries_, entry_, date, env_.ui) || !Confirm(env_.ui, text::kConfirmSetPattern)) return;
  const PermanentPut put{date, unit_, entry_, pattern->currentIndex()};
  if (!PutFile(env_, File::Schper, Payload(put))) return;
  DeviceSchedule local;  // the device's own rule for the entry's fields
  local.permanent.units[unit_ - 1] = entries_;
  local.Apply(put);
  entries_ = local.permanent.units[unit_ - 1];
  accept();
}

CDlgMenSchMainte::CDlgMenSchMainte(QWidget* parent, MaintEnv& env, const SettingData& record, OutputTypesFile& types)
    : QDialog(parent) {
  setWindowTitle(Tx(text::kMenOutputTypes));
  mdRows_ = OutputTypeRows(record, types, kFamilyMd);
  doRows_ = OutputTypeRows(record, types, kFamilyDo);
  const auto setup = [&](std::vector<OutputTypeRow>& rows, std::uint16_t family) {
    ListSetup s;
    s.rows = static_cast<int>(rows.size());
    s.columns = {
        {text::kColumnChName, 140, [&rows](int r) { return Q(rows[r].name); }},
        {text::kColumnChComment, 140, [&rows](int r) { return Q(rows[r].comment); }},
        {text::kSchColumnType, 60, [&rows](int r) { return Q(rows[r].type); }},
    };
    s.edit = [&env, &rows, &types, family](QWidget* p, int r) {
      if (CDlgMenSchMainteConf(p, env, family, rows[r].channel, types).exec() == QDialog::Accepted)
        rows[r].type = OutputTypeText(*types.Type(family, rows[r].channel));
    };
    return s;
  };
  tabs = new QTabWidget(this);
  md = new CDlgMenSchMainteMd(tabs, setup(mdRows_, kFamilyMd));
  dout = new CDlgMenSchMainteDo(tabs, setup(doRows_, kFamilyDo));
  md->setAccessibleName(Tx(text::kSchTabMd));
  dout->setAccessibleName(Tx(text::kSchTabDo));
  tabs->addTab(md, Tx(text::kSchTabMd));
  tabs->addTab(dout, Tx(text::kSchTabDo));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  auto* back = new QPushButton(Tx(text::kBack), this);
  back->setAutoDefault(false);
  connect(back, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(back, 0, Qt::AlignRight);
  BindEnter(this, [this] { reject(); });
}

CDlgMenSchMainteConf::CDlgMenSchMainteConf(QWidget* parent, MaintEnv& env, std::uint16_t family, int channel,
                                           OutputTypesFile& types)
    : QDialog(parent), env_(env), family_(family), channel_(channel), types_(types) {
  setWindowTitle(Tx(text::kSchChangeOutputType));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  type = ChoiceList(this, {text::kOutputTypeSch, text::kOutputTypeOn, text::kOutputTypeOff});
  const auto current = types.Type(family, channel);
  type->setCurrentIndex(current && *current <= kOutputOff ? *current : 0);
  AddRow(form, text::kSchChooseOutputType, type);
  layout->addLayout(form);
  OkCancel(this, layout, [this] { Ok(); });
}

void CDlgMenSchMainteConf::Ok() {
  if (!Confirm(env_.ui, text::kConfirmSetOutputType)) return;
  const OutputTypePut put{family_, channel_, static_cast<std::uint8_t>(type->currentIndex())};
  if (!PutFile(env_, File::Schmnt, Payload(put))) return;
  types_.SetType(family_, channel_, put.type);
  accept();
}

void RunOneTimeAssignment(QWidget* parent, MaintEnv& env) { UnitList(parent, env, OneTimeList); }
void RunPermanentAssignment(QWidget* parent, MaintEnv& env) { UnitList(parent, env, PermanentList); }

void RunOutputTypes(QWidget* parent, MaintEnv& env) {
  if (!DownloadRecord(env)) return;
  const auto files = ReadFiles(env, {File::SchmntGet});
  auto types = files ? UnpackOutputTypes((*files)[0], env.ui) : std::nullopt;
  if (types) CDlgMenSchMainte(parent, env, env.record, *types).exec();
}

}  // namespace tk48::maint
