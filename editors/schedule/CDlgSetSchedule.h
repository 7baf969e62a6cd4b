#pragma once
// "Pattern setting": the 64 patterns, a pattern's name and eight outputs, and
// one output's channel and times.
#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"

namespace tk48 {

// "No.%d" of one output: type, channel, start and end. A DO or GDO that
// follows an I/O mapping is refused; the end must lie after the start (an end
// hour of 24 fixes the minute at 0).
class CDlgSetSchConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetSchConf(QWidget* parent, const SettingData& record, PatternOut& out, int index, UiPort& ui);

  QComboBox* type;
  QComboBox* channel;
  QComboBox* startHour;
  QComboBox* startMinute;
  QComboBox* endHour;
  QComboBox* endMinute;

 protected:
  void Load() override;
  void UpdateEnables() override;
  bool Validate() override { return true; }
  bool CrossCheck() override;

 private:
  bool TimesInOrder() const;
  const SettingData& record_;
};

// "No.%d" of one pattern: its name and its output list. The outputs are a
// working copy; the pattern receives name and outputs on OK.
class CDlgSetSchPattern : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetSchPattern(QWidget* parent, const SettingData& record, SchedulePattern& pattern, int index, UiPort& ui);

  QLineEdit* name;
  ListView* outputs;

 protected:
  void UpdateEnables() override {}
  bool Validate() override;
  void Commit() override;

 private:
  SchedulePattern& pattern_;
  std::array<PatternOut, 8> outs_;
};

// The pattern list over the record: double-click opens the pattern screen,
// whose OK replaces the pattern; Copy and Paste copy whole patterns.
ListScreenSetup PatternListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
