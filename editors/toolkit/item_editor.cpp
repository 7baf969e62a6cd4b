#include "editors/toolkit/item_editor.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {

ItemEditor::ItemEditor(QWidget* parent, UiPort& ui, EnterKey enter) : QDialog(parent), ui_(ui), checks_(ui) {
  setModal(true);
  if (enter == EnterKey::OkStep) {
    BindEnter(this, [this] { OkStep(); });
  } else {
    BindEnter(this, nullptr);
  }
}

void ItemEditor::Start() {
  Load();
  RememberSelections();
  UpdateEnables();
}

void ItemEditor::OkStep() {
  checks_.BeginOkStep();
  if (!Validate() || !CrossCheck()) return;
  Commit();
  if (Finish()) QDialog::accept();
}

FootButtons ItemEditor::OkCancelButtons() {
  const FootButtons foot = MakeFootButtons(this, text::kOk, text::kCancel);
  connect(foot.box, &QDialogButtonBox::accepted, this, &ItemEditor::OkStep);
  connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  return foot;
}

FootButtons ItemEditor::OkCancelColumn(std::initializer_list<QObject*> parts) {
  const FootButtons foot = OkCancelButtons();
  auto* column = new QVBoxLayout(this);
  for (QObject* part : parts) {
    if (auto* layout = qobject_cast<QLayout*>(part)) column->addLayout(layout);
    if (auto* widget = qobject_cast<QWidget*>(part)) column->addWidget(widget);
  }
  column->addWidget(foot.box);
  return foot;
}

FootButtons ItemEditor::OkCancelColumns(QLayout* left, QLayout* right) {
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  return OkCancelColumn({columns});
}

void ItemEditor::Guard(QComboBox* list) {
  GuardWith(list, [this](int, int) { return Validate(); });
}

void ItemEditor::GuardWith(QComboBox* list, std::function<bool(int, int)> allow) {
  guarded_.push_back(std::make_unique<GuardedList>(GuardedList{list, list->currentIndex(), std::move(allow), {}}));
  GuardedList* guarded = guarded_.back().get();
  connect(list, &QComboBox::activated, this, [this, guarded](int picked) { Picked(*guarded, picked); });
}

void ItemEditor::GuardMode(QComboBox* list, int freeEntry) {
  GuardWith(list, [this, freeEntry](int, int to) { return to == freeEntry || Validate(); });
}

void ItemEditor::Unguarded(QComboBox* list) { GuardWith(list, nullptr); }

ItemEditor::GuardedList* ItemEditor::Registered(QComboBox* list) {
  for (const auto& guarded : guarded_)
    if (guarded->list == list) return guarded.get();
  return nullptr;
}

void ItemEditor::OnChoice(QComboBox* list, std::function<void()> accepted) {
  GuardedList* guarded = Registered(list);
  if (!guarded) {
    Unguarded(list);
    guarded = guarded_.back().get();
  }
  guarded->accepted.push_back(std::move(accepted));
}

void ItemEditor::ChannelChoice(QComboBox* type, QComboBox* channel, ChannelRef& ref, std::span<const RefKind> kinds,
                               const SettingData& record) {
  ChannelChoice(type, channel, ref.kind, ref.no, kinds, record);
}

void ItemEditor::ChannelChoice(QComboBox* type, QComboBox* channel, std::int32_t& kind, std::int16_t& no,
                               std::span<const RefKind> kinds, const SettingData& record,
                               std::optional<std::int16_t> noneNo) {
  fields_.Channel(type, channel, kind, no, kinds, record, noneNo);
  OnChoice(type, [type, channel, kinds, &record] {
    const int picked = type->currentIndex();
    FillChannels(channel, record, picked >= 0 ? kinds[static_cast<std::size_t>(picked)].family : nullptr);
    channel->setCurrentIndex(channel->count() > 0 ? 0 : -1);
  });
}

void ItemEditor::ChannelNumberChoice(QComboBox* type, QComboBox* channel, std::uint16_t& number,
                                     const ChannelFamily& family, const SettingData& record) {
  fields_.ChannelNumber(type, channel, number, family, record);
  OnChoice(type, [type, channel, &family, &record] {
    FillChannels(channel, record, type->currentIndex() == 1 ? &family : nullptr);
    channel->setCurrentIndex(channel->count() > 0 ? 0 : -1);
  });
}

void ItemEditor::Picked(GuardedList& guarded, int picked) {
  if (picked == guarded.remembered) return;
  if (guarded.allow) {
    // The checks see the screen as it was before the pick, and only its fields in use.
    {
      const QSignalBlocker quiet(guarded.list);
      guarded.list->setCurrentIndex(guarded.remembered);
    }
    checks_.SetGuarding(true);
    const bool allowed = guarded.allow(guarded.remembered, picked);
    checks_.SetGuarding(false);
    if (!allowed) return;
    {
      const QSignalBlocker quiet(guarded.list);
      guarded.list->setCurrentIndex(picked);
    }
  }
  Changed(guarded);
}

void ItemEditor::Changed(GuardedList& guarded) {
  for (const auto& accepted : guarded.accepted) accepted();
  UpdateEnables();
  // UpdateEnables and the hooks may reset other lists; what they show now is what a later pick starts from.
  RememberSelections();
  guarded.list->setFocus();
}

void ItemEditor::RememberSelections() {
  for (const auto& guarded : guarded_) guarded->remembered = guarded->list->currentIndex();
}

}  // namespace tk48
