#include "editors/io/CDlgSetIoAo.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QVBoxLayout>

#include "checks/checks.h"
#include "checks/output_checks.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr double kLimit = 10000000000.0;
constexpr std::uint8_t kHoldingType = 4;  // MOD_TYPE of an AO: holding register (4X)

const ChannelFamily* AnalogFamily(int type) {
  return type == 0 ? &FamilyOf(FamilyId::Ai) : type == 1 ? &FamilyOf(FamilyId::Ma) : nullptr;
}
const ChannelFamily* BitFamily(int type) {
  return type == CDlgSetIoAoMap::kBitDi   ? &FamilyOf(FamilyId::Di)
         : type == CDlgSetIoAoMap::kBitMd ? &FamilyOf(FamilyId::Md)
                                          : nullptr;
}

// A type list that shows nothing shows entry 0 and its first channel, as a cleared block holds.
void ShowCleared(QComboBox* type, QComboBox* channel, const SettingData& record,
                 const ChannelFamily* (*familyOf)(int)) {
  if (type->currentIndex() >= 0) return;
  type->setCurrentIndex(0);
  FillChannels(channel, record, familyOf(0));
  channel->setCurrentIndex(channel->count() > 0 ? 0 : -1);
}

// Shows `kind` and channel `no` of a reference in a type list and its channel list.
void ShowRef(QComboBox* type, QComboBox* channel, const SettingData& record, int kind, int no, int kinds,
             const ChannelFamily* (*familyOf)(int)) {
  const int index = kind >= 0 && kind < kinds ? kind : -1;
  type->setCurrentIndex(index);
  FillChannels(channel, record, index >= 0 ? familyOf(index) : nullptr);
  channel->setCurrentIndex(no >= 1 && no <= channel->count() ? no - 1 : -1);
}

}  // namespace

// ---- The channel screen ---------------------------------------------------------------

CDlgSetIoAoCh::CDlgSetIoAoCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : ItemEditor(parent, ui),
      point(this, SlmpWordDevices(), text::kHoldingRegister),
      record_(record),
      ch_(record.IO.AO[index]),
      index_(index),
      mapping_(record.IO.AO[index].IO_MAPPING) {
  setWindowTitle(QUtf8Text(FormatText(text::kAoTitle, index + 1)));
  name = EditField(this, 200);
  comment = EditField(this, 200);
  web = ChoiceList(this, {text::kIoDisable, text::kIoEnable});
  lower = EditField(this, 120);
  upper = EditField(this, 120);
  scale = EditField(this, 120);
  places = NumberList(this, 0, 3);
  unit = EditField(this, 100);
  init = EditField(this, 80);
  mappingButton = new QPushButton(Tx(text::kIoMapping), this);
  mappingButton->setAutoDefault(false);

  point.Bind(fields_, ch_);
  fields_.Text(name, ch_.NAME);
  fields_.Text(comment, ch_.COMMENT);
  fields_.Choice(web, ch_.WEB);
  fields_.Real(lower, ch_.WEB_LOWER);
  fields_.Real(upper, ch_.WEB_UPPER);
  fields_.Real(scale, ch_.WEB_SCALE, 4);
  fields_.Choice(places, ch_.WEB_POINT);
  fields_.Text(unit, ch_.UNIT);
  fields_.Int(init, ch_.INIT);

  Guard(point.kind);
  Guard(web);
  Guard(point.slmp.device);
  OnChoice(point.slmp.device, [this] { point.slmp.Carry(); });
  connect(mappingButton, &QPushButton::clicked, this, &CDlgSetIoAoCh::EditMapping);

  auto* where = new QFormLayout;
  point.AddRows(where);
  auto* value = new QFormLayout;
  AddRow(value, text::kColumnChName, name);
  AddRow(value, text::kColumnChComment, comment);
  AddRow(value, text::kControlOnBrowser, web);
  value->addRow(new QLabel(Tx(text::kOperationalRange), this));
  AddRow(value, text::kLowerLimit, lower);
  AddRow(value, text::kUpperLimit, upper);
  Name(lower, SubName(text::kOperationalRange, text::kLowerLimit));
  Name(upper, SubName(text::kOperationalRange, text::kUpperLimit));
  AddRow(value, text::kScaling, scale);
  AddRow(value, text::kDecimalPlaces, places);
  AddRow(value, text::kEngineeringUnit, unit);
  AddRow(value, text::kInitialValue, init);
  value->addRow(mappingButton);
  const FootButtons foot = OkCancelColumns(where, value);
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoAoCh::UpdateEnables() {
  point.Enable();
  const bool inUse = point.InUse();
  SetEnabled({name, comment, scale, places, unit, init, mappingButton}, inUse);
  const bool browser = inUse && mapping_.get().MODE == CDlgSetIoAoMap::kModeNone;
  web->setEnabled(browser);
  lower->setEnabled(browser && web->currentIndex() == 1);
  upper->setEnabled(browser && web->currentIndex() == 1);
}

bool CDlgSetIoAoCh::Validate() {
  if (!point.Check(checks_, 4) || !checks_.Text(name, 16, text::kChNameError, Scope::Always) ||
      !checks_.Text(comment, 16, text::kChCommentError, Scope::Always) ||
      !checks_.Real(lower, text::kBrowserLowerLimitError, -kLimit, kLimit, 3, Scope::Always) ||
      !checks_.Real(upper, text::kBrowserUpperLimitError, -kLimit, kLimit, 3, Scope::Always))
    return false;
  // The limits' order is the OK step's rule, and a guarded change's only while they are in use.
  const bool limitsChecked = !Guarding() || (lower->isEnabled() && upper->isEnabled());
  if (limitsChecked && upper->text().toDouble() <= lower->text().toDouble())
    return checks_.Refuse(LoadText(text::kBrowserLimitOrderError));
  return checks_.RealNonZero(scale, text::kScalingError, -kLimit, kLimit, 4, Scope::Always) &&
         checks_.Text(unit, 8, text::kEngineeringUnitError, Scope::Always) &&
         checks_.Int(init, -32768, 32767, text::kInitialValueError, Scope::Always);
}

bool CDlgSetIoAoCh::CrossCheck() {
  return CheckSlaveRef(checks_, record_.IO.NODE_CONF, point.Kind(), point.slaveNo) &&
         point.Unique(checks_, std::span<const AoCh>(record_.IO.AO), index_, kHoldingType, text::kAoDuplicate);
}

void CDlgSetIoAoCh::Commit() {
  ItemEditor::Commit();
  ch_.MOD_TYPE = kHoldingType;
  mapping_.CommitTo(ch_.IO_MAPPING);
}

void CDlgSetIoAoCh::EditMapping() {
  if (mapping_.Edit([this](AoMapping& copy) { return CDlgSetIoAoMap(this, record_, copy, ui_).exec() == QDialog::Accepted; }))
    UpdateEnables();
}

// ---- The mapping screen ---------------------------------------------------------------

CDlgSetIoAoMap::CDlgSetIoAoMap(QWidget* parent, const SettingData& record, AoMapping& block, UiPort& ui)
    : ItemEditor(parent, ui), record_(record), block_(block) {
  setWindowTitle(Tx(text::kAoMappingTitle));
  mode = ChoiceList(this, {text::kNoneKind, text::kAnalog, text::kDiscrete});
  analogType = ChoiceList(this, {text::kAi, text::kMa});
  analogChannel = new QComboBox(this);
  analogChannel->setMinimumContentsLength(24);
  Unguarded(mode);
  OnChoice(mode, [this] {
    // A new mode starts from a cleared block; the lists keep what they show,
    // and OK stores the chosen mode's part from them. A list that shows
    // nothing (a kind the lists do not hold) shows the cleared entry.
    modePicked_ = true;
    block_.ANALOG = {0, 1};
    for (ChannelRef& bit : block_.BIT) bit = {kBitLow, 1};
    ShowCleared(analogType, analogChannel, record_, &AnalogFamily);
    for (std::size_t k = 0; k < 16; ++k) ShowCleared(bitType[k], bitChannel[k], record_, &BitFamily);
  });
  OnChoice(analogType, [this] {
    FillChannels(analogChannel, record_, AnalogFamily(analogType->currentIndex()));
    analogChannel->setCurrentIndex(analogChannel->count() > 0 ? 0 : -1);
  });

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(Tx(text::kAnalog), this), 0, 0);
  grid->addWidget(new QLabel(Tx(text::kErrOutType), this), 0, 1);
  grid->addWidget(analogType, 0, 2);
  grid->addWidget(new QLabel(Tx(text::kColumnCh), this), 0, 3);
  grid->addWidget(analogChannel, 0, 4);
  Name(analogType, SubName(text::kAnalog, text::kErrOutType));
  Name(analogChannel, SubName(text::kAnalog, text::kColumnCh));
  grid->addWidget(new QLabel(Tx(text::kDiscrete), this), 1, 0);
  for (int k = 0; k < 16; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    bitType[i] = ChoiceList(this, {text::kFixed0, text::kFixed1, text::kDi, text::kMd});
    bitChannel[i] = new QComboBox(this);
    bitChannel[i]->setMinimumContentsLength(24);
    QComboBox* type = bitType[i];
    QComboBox* channel = bitChannel[i];
    OnChoice(type, [this, type, channel] {
      FillChannels(channel, record_, BitFamily(type->currentIndex()));
      channel->setCurrentIndex(channel->count() > 0 ? 0 : -1);
    });
    const QString bit = QString::number(k);
    grid->addWidget(new QLabel(bit, this), 2 + k, 0);
    grid->addWidget(type, 2 + k, 2);
    grid->addWidget(channel, 2 + k, 4);
    Name(type, SubName(SubName(Tx(text::kDiscrete), bit), Tx(text::kErrOutType)));
    Name(channel, SubName(SubName(Tx(text::kDiscrete), bit), Tx(text::kColumnCh)));
  }
  OkCancelColumn({form, grid});
  Start();
}

void CDlgSetIoAoMap::Load() {
  mode->setCurrentIndex(block_.MODE >= kModeNone && block_.MODE <= kModeDiscrete ? block_.MODE : -1);
  ShowRef(analogType, analogChannel, record_, block_.ANALOG.kind, block_.ANALOG.no, 2, &AnalogFamily);
  for (std::size_t k = 0; k < 16; ++k)
    ShowRef(bitType[k], bitChannel[k], record_, block_.BIT[k].kind, block_.BIT[k].no, 4, &BitFamily);
  loaded_ = Showing();
}

CDlgSetIoAoMap::Shown CDlgSetIoAoMap::Showing() const {
  Shown s{analogType->currentIndex(), analogChannel->currentIndex(), {}, {}, mode->currentIndex()};
  for (std::size_t k = 0; k < 16; ++k) {
    s.bitType[k] = bitType[k]->currentIndex();
    s.bitChannel[k] = bitChannel[k]->currentIndex();
  }
  return s;
}

void CDlgSetIoAoMap::UpdateEnables() {
  const int m = mode->currentIndex();
  analogType->setEnabled(m == kModeAnalog);
  analogChannel->setEnabled(m == kModeAnalog);
  for (std::size_t k = 0; k < 16; ++k) {
    bitType[k]->setEnabled(m == kModeDiscrete);
    bitChannel[k]->setEnabled(m == kModeDiscrete && bitType[k]->currentIndex() >= kBitDi);
  }
}

void CDlgSetIoAoMap::Commit() {
  // Without a Mode pick only what the user changed is written, so an OK
  // without edits keeps every byte. A Mode pick cleared the block: the chosen
  // mode's part is then stored from the lists, as they show it.
  const Shown s = Showing();
  if (modePicked_ && s.mode >= 0) block_.MODE = s.mode;
  if (s.mode == kModeAnalog &&
      (modePicked_ || s.analogType != loaded_.analogType || s.analogChannel != loaded_.analogChannel)) {
    if (s.analogType >= 0) block_.ANALOG.kind = s.analogType;
    if (s.analogChannel >= 0) block_.ANALOG.no = static_cast<std::int16_t>(s.analogChannel + 1);
  }
  if (s.mode != kModeDiscrete) return;
  for (std::size_t k = 0; k < 16; ++k) {
    if (!modePicked_ && s.bitType[k] == loaded_.bitType[k] && s.bitChannel[k] == loaded_.bitChannel[k]) continue;
    if (s.bitType[k] < 0) continue;
    block_.BIT[k].kind = s.bitType[k];
    block_.BIT[k].no = static_cast<std::int16_t>(s.bitType[k] >= kBitDi ? s.bitChannel[k] + 1 : 0);
  }
}

// ---- The list -------------------------------------------------------------------------

ListScreenSetup AoListSetup(SettingData& record, UiPort& ui) {
  UiPort* port = &ui;
  ListScreenSetup setup = FamilyListSetup(
      record, FamilyOf(FamilyId::Ao),
      [port](QWidget* parent, SettingData& rec, int index) { CDlgSetIoAoCh(parent, rec, index, *port).exec(); },
      Tx(text::kAnalogOutput), port);
  setup.list.columns.front().text = [](int row) { return QUtf8Text(FormatText(text::kAoTitle, row + 1)); };
  setup.closeAllowed = NoDuplicatePoints(std::span<const AoCh>(record.IO.AO), ui, text::kAoDuplicatePair);
  return setup;
}

}  // namespace tk48
