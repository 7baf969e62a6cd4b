#include "editors/record/record_pens.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "checks/c_number.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kFixedValueMode = 1, kFixedCharsMode = 2;  // ERR_MODE: PRE, FIXV, FIXC
constexpr int kFixedChars = 8;
constexpr double kLimit = 10000000000.0;

const ChannelFamily* Family(FamilyId id) { return &FamilyOf(id); }

PenTypes MakeTypes(std::initializer_list<std::tuple<int, PenGroup, const ChannelFamily*>> rows) {
  PenTypes types;
  std::int32_t value = 0;
  for (const auto& [textId, group, family] : rows) {
    types.textIds.push_back(textId);
    types.groups.push_back(group);
    types.kinds.push_back({value++, family});
  }
  return types;
}

bool IsAnalog(PenGroup group) { return group == PenGroup::Analog || group == PenGroup::BandGated; }
bool IsDiscrete(PenGroup group) { return group == PenGroup::Discrete || group == PenGroup::Bare; }

int TypeIndex(const PenTypes& types, std::int32_t value) {
  for (std::size_t i = 0; i < types.kinds.size(); ++i)
    if (types.kinds[i].kind == value) return static_cast<int>(i);
  return -1;
}

QComboBox* SamplingList(QWidget* parent) { return ChoiceList(parent, text::kSamplingMethods); }

}  // namespace

const PenTypes& LoggingPenTypes() {
  static const PenTypes types = MakeTypes({
      {text::kOutputNone, PenGroup::None, nullptr},
      {text::kAi, PenGroup::Analog, Family(FamilyId::Ai)},
      {text::kDi, PenGroup::Discrete, Family(FamilyId::Di)},
      {text::kPi, PenGroup::Analog, Family(FamilyId::Pi)},
      {text::kMa, PenGroup::BandGated, Family(FamilyId::Ma)},
      {text::kMd, PenGroup::Bare, Family(FamilyId::Md)},
      {text::kAo, PenGroup::BandGated, Family(FamilyId::Ao)},
      {text::kDo, PenGroup::Bare, Family(FamilyId::Do)},
      {text::kGdo, PenGroup::Bare, Family(FamilyId::Gdo)},
  });
  return types;
}

const PenTypes& ReportPenTypes() {
  static const PenTypes types = MakeTypes({
      {text::kOutputNone, PenGroup::None, nullptr},
      {text::kAi, PenGroup::Analog, Family(FamilyId::Ai)},
      {text::kPi, PenGroup::Analog, Family(FamilyId::Pi)},
      {text::kMa, PenGroup::BandGated, Family(FamilyId::Ma)},
  });
  return types;
}

PenFields FieldsOf(LoggingPen& p) {
  return {p.PEN_TYPE, p.CH, p.SAMPLING, nullptr, p.BAND, p.ERR_MODE, p.ERR_VALUE, p.ERR_CHAR};
}

PenFields FieldsOf(ReportPen& p) {
  return {p.PEN_TYPE, p.CH, p.SAMPLING, &p.BASE, p.BAND, p.ERR_MODE, p.ERR_VALUE, p.ERR_CHAR};
}

PenScreen::PenScreen(QWidget* parent, const SettingData& record, PenFields pen, int index, const PenTypes& types,
                     UiPort& ui)
    : ItemEditor(parent, ui), pen_(pen), types_(types) {
  setWindowTitle(QUtf8Text(FormatText(text::kPenLabel, index + 1)));
  type = new QComboBox(this);
  for (const int id : types.textIds) type->addItem(Tx(id));
  channel = new QComboBox(this);
  sampling = SamplingList(this);
  if (pen.BASE) base = ChoiceList(this, {text::kSum, text::kAverage, text::kMaximum, text::kMinimum});
  bandMode = ChoiceList(this, {text::kDisable, text::kEnable});
  upper = EditField(this, 140);
  lower = EditField(this, 140);
  errorMode = ChoiceList(this, {text::kPreviousValue, text::kFixedValue, text::kFixedCharacters});
  fixedValue = EditField(this, 140);
  onOff = ChoiceList(this, {text::kActionOff, text::kActionOn});
  fixedChars = EditField(this, 140);

  // Sampling, the fixed value and the OFF/ON list depend on the type: Load and Commit.
  Guard(type);
  ChannelChoice(type, channel, pen.PEN_TYPE, pen.CH, types.kinds, record, std::int16_t{0});
  OnChoice(type, [this] {
    if (IsDiscrete(Group())) sampling->setCurrentIndex(0);
    if (Group() == PenGroup::Discrete && onOff->currentIndex() < 0) onOff->setCurrentIndex(0);
  });
  if (base) fields_.Choice(base, *pen.BASE);
  fields_.Choice(bandMode, pen.BAND.MODE);
  fields_.Real(upper, pen.BAND.UPPER);
  fields_.Real(lower, pen.BAND.LOWER);
  fields_.Choice(errorMode, pen.ERR_MODE);
  fields_.Text(fixedChars, pen.ERR_CHAR);
  GuardMode(bandMode, kEnabledEntry);
  Guard(errorMode);

  auto* top = new QFormLayout;
  AddRow(top, text::kType, type);
  AddRow(top, text::kColumnCh, channel);
  AddRow(top, text::kSamplingMethod, sampling);
  if (base) AddRow(top, text::kBasicData, base);
  auto* band = new QGroupBox(Tx(text::kDataRange), this);
  auto* bandForm = new QFormLayout(band);
  bandForm->addRow(FieldLabel(band, text::kMode, bandMode), bandMode);
  bandForm->addRow(FieldLabel(band, text::kUpperLimit, upper), upper);
  bandForm->addRow(FieldLabel(band, text::kLowerLimit, lower), lower);
  Name(bandMode, SubName(text::kDataRange, text::kMode));
  auto* error = new QGroupBox(Tx(text::kErrorMode), this);
  auto* errorForm = new QFormLayout(error);
  errorForm->addRow(FieldLabel(error, text::kMode, errorMode), errorMode);
  errorForm->addRow(FieldLabel(error, text::kFixedValue, fixedValue), fixedValue);
  errorForm->addRow(FieldLabel(error, text::kFixedValue, onOff), onOff);
  errorForm->addRow(FieldLabel(error, text::kFixedCharacters, fixedChars), fixedChars);
  Name(errorMode, SubName(text::kErrorMode, text::kMode));

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(band);
  layout->addWidget(error);
  layout->addWidget(OkCancelButtons().box);
}

PenGroup PenScreen::Group() const {
  const int index = type->currentIndex();
  return index >= 0 ? types_.groups[static_cast<std::size_t>(index)] : PenGroup::None;
}

bool PenScreen::Analog() const { return IsAnalog(Group()); }

// The sampling list, the fixed value and the OFF/ON list open by the pen's
// type: an analog pen shows what it stores, any other Momentary, "0.000" and,
// for a discrete pen, its stored 0 or 1 (another value shows no entry).
void PenScreen::Load() {
  ItemEditor::Load();
  const PenGroup group = Group();
  const bool analog = IsAnalog(group);
  sampling->setCurrentIndex(analog && pen_.SAMPLING >= 0 && pen_.SAMPLING < sampling->count() ? pen_.SAMPLING
                                                                                              : (analog ? -1 : 0));
  fixedValue->setText(QString::fromStdString(FormatReal(analog ? pen_.ERR_VALUE : 0.0, 3)));
  const bool onOffValue = IsDiscrete(group) && (pen_.ERR_VALUE == 0.0 || pen_.ERR_VALUE == 1.0);
  onOff->setCurrentIndex(onOffValue ? static_cast<int>(pen_.ERR_VALUE) : -1);
  loadedType_ = type->currentIndex();
  loadedSampling_ = sampling->currentIndex();
  loadedFixed_ = fixedValue->text();
  loadedOnOff_ = onOff->currentIndex();
}

void PenScreen::UpdateEnables() {
  const PenGroup group = Group();
  const bool bandOn = bandMode->currentIndex() == kEnabledEntry;
  const int mode = errorMode->currentIndex();
  channel->setEnabled(group != PenGroup::None);
  const bool sampled = IsAnalog(group);
  const bool errorInUse = group == PenGroup::Analog || group == PenGroup::Discrete ||
                          (group == PenGroup::BandGated && bandOn);
  sampling->setEnabled(sampled);
  if (base) base->setEnabled(sampled);
  bandMode->setEnabled(sampled);
  upper->setEnabled(sampled && bandOn);
  lower->setEnabled(sampled && bandOn);
  errorMode->setEnabled(errorInUse);
  fixedValue->setEnabled(errorInUse && sampled && mode == kFixedValueMode);
  onOff->setEnabled(errorInUse && group == PenGroup::Discrete && mode == kFixedValueMode);
  fixedChars->setEnabled(errorInUse && mode == kFixedCharsMode);
}

// Lower below upper. On OK it holds for every analog pen, whatever the data
// range mode; a guarded change asks it only while the limits are in use, so a
// file's limits never keep the user from turning the data range on.
bool PenScreen::LimitsInOrder() const {
  if (!Analog() || (Guarding() && !upper->isEnabled())) return true;
  const double up = ParseDouble(Units(upper->text())).value;
  const double low = ParseDouble(Units(lower->text())).value;
  if (low < up) return true;
  return checks_.Refuse(LoadText(text::kLimitOrderError));
}

bool PenScreen::Validate() {
  if (Group() == PenGroup::None) return true;
  // A discrete pen never uses its limits; an analog pen's are checked whatever the data range mode.
  const Scope limits = Analog() ? Scope::Always : Scope::InUse;
  return checks_.Real(upper, text::kUpperLimitError, -kLimit, kLimit, 3, limits) &&
         checks_.Real(lower, text::kLowerLimitError, -kLimit, kLimit, 3, limits) && LimitsInOrder() &&
         checks_.Real(fixedValue, text::kFixedValueError, -kLimit, kLimit) &&
         checks_.Text(fixedChars, kFixedChars, text::kFixedCharactersError);
}

// The type-dependent fields are written when the user changed them or the
// type; otherwise the record keeps what it holds.
void PenScreen::Commit() {
  ItemEditor::Commit();
  const PenGroup group = Group();
  const bool typeChanged = type->currentIndex() != loadedType_;
  const int pick = sampling->currentIndex();
  if (pick >= 0 && (pick != loadedSampling_ || typeChanged)) pen_.SAMPLING = pick;
  if (IsAnalog(group) && (fixedValue->text() != loadedFixed_ || typeChanged) && !checks_.IsHeld(fixedValue)) {
    const QString text = fixedValue->text();
    const auto parsed = ParseDouble(Units(text));
    if (parsed.Whole(Units(text).size())) pen_.ERR_VALUE = parsed.value;
  }
  const int state = onOff->currentIndex();
  if (group == PenGroup::Discrete && state >= 0 && (state != loadedOnOff_ || typeChanged)) pen_.ERR_VALUE = state;
}

CDlgSetRecordLoggingPenConf::CDlgSetRecordLoggingPenConf(QWidget* parent, const SettingData& record, LoggingPen& pen,
                                                         int index, UiPort& ui)
    : PenScreen(parent, record, FieldsOf(pen), index, LoggingPenTypes(), ui) {
  Start();
}

CDlgSetRecordReportPenConf::CDlgSetRecordReportPenConf(QWidget* parent, const SettingData& record, ReportPen& pen,
                                                       int index, UiPort& ui)
    : PenScreen(parent, record, FieldsOf(pen), index, ReportPenTypes(), ui) {
  Start();
}

namespace {

// "%03d %s" with the channel's name, "%03d" alone for a channel not in use.
template <class Pen>
QString PenChannelText(const SettingData& record, const PenTypes& types, const Pen& pen) {
  const int index = TypeIndex(types, pen.PEN_TYPE);
  const ChannelFamily* family = index >= 0 ? types.kinds[static_cast<std::size_t>(index)].family : nullptr;
  if (!family || pen.CH < 1 || pen.CH > family->count) return {};
  const QString number = QStringLiteral("%1").arg(pen.CH, 3, 10, QChar(u'0'));
  if (!family->inUse(record, pen.CH - 1)) return number;
  return number + u' ' + family->texts(record, pen.CH - 1).name;
}

template <class Screen, class Pen>
ListScreenSetup PenListSetup(const SettingData& record, std::span<Pen, 128> pens, const PenTypes& types, UiPort& ui) {
  Pen* p = pens.data();
  const SettingData* r = &record;
  const PenTypes* t = &types;
  ListScreenSetup setup;
  setup.title = Tx(text::kPenInformation);
  setup.list.rows = static_cast<int>(pens.size());
  setup.list.columns = {
      {text::kPen, 70, [](int row) { return QUtf8Text(FormatText(text::kPenLabel, row + 1)); }},
      {text::kColumnSampling, 130,
       [p](int row) {
         const Pen& pen = p[row];
         if (pen.PEN_TYPE == 0 || pen.SAMPLING < 0 || pen.SAMPLING > 3) return QString();
         return Tx(text::kSamplingMethods[pen.SAMPLING]);
       }},
      {text::kType, 60,
       [p, t](int row) {
         const int index = TypeIndex(*t, p[row].PEN_TYPE);
         return index >= 0 ? Tx(t->textIds[static_cast<std::size_t>(index)]) : QString();
       }},
      {text::kName, 200, [p, r, t](int row) { return PenChannelText(*r, *t, p[row]); }},
  };
  setup.list.edit = [p, r, &ui](QWidget* parent, int row) {
    Pen copy = p[row];
    Screen screen(parent, *r, copy, row, ui);
    if (screen.exec() == QDialog::Accepted) p[row] = copy;
  };
  setup.list.paste = [p](int from, int to) { p[to] = p[from]; };
  setup.ok = [](const std::vector<char>&) {};  // the working copy is the result
  return setup;
}

}  // namespace

ListScreenSetup LoggingPenListSetup(const SettingData& record, std::span<LoggingPen, 128> pens, UiPort& ui) {
  return PenListSetup<CDlgSetRecordLoggingPenConf>(record, pens, LoggingPenTypes(), ui);
}

ListScreenSetup ReportPenListSetup(const SettingData& record, std::span<ReportPen, 128> pens, UiPort& ui) {
  return PenListSetup<CDlgSetRecordReportPenConf>(record, pens, ReportPenTypes(), ui);
}

}  // namespace tk48
