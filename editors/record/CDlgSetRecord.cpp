#include "editors/record/CDlgSetRecord.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "editors/record/CDlgSetRecordLogging.h"
#include "editors/record/CDlgSetRecordReport.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

bool RunSetRecordEvent(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetRecordEvent dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

// A log's group: its Mode and, where it has one, its character set.
QGroupBox* LogGroup(QWidget* parent, int titleId, QComboBox* mode, QComboBox* code) {
  auto* box = new QGroupBox(Tx(titleId), parent);
  auto* form = new QFormLayout(box);
  form->addRow(FieldLabel(box, text::kMode, mode), mode);
  Name(mode, SubName(titleId, text::kMode));
  if (code) {
    form->addRow(FieldLabel(box, text::kSdCharacterSet, code), code);
    Name(code, SubName(titleId, text::kSdCharacterSet));
  }
  return box;
}

void OpenLogging(QWidget* p, SettingData& r, UiPort& ui) { RunSetRecordLogging(p, r, ui); }
void OpenEvent(QWidget* p, SettingData& r, UiPort& ui) { RunSetRecordEvent(p, r, ui); }
void OpenReport(QWidget* p, SettingData& r, UiPort& ui) { RunSetRecordReport(p, r, ui); }

constexpr MenuEntry kRecordMenu[] = {
    {text::kRecordLogging, &OpenLogging},
    {text::kRecordEvent, &OpenEvent},
    {text::kRecordReport, &OpenReport},
};

}  // namespace

CDlgSetRecord::CDlgSetRecord(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kRecord, kRecordMenu, record, ui) {}

CDlgSetRecordEvent::CDlgSetRecordEvent(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kRecordEvent));
  EventBlock& event = record.RECORD.EVENT;
  auto disableEnable = [this] { return ChoiceList(this, {text::kDisable, text::kEnable}); };
  auto charSet = [this] { return ChoiceList(this, {text::kSjis, text::kUtf8}); };
  autoDelete = disableEnable();
  eventMode = disableEnable();
  eventCode = charSet();
  systemMode = disableEnable();
  comMode = disableEnable();
  scheduleMode = disableEnable();
  scheduleCode = charSet();
  fields_.Choice(autoDelete, event.DATA_DELETE);
  fields_.Choice(eventMode, event.EVENT_LOG.MODE);
  fields_.Choice(eventCode, event.EVENT_LOG.CHAR_CODE);
  fields_.Choice(systemMode, event.SYSTEM_LOG.MODE);
  fields_.Choice(comMode, event.COM_LOG.MODE);
  fields_.Choice(scheduleMode, event.SCHD_LOG.MODE);
  fields_.Choice(scheduleCode, event.SCHD_LOG.CHAR_CODE);
  Unguarded(eventMode);
  Unguarded(scheduleMode);

  auto* top = new QFormLayout;
  AddRow(top, text::kSdAutoDelete, autoDelete);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(LogGroup(this, text::kEventLog, eventMode, eventCode));
  layout->addWidget(LogGroup(this, text::kSystemLog, systemMode, nullptr));
  layout->addWidget(LogGroup(this, text::kCommunicationLog, comMode, nullptr));
  layout->addWidget(LogGroup(this, text::kSchedulerLog, scheduleMode, scheduleCode));
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetRecordEvent::UpdateEnables() {
  eventCode->setEnabled(eventMode->currentIndex() == kEnabledEntry);
  scheduleCode->setEnabled(scheduleMode->currentIndex() == kEnabledEntry);
}

}  // namespace tk48
