#pragma once
// The 24-hour list and its offset screen: one row per hour 00 to 23 with a
// flag ("Enable"/"Disable") and an offset after the hour in minutes and
// seconds. The logging hours and the mail send times both use it; each
// converts its own record fields to and from an HourTable and names the flag
// ("Logging", "Report"/"Send") and the titles.
#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <cstdint>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"

namespace tk48 {

struct HourRow {
  std::int32_t MODE;  // NOUSE / USE
  std::uint8_t MIN;   // 0 to 59
  std::uint8_t SEC;   // 0 to 59
};
using HourTable = std::array<HourRow, 24>;

struct HourListTexts {
  int title;        // the list's title
  int flagColumn;   // the flag's column header
  int flagLabel;    // the flag's label on the offset screen
  int offsetTitle;  // the offset screen's title, "%d" the hour
};

// The offset screen of one hour: the flag (guarded: "Enable" is free) and the
// two offsets, in use and checked (integers 0 to 59) only with "Enable".
class HourOffsetScreen : public ItemEditor {
  Q_OBJECT

 public:
  HourOffsetScreen(QWidget* parent, HourRow& row, int hour, const HourListTexts& texts, UiPort& ui);

  QComboBox* flag;
  QLineEdit* minutes;
  QLineEdit* seconds;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
};

// The list of `hours`: columns hour ("%02d"), flag, "Offset (min.)", "Offset
// (sec.)"; double-click opens the offset screen on a copy of the row, whose OK
// replaces the row; Copy and Paste copy one row onto another. The caller sets
// `ok` for a list with OK and Cancel over a working copy.
ListScreenSetup HourListSetup(HourTable& hours, const HourListTexts& texts, UiPort& ui);

// The same list whose double-click opens the screen class `Screen` (built from
// parent, row, hour and port), for a list whose offset screen has its own name.
template <class Screen>
ListScreenSetup HourListSetupOf(HourTable& hours, const HourListTexts& texts, UiPort& ui) {
  ListScreenSetup setup = HourListSetup(hours, texts, ui);
  HourTable* h = &hours;
  setup.list.edit = [h, &ui](QWidget* parent, int row) {
    HourRow copy = (*h)[static_cast<std::size_t>(row)];
    if (Screen(parent, copy, row, ui).exec() == QDialog::Accepted) (*h)[static_cast<std::size_t>(row)] = copy;
  };
  return setup;
}

}  // namespace tk48
