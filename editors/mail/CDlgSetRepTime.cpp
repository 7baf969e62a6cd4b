#include "editors/mail/CDlgSetRepTime.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <algorithm>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr HourListTexts kSendTimes{text::kSetTimeToSend, text::kRecordReport, text::kMailSend, text::kSendTimeTitle};

TemplateBits BitsOf(const MailTime& time) {
  TemplateBits bits{};
  std::copy(std::begin(time.MAIL), std::end(time.MAIL), std::begin(bits.MAIL));
  return bits;
}

}  // namespace

HourTable SendTimesOf(const MailTime& time) {
  HourTable hours{};
  for (std::size_t h = 0; h < hours.size(); ++h)
    hours[h] = {time.REPORT_TIME[h].MODE, time.REPORT_TIME[h].OFFSET_MIN, time.REPORT_TIME[h].OFFSET_SEC};
  return hours;
}

void StoreSendTimes(const HourTable& hours, MailTime& time) {
  for (std::size_t h = 0; h < hours.size(); ++h) time.REPORT_TIME[h] = {hours[h].MODE, hours[h].MIN, hours[h].SEC};
}

CDlgSetRepTimeSendConf::CDlgSetRepTimeSendConf(QWidget* parent, HourRow& row, int hour, UiPort& ui)
    : HourOffsetScreen(parent, row, hour, kSendTimes, ui) {}

ListScreenSetup SendTimeListSetup(HourTable& hours, UiPort& ui) {
  return HourListSetupOf<CDlgSetRepTimeSendConf>(hours, kSendTimes, ui);
}

CDlgSetRepTime::CDlgSetRepTime(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui),
      time_(record.MAIL_REPORT.TIME),
      templates_(BitsOf(record.MAIL_REPORT.TIME)),
      hours_(SendTimesOf(record.MAIL_REPORT.TIME)) {
  setWindowTitle(Tx(text::kRegularReport));
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  fields_.Choice(mode, time_.MODE);
  Unguarded(mode);
  templateButton = new QPushButton(Tx(text::kChooseTemplate), this);
  templateButton->setAutoDefault(false);
  connect(templateButton, &QPushButton::clicked, this, [this, &record] {
    templates_.Edit([this, &record](TemplateBits& copy) {
      return ChooseTemplates(this, record, copy.MAIL, Tx(text::kMailTemplateNo));
    });
  });
  auto* dayRow = new QHBoxLayout;
  for (int d = 0; d < 7; ++d) {
    days[d] = new QCheckBox(Tx(text::kWeekdaysShort[d]), this);
    Name(days[d], SubName(text::kDayOfWeek, text::kWeekdaysShort[d]));
    fields_.Bit(days[d], time_.WDAY, d);
    dayRow->addWidget(days[d]);
  }
  timeButton = new QPushButton(Tx(text::kSetTimeToSend), this);
  timeButton->setAutoDefault(false);
  connect(timeButton, &QPushButton::clicked, this, [this] {
    // The send-time list has only Back: whatever it changed is kept.
    hours_.Edit([this](HourTable& copy) {
      ListScreen(this, SendTimeListSetup(copy, ui_)).exec();
      return true;
    });
  });

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  form->addRow(Tx(text::kMailTemplateNo), templateButton);
  form->addRow(Tx(text::kDayOfWeek), dayRow);
  form->addRow(Tx(text::kTimeToSend), timeButton);
  OkCancelColumn({form});
  Start();
}

void CDlgSetRepTime::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  templateButton->setEnabled(on);
  timeButton->setEnabled(on);
  for (QCheckBox* day : days) day->setEnabled(on);
}

void CDlgSetRepTime::Commit() {
  ItemEditor::Commit();
  std::copy(std::begin(templates_.get().MAIL), std::end(templates_.get().MAIL), std::begin(time_.MAIL));
  StoreSendTimes(hours_.get(), time_);
}

bool RunSetRepTime(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetRepTime dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
