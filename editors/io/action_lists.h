#pragma once
// The action lists of an alarm zone or a discrete state: which MD, DO or GDO
// to switch on, which PI totals or MA function values to reset. Each is the
// one list screen over a bit set (bit i of word w is item 32w + i + 1) with a
// state column shown on the rows that can be changed; double-click opens the
// two-entry chooser (ActionStateDialog), Copy and Paste carry one bit. The
// list edits the bit set it is given, so Back and Esc keep the changes in the
// caller's working copy.
#include <QComboBox>
#include <QDialog>
#include <cstdint>
#include <span>

#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/zone_block.h"
#include "model/setting_data.h"

namespace tk48 {

enum class ActionKind : std::uint8_t { Md, Do, Gdo, ResetPi, ResetMa };

// The action list on `bits`. `owner` (may be null) is the channel being edited,
// shown as its screen holds it.
ListScreenSetup ActionListSetup(const SettingData& record, ActionKind kind, std::span<std::uint32_t> bits,
                              const ZoneOwner* owner = nullptr);

class ActionListDialog : public ListScreen {
  Q_OBJECT

 public:
  ActionListDialog(QWidget* parent, const SettingData& record, ActionKind kind, std::span<std::uint32_t> bits,
                   const ZoneOwner* owner = nullptr);
};

// The chooser of one row's state: titled with the item's label, "OFF" / "ON"
// (or "Disable" / "Enable"), preset to the bit.
class ActionStateDialog : public QDialog {
  Q_OBJECT

 public:
  ActionStateDialog(QWidget* parent, const QString& title, int offTextId, int onTextId, bool on);
  bool On() const { return state->currentIndex() == 1; }

  QComboBox* state;
};

// The bit of item `row` (0-based).
bool BitOf(std::span<const std::uint32_t> bits, int row);
void SetBit(std::span<std::uint32_t> bits, int row, bool on);

}  // namespace tk48
