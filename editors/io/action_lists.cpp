#include "editors/io/action_lists.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/keys.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

struct ActionTable {
  FamilyId family;
  int titleId;
  int columnId;  // "Output" or "Reset"
  int offId;
  int onId;
};

// In the order of ActionKind.
constexpr ActionTable kActions[] = {
    {FamilyId::Md, text::kMdAlarmOutput, text::kColumnOutput, text::kActionOff, text::kActionOn},
    {FamilyId::Do, text::kDoAlarmOutput, text::kColumnOutput, text::kActionOff, text::kActionOn},
    {FamilyId::Gdo, text::kGdoAlarmOutput, text::kColumnOutput, text::kActionOff, text::kActionOn},
    {FamilyId::Pi, text::kResetPiAction, text::kColumnReset, text::kActionDisable, text::kActionEnable},
    {FamilyId::Ma, text::kResetMaAction, text::kColumnReset, text::kActionDisable, text::kActionEnable},
};

}  // namespace

bool BitOf(std::span<const std::uint32_t> bits, int row) {
  return (bits[static_cast<std::size_t>(row / 32)] >> (row % 32)) & 1u;
}

void SetBit(std::span<std::uint32_t> bits, int row, bool on) {
  std::uint32_t& word = bits[static_cast<std::size_t>(row / 32)];
  const std::uint32_t mask = 1u << (row % 32);
  word = on ? word | mask : word & ~mask;
}

ListScreenSetup ActionListSetup(const SettingData& record, ActionKind kind, std::span<std::uint32_t> bits,
                              const ZoneOwner* owner) {
  const ActionTable& table = kActions[static_cast<int>(kind)];
  const ChannelFamily* family = &FamilyOf(table.family);
  const SettingData* r = &record;
  // The owner's row shows what its screen holds now; every other row the record.
  const auto own = [owner, table](int row) { return owner && owner->family == table.family && owner->index == row; };
  const auto changeable = [r, family, owner, own](int row) { return own(row) ? owner->inUse : family->inUse(*r, row); };
  const auto texts = [r, family, owner, own, changeable](int row) {
    if (!changeable(row)) return RowTexts{};
    return own(row) ? RowTexts{owner->name, owner->comment} : family->texts(*r, row);
  };
  ListScreenSetup setup;
  setup.title = Tx(table.titleId);
  setup.list.rows = family->count;
  setup.list.columns = {
      {text::kColumnCh, 50, [family](int row) { return RowLabel(*family, row); }},
      {text::kColumnChName, 150, [texts](int row) { return texts(row).name; }},
      {text::kColumnChComment, 150, [texts](int row) { return texts(row).comment; }},
      {table.columnId, 70,
       [bits, table, changeable](int row) {
         return changeable(row) ? Tx(BitOf(bits, row) ? table.onId : table.offId) : QString();
       }},
  };
  setup.list.changeable = changeable;
  setup.list.edit = [bits, table, family](QWidget* parent, int row) {
    ActionStateDialog chooser(parent, RowLabel(*family, row), table.offId, table.onId, BitOf(bits, row));
    if (chooser.exec() == QDialog::Accepted) SetBit(bits, row, chooser.On());
  };
  setup.list.paste = [bits](int from, int to) { SetBit(bits, to, BitOf(bits, from)); };
  return setup;
}

ActionListDialog::ActionListDialog(QWidget* parent, const SettingData& record, ActionKind kind,
                                   std::span<std::uint32_t> bits, const ZoneOwner* owner)
    : ListScreen(parent, ActionListSetup(record, kind, bits, owner)) {}

ActionStateDialog::ActionStateDialog(QWidget* parent, const QString& title, int offTextId, int onTextId, bool on)
    : QDialog(parent) {
  setWindowTitle(title);
  setModal(true);
  state = ChoiceList(this, {offTextId, onTextId});
  state->setCurrentIndex(on ? 1 : 0);
  Name(state, title);
  const FootButtons foot = MakeFootButtons(this, text::kOk, text::kCancel);
  connect(foot.box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  BindEnter(this, [this] { accept(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(state);
  layout->addWidget(foot.box);
}

}  // namespace tk48
