#include "editors/CDlgSetIoAo.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editors/channel_chooser.h"
#include "editors/checks/checks.h"
#include "editors/checks/output_checks.h"
#include "editors/editor_text.h"
#include "editors/editor_widgets.h"
#include "editors/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kAoTitle = 27416;  // "AO%02d"
constexpr int kNameMessage = 295, kCommentMessage = 296, kUnitMessage = 298, kScaleMessage = 651,
              kInitMessage = 781, kLimitOrderMessage = 937, kLowerMessage = 938, kUpperMessage = 939;
constexpr int kHoldingRegister = 261, kDisableText = 264, kEnableText = 265, kControlOnBrowser = 27405,
              kOperationalRange = 27406, kScaling = 725, kInitialValue = 27407, kIoMapping = 27417, kMode = 25310,
              kType = 25405, kNone = 280, kAnalog = 27414, kDiscrete = 27415, kAi = 501, kMa = 27002,
              kFixed0 = 27006, kFixed1 = 27007, kDi = 250, kMd = 27000;
constexpr double kLimit = 10000000000.0;
constexpr std::uint8_t kHoldingType = 4;  // MOD_TYPE of an AO: holding register (4X)

const ChannelFamily* AnalogFamily(int type) {
  return type == 0 ? &FamilyOf(FamilyId::Ai) : type == 1 ? &FamilyOf(FamilyId::Ma) : nullptr;
}
const ChannelFamily* BitFamily(int type) {
  return type == CDlgSetIoAoMap::kDi   ? &FamilyOf(FamilyId::Di)
         : type == CDlgSetIoAoMap::kMd ? &FamilyOf(FamilyId::Md)
                                       : nullptr;
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
      point(this, SlmpWordDevices(), kHoldingRegister),
      record_(record),
      ch_(record.IO.AO[index]),
      index_(index),
      mapping_(record.IO.AO[index].IO_MAPPING) {
  setWindowTitle(QUtf8Text(FormatText(kAoTitle, index + 1)));
  name = EditField(this, 200);
  comment = EditField(this, 200);
  web = ChoiceList(this, {kDisableText, kEnableText});
  lower = EditField(this, 120);
  upper = EditField(this, 120);
  scale = EditField(this, 120);
  places = NumberList(this, 0, 3);
  unit = EditField(this, 100);
  init = EditField(this, 80);
  mappingButton = new QPushButton(Tx(kIoMapping), this);
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
  AddRow(value, kControlOnBrowser, web);
  value->addRow(new QLabel(Tx(kOperationalRange), this));
  AddRow(value, text::kLowerLimit, lower);
  AddRow(value, text::kUpperLimit, upper);
  Name(lower, SubName(kOperationalRange, text::kLowerLimit));
  Name(upper, SubName(kOperationalRange, text::kUpperLimit));
  AddRow(value, kScaling, scale);
  AddRow(value, text::kDecimalPlaces, places);
  AddRow(value, text::kEngineeringUnit, unit);
  AddRow(value, kInitialValue, init);
  value->addRow(mappingButton);
  auto* columns = new QHBoxLayout;
  columns->addLayout(where);
  columns->addLayout(value);
  const FootButtons foot = OkCancelColumn({columns});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoAoCh::UpdateEnables() {
  point.Enable();
  const bool inUse = point.InUse();
  SetEnabled({name, comment, scale, places, unit, init, mappingButton}, inUse);
  const bool browser = inUse && mapping_.get().MODE == CDlgSetIoAoMap::kNone;
  web->setEnabled(browser);
  lower->setEnabled(browser && web->currentIndex() == 1);
  upper->setEnabled(browser && web->currentIndex() == 1);
}

bool CDlgSetIoAoCh::Validate() {
  if (!point.Check(checks_, 4) || !checks_.Text(name, 16, kNameMessage, Scope::Always) ||
      !checks_.Text(comment, 16, kCommentMessage, Scope::Always) ||
      !checks_.Real(lower, kLowerMessage, -kLimit, kLimit, 3, Scope::Always) ||
      !checks_.Real(upper, kUpperMessage, -kLimit, kLimit, 3, Scope::Always))
    return false;
  // The limits' order is the OK step's rule, and a guarded change's only while they are in use.
  const bool limitsChecked = !Guarding() || (lower->isEnabled() && upper->isEnabled());
  if (limitsChecked && upper->text().toDouble() <= lower->text().toDouble())
    return checks_.Refuse(LoadText(kLimitOrderMessage));
  return checks_.RealNonZero(scale, kScaleMessage, -kLimit, kLimit, 4, Scope::Always) &&
         checks_.Text(unit, 8, kUnitMessage, Scope::Always) &&
         checks_.Int(init, -32768, 32767, kInitMessage, Scope::Always);
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
  mode = ChoiceList(this, {kNone, kAnalog, kDiscrete});
  analogType = ChoiceList(this, {kAi, kMa});
  analogChannel = new QComboBox(this);
  analogChannel->setMinimumContentsLength(24);
  Unguarded(mode);
  OnChoice(mode, [this] {
    // A new mode starts from a cleared block; the lists keep what they show.
    block_.ANALOG = {0, 1};
    for (ChannelRef& bit : block_.BIT) bit = {kLow, 1};
  });
  OnChoice(analogType, [this] {
    FillChannels(analogChannel, record_, AnalogFamily(analogType->currentIndex()));
    analogChannel->setCurrentIndex(analogChannel->count() > 0 ? 0 : -1);
  });

  auto* form = new QFormLayout;
  AddRow(form, kMode, mode);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(Tx(kAnalog), this), 0, 0);
  grid->addWidget(new QLabel(Tx(kType), this), 0, 1);
  grid->addWidget(analogType, 0, 2);
  grid->addWidget(new QLabel(Tx(text::kColumnCh), this), 0, 3);
  grid->addWidget(analogChannel, 0, 4);
  Name(analogType, SubName(kAnalog, kType));
  Name(analogChannel, SubName(kAnalog, text::kColumnCh));
  grid->addWidget(new QLabel(Tx(kDiscrete), this), 1, 0);
  for (int k = 0; k < 16; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    bitType[i] = ChoiceList(this, {kFixed0, kFixed1, kDi, kMd});
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
    Name(type, SubName(SubName(Tx(kDiscrete), bit), Tx(kType)));
    Name(channel, SubName(SubName(Tx(kDiscrete), bit), Tx(text::kColumnCh)));
  }
  OkCancelColumn({form, grid});
  Start();
}

void CDlgSetIoAoMap::Load() {
  mode->setCurrentIndex(block_.MODE >= kNone && block_.MODE <= kDiscrete ? block_.MODE : -1);
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
  analogType->setEnabled(m == kAnalog);
  analogChannel->setEnabled(m == kAnalog);
  for (std::size_t k = 0; k < 16; ++k) {
    bitType[k]->setEnabled(m == kDiscrete);
    bitChannel[k]->setEnabled(m == kDiscrete && bitType[k]->currentIndex() >= kDi);
  }
}

void CDlgSetIoAoMap::Commit() {
  // Only what the screen changed is written: an OK without edits keeps every byte.
  const Shown s = Showing();
  const bool modeChanged = s.mode != loaded_.mode;
  if (modeChanged && s.mode >= 0) block_.MODE = s.mode;
  if (s.mode == kAnalog && (modeChanged || s.analogType != loaded_.analogType ||
                            s.analogChannel != loaded_.analogChannel)) {
    if (s.analogType >= 0) block_.ANALOG.kind = s.analogType;
    if (s.analogChannel >= 0) block_.ANALOG.no = static_cast<std::int16_t>(s.analogChannel + 1);
  }
  if (s.mode != kDiscrete) return;
  for (std::size_t k = 0; k < 16; ++k) {
    if (!modeChanged && s.bitType[k] == loaded_.bitType[k] && s.bitChannel[k] == loaded_.bitChannel[k]) continue;
    if (s.bitType[k] < 0) continue;
    block_.BIT[k].kind = s.bitType[k];
    block_.BIT[k].no = static_cast<std::int16_t>(s.bitType[k] >= kDi ? s.bitChannel[k] + 1 : 0);
  }
}

// ---- The list -------------------------------------------------------------------------

ListScreenSetup AoListSetup(SettingData& record, UiPort& ui) {
  UiPort* port = &ui;
  ListScreenSetup setup = FamilyListSetup(
      record, FamilyOf(FamilyId::Ao),
      [port](QWidget* parent, SettingData& rec, int index) { CDlgSetIoAoCh(parent, rec, index, *port).exec(); },
      Tx(text::kAnalogOutput), port);
  setup.list.columns.front().text = [](int row) { return QUtf8Text(FormatText(kAoTitle, row + 1)); };
  setup.closeAllowed = NoDuplicatePoints(std::span<const AoCh>(record.IO.AO), ui, text::kAoDuplicatePair);
  return setup;
}

void RunAoList(QWidget* parent, SettingData& record, UiPort& ui) { RunListScreen(parent, AoListSetup(record, ui)); }

}  // namespace tk48
