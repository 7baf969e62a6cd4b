#include "editors/item_editor.h"

#include <QSignalBlocker>

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
  if (!Validate() || !CrossCheck()) return;
  Commit();
  if (Finish()) QDialog::accept();
}

void ItemEditor::Guard(QComboBox* list) {
  GuardWith(list, [this](int, int) { return Validate(); });
}

void ItemEditor::GuardWith(QComboBox* list, std::function<bool(int, int)> allow) {
  guarded_.push_back(std::make_unique<GuardedList>(GuardedList{list, list->currentIndex(), std::move(allow)}));
  GuardedList* guarded = guarded_.back().get();
  connect(list, &QComboBox::activated, this, [this, guarded](int picked) { Picked(*guarded, picked); });
}

void ItemEditor::Unguarded(QComboBox* list) {
  connect(list, &QComboBox::activated, this, [this, list](int) { Changed(list); });
}

void ItemEditor::Picked(GuardedList& guarded, int picked) {
  if (picked == guarded.remembered) return;
  // The checks see the screen as it was before the pick.
  {
    const QSignalBlocker quiet(guarded.list);
    guarded.list->setCurrentIndex(guarded.remembered);
  }
  if (!guarded.allow(guarded.remembered, picked)) return;
  {
    const QSignalBlocker quiet(guarded.list);
    guarded.list->setCurrentIndex(picked);
  }
  Changed(guarded.list);
}

void ItemEditor::Changed(QComboBox* list) {
  UpdateEnables();
  // UpdateEnables may reset other lists; what they show now is what a later pick starts from.
  RememberSelections();
  list->setFocus();
}

void ItemEditor::RememberSelections() {
  for (const auto& guarded : guarded_) guarded->remembered = guarded->list->currentIndex();
}

}  // namespace tk48
