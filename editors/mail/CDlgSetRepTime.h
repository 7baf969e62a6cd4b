#pragma once
// "Regular report": which templates are mailed, on which days of the week and
// at which hours (with an offset after the hour).
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <cstdint>

#include "editors/toolkit/hour_list.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/standard_lists.h"
#include "editors/toolkit/working_copy.h"
#include "model/setting_data.h"

namespace tk48 {

HourTable SendTimesOf(const MailTime& time);
void StoreSendTimes(const HourTable& hours, MailTime& time);

// One hour of the send times: "Send" (guarded) and the two offsets.
class CDlgSetRepTimeSendConf : public HourOffsetScreen {
  Q_OBJECT

 public:
  CDlgSetRepTimeSendConf(QWidget* parent, HourRow& row, int hour, UiPort& ui);
};

// The send-time list ("Set time to send"): only "Back"; its edits stay in
// `hours` however it closes.
ListScreenSetup SendTimeListSetup(HourTable& hours, UiPort& ui);

class CDlgSetRepTime : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepTime(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QPushButton* templateButton;
  QCheckBox* days[7];
  QPushButton* timeButton;

  const HourTable& sendTimes() const { return hours_.get(); }

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
  void Commit() override;

 private:
  MailTime& time_;
  WorkingCopy<TemplateBits> templates_;
  WorkingCopy<HourTable> hours_;
};

bool RunSetRepTime(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
