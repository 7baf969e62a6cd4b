#pragma once
// The shared steps of an item editor. A screen derives from ItemEditor, builds
// its widgets, binds them to the record (FieldBindings), registers its guarded
// and plain choice lists, and calls Start() at the end of its constructor; it
// states only its fields, enables and checks:
//   UpdateEnables  which fields the current choices use (enables only);
//   Validate       the field checks, in the screen's order, first failure ends;
//   CrossCheck     relations between fields or with other sections;
//   Load / Commit  the bindings by default;
//   OnChoice       what a user's accepted pick in a list does besides the
//                  enables (refill a channel list, force or reset values).
// The OK step (OK button or Enter) is all-or-nothing: nothing reaches the
// record unless every check passed. Cancel and Esc close without writing.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "editors/toolkit/keys.h"

class QLayout;

namespace tk48 {

class UiPort;

enum class EnterKey : std::uint8_t { OkStep, Nothing };

class ItemEditor : public QDialog {
  Q_OBJECT

 public:
  // Validate, CrossCheck, Commit, then Finish; closes with OK when all pass.
  void OkStep();
  // The OK button and the other routes to accept() run the OK step.
  void accept() override { OkStep(); }
  // The OK step with every field taken as edited: what OK stores when the user
  // confirms each value as the screen shows it. Tests hold an OK without
  // edits against it.
  void OkStepAsShown() {
    fields_.TakeAllAsEdited();
    OkStep();
  }
  // The screen field that edits the record field at `target`, or nullptr.
  QWidget* FieldOf(const void* target) const { return const_cast<QWidget*>(fields_.FieldOf(target)); }

 protected:
  ItemEditor(QWidget* parent, UiPort& ui, EnterKey enter = EnterKey::OkStep);

  virtual void Load() { fields_.Load(); }
  virtual void UpdateEnables() = 0;
  virtual bool Validate() = 0;
  virtual bool CrossCheck() { return true; }
  virtual void Commit() { fields_.Commit(checks_); }
  // After the commit; false keeps the screen open (a failed upload).
  virtual bool Finish() { return true; }

  // Load, remember the guarded selections, UpdateEnables. Call once, last in
  // the derived constructor.
  void Start();

  // Lays the screen out as a column of `parts` (layouts or widgets, top to
  // bottom) over "OK" and "Cancel", wired to the OK step and to Cancel.
  FootButtons OkCancelColumn(std::initializer_list<QObject*> parts);
  // Lays the screen out as two columns side by side, `left` and `right`, over
  // "OK" and "Cancel" (the channel screens with a second column of settings).
  FootButtons OkCancelColumns(QLayout* left, QLayout* right);

  // A list that changes which fields are in use: picking another entry first
  // validates the screen as it is; on failure the list keeps its old entry.
  void Guard(QComboBox* list);
  // The same with the screen's own test of the change (from, to); `allow`
  // shows its own message when it refuses.
  void GuardWith(QComboBox* list, std::function<bool(int from, int to)> allow);
  // A Mode list ("Disable", "Enable"): picking `freeEntry` takes effect at
  // once, without a check (the fields it brings into use are checked on OK,
  // so a bad value read from a file can be put right); any other pick first
  // validates the screen as it is, like Guard.
  void GuardMode(QComboBox* list, int freeEntry = 1);
  // A list whose change takes effect at once.
  void Unguarded(QComboBox* list);
  // Runs `accepted` when the user picks another entry of `list` (registered
  // with Guard, GuardWith or Unguarded) and the guard lets the pick through:
  // before UpdateEnables, never at Start(), never for a refused pick.
  void OnChoice(QComboBox* list, std::function<void()> accepted);
  // A channel reference: binds `type` and `channel` to `ref` and refills the
  // channel list, first entry selected, when the user picks another type.
  void ChannelChoice(QComboBox* type, QComboBox* channel, ChannelRef& ref, std::span<const RefKind> kinds,
                     const SettingData& record);
  // The same over a type field and a channel number held apart (a pen's
  // PEN_TYPE and CH); a type without a family stores `noneNo` when given and
  // leaves the number otherwise.
  void ChannelChoice(QComboBox* type, QComboBox* channel, std::int32_t& kind, std::int16_t& no,
                     std::span<const RefKind> kinds, const SettingData& record,
                     std::optional<std::int16_t> noneNo = std::nullopt);
  // A channel number alone (0 = none): `type` holds "None" and the family,
  // `channel` the family's channels, refilled with the first one chosen when
  // the user picks another type.
  void ChannelNumberChoice(QComboBox* type, QComboBox* channel, std::uint16_t& number, const ChannelFamily& family,
                           const SettingData& record);
  // "OK" and "Cancel" at the foot, wired to the OK step and to Cancel.
  FootButtons OkCancelButtons();
  // True while a guarded change runs Validate: an editor's own rule that only
  // applies to the OK step asks this.
  bool Guarding() const { return checks_.Guarding(); }

  UiPort& ui_;
  FieldChecks checks_;
  FieldBindings fields_;

 private:
  struct GuardedList {
    QComboBox* list;
    int remembered;
    std::function<bool(int, int)> allow;  // empty: unguarded
    std::vector<std::function<void()>> accepted;
  };
  GuardedList* Registered(QComboBox* list);
  void Picked(GuardedList& guarded, int picked);
  void Changed(GuardedList& list);
  void RememberSelections();

  std::vector<std::unique_ptr<GuardedList>> guarded_;
};

}  // namespace tk48
