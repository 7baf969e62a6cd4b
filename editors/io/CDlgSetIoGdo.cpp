#include "editors/io/CDlgSetIoGdo.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QVBoxLayout>

#include "checks/output_checks.h"
#include "editors/io/CDlgSetIoDoUsed.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The member's family list: NONE, DO, MD.
const RefKind kMemberKinds[] = {
    {0, nullptr}, {1, &FamilyOf(FamilyId::Do)}, {2, &FamilyOf(FamilyId::Md)}};

const ChannelFamily* MemberFamily(const ChannelRef& slot) {
  for (const RefKind& k : kMemberKinds)
    if (k.kind == slot.kind && k.family && slot.no >= 1 && slot.no <= k.family->count) return k.family;
  return nullptr;
}

}  // namespace

bool MappedDoMember(const SettingData& record, const ChannelRef& slot) {
  return slot.kind == kMemberKinds[1].kind && slot.no >= 1 && slot.no <= kDoCount &&
         record.IO.DO[slot.no - 1].IO_MAPPING.kind != 0;
}

CDlgSetIoGdoCh::CDlgSetIoGdoCh(QWidget* parent, SettingData& record, int index, UiPort& ui)
    : OutputEditor(parent, ui, record,
                   {record.IO.GDO[index].NAME, record.IO.GDO[index].COMMENT, record.IO.GDO[index].STATUS,
                    record.IO.GDO[index].IO_MAPPING, record.IO.GDO[index].WEB}),
      record_(record),
      ch_(record.IO.GDO[index]),
      index_(index) {
  std::copy(std::begin(ch_.CH), std::end(ch_.CH), slots_.begin());
  setWindowTitle(QUtf8Text(FormatText(text::kGdoLabel, index + 1)));
  mode = ChoiceList(this, {text::kIoDisable, text::kIoEnable});
  fields_.Choice(mode, ch_.MODE);
  Guard(mode);

  ListSetup setup;
  setup.rows = 32;
  auto label = [this](int row) -> QString {
    const ChannelRef& slot = slots_[static_cast<std::size_t>(row)];
    const ChannelFamily* family = MemberFamily(slot);
    return family ? RowLabel(*family, slot.no - 1) : QString();
  };
  auto texts = [this](int row) -> RowTexts {
    const ChannelRef& slot = slots_[static_cast<std::size_t>(row)];
    const ChannelFamily* family = MemberFamily(slot);
    return family ? RowTextsOf(*family, record_, slot.no - 1) : RowTexts{};
  };
  setup.columns = {
      {text::kColumnNo, 40, [](int row) { return QUtf8Text(FormatText(text::kTwoDigits, row + 1)); }},
      {text::kColumnCh, 70, label},
      {text::kColumnChName, 150, [texts](int row) { return texts(row).name; }},
      {text::kColumnChComment, 150, [texts](int row) { return texts(row).comment; }},
  };
  setup.edit = [this](QWidget* parent, int row) {
    CDlgSetIoGdoIncCh(parent, record_, slots_[static_cast<std::size_t>(row)], ui_).exec();
  };
  // A slot's type and channel over another's, unchecked.
  setup.paste = [this](int from, int to) { slots_[static_cast<std::size_t>(to)] = slots_[static_cast<std::size_t>(from)]; };
  members = new ListView(this, std::move(setup));
  Name(members, Tx(text::kGroupedChannels));
  members->setMinimumHeight(240);

  auto* top = new QFormLayout;
  AddRow(top, text::kMode, mode);
  auto* grid = CommonLayout();
  auto* memberColumn = new QVBoxLayout;
  memberColumn->addWidget(FieldLabel(this, text::kGroupedChannels, members));
  memberColumn->addWidget(members);
  const FootButtons foot = OkCancelColumn({top, grid, memberColumn});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetIoGdoCh::UpdateEnables() {
  const bool on = mode->currentIndex() > 0;
  EnableCommon(on);
  members->setEnabled(on);
}

bool CDlgSetIoGdoCh::Validate() { return CheckTexts(); }

bool CDlgSetIoGdoCh::CrossCheck() {
  if (MappingRuleApplies()) {
    const int mapped = mappingType->currentIndex();
    if (mapped == kMapMd && SlotsHoldMd(slots_, mappingChannel->currentIndex()))
      return checks_.Refuse(LoadText(text::kMappedMember));
    if (PatternsName(record_.SCHEDULE, OutputFamily::Gdo, index_))
      return checks_.Refuse(LoadText(text::kGdoInScheduler));
  }
  // A pasted slot is not checked when pasted: an enabled GDO refuses a mapped DO member here.
  if (mode->currentIndex() > 0)
    for (std::size_t i = 0; i < slots_.size(); ++i)
      if (MappedDoMember(record_, slots_[i])) {
        members->SelectRow(static_cast<int>(i));
        return checks_.Refuse(LoadText(text::kDoMapped));
      }
  return true;
}

void CDlgSetIoGdoCh::Commit() {
  OutputEditor::Commit();
  std::copy(slots_.begin(), slots_.end(), std::begin(ch_.CH));
}

CDlgSetIoGdoIncCh::CDlgSetIoGdoIncCh(QWidget* parent, const SettingData& record, ChannelRef& slot, UiPort& ui)
    : ItemEditor(parent, ui), record_(record), slot_(slot) {
  setWindowTitle(Tx(text::kGroupedChannels));
  type = ChoiceList(this, {text::kIoDisable, text::kDo, text::kMd});
  channel = new QComboBox(this);
  channel->setMinimumContentsLength(24);
  ChannelChoice(type, channel, slot, kMemberKinds, record);
  auto* form = new QFormLayout;
  AddRow(form, text::kErrOutType, type);
  AddRow(form, text::kColumnCh, channel);
  OkCancelColumn({form});
  Start();
  loadedType_ = type->currentIndex();
}

void CDlgSetIoGdoIncCh::UpdateEnables() { channel->setEnabled(type->currentIndex() > kTypeNone); }

bool CDlgSetIoGdoIncCh::CrossCheck() {
  if (type->currentIndex() == kTypeDo && channel->currentIndex() >= 0 &&
      record_.IO.DO[channel->currentIndex()].IO_MAPPING.kind != 0)
    return checks_.Refuse(LoadText(text::kDoMapped));
  return true;
}

void CDlgSetIoGdoIncCh::Commit() {
  ItemEditor::Commit();
  // "Disable" picked here stores no channel.
  if (type->currentIndex() == kTypeNone && loadedType_ != kTypeNone) slot_.no = 0;
}

ListScreenSetup GdoListSetup(SettingData& record, UiPort& ui) {
  UiPort* port = &ui;
  SettingData* r = &record;
  ListScreenSetup setup = FamilyListSetup(
      record, FamilyOf(FamilyId::Gdo),
      [port](QWidget* parent, SettingData& rec, int index) { CDlgSetIoGdoCh(parent, rec, index, *port).exec(); },
      Tx(text::kGroupedDigitalOutput), port);
  setup.buttons = {
      {text::kGdoUsedTitle, [r, port](QWidget* parent, int) { CDlgSetIoGdoUsed(parent, *r, *port).exec(); }}};
  return setup;
}

}  // namespace tk48
