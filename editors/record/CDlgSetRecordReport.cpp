#include "editors/record/CDlgSetRecordReport.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/standard_lists.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kTitleChars = 32;
constexpr int kTitleLabels[3] = {text::kDailyReport, text::kMonthlyReport, text::kYearlyReport};
constexpr int kTitleErrors[3] = {text::kDailyTitleError, text::kMonthlyTitleError, text::kYearlyTitleError};

TemplateBits BitsOf(const ReportBlock& report) {
  TemplateBits bits{};
  std::copy(std::begin(report.MAIL), std::end(report.MAIL), std::begin(bits.MAIL));
  return bits;
}

// A group of three fields labelled "Daily report", "Monthly report", "Yearly report".
QGroupBox* PerReport(QWidget* parent, int titleId, QWidget* const (&fields)[3]) {
  auto* box = new QGroupBox(Tx(titleId), parent);
  auto* form = new QFormLayout(box);
  for (int i = 0; i < 3; ++i) {
    form->addRow(FieldLabel(box, kTitleLabels[i], fields[i]), fields[i]);
    Name(fields[i], SubName(titleId, kTitleLabels[i]));
  }
  return box;
}

}  // namespace

CDlgSetRecordReport::CDlgSetRecordReport(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui),
      report_(record.RECORD.REPORT),
      pens_(CopyOfPens(record.RECORD.REPORT.PEN)),
      templates_(BitsOf(record.RECORD.REPORT)) {
  setWindowTitle(Tx(text::kReportForm));
  ReportBlock& rep = report_;
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  autoDelete = ChoiceList(this, {text::kDisable, text::kEnable});
  charCode = ChoiceList(this, {text::kSjis, text::kUtf8});
  char (*texts[3])[97] = {&rep.TITLE_DAY, &rep.TITLE_MON, &rep.TITLE_YEAR};
  std::int32_t* sends[3] = {&rep.SEND_DAY, &rep.SEND_MON, &rep.SEND_YEAR};
  for (int i = 0; i < 3; ++i) {
    titles[i] = EditField(this, 260);
    fields_.Text(titles[i], *texts[i]);
    send[i] = ChoiceList(this, {text::kDisable, text::kUponUpdating, text::kUponSaving});
    fields_.Choice(send[i], *sends[i]);
  }
  penButton = new QPushButton(Tx(text::kPenInformation), this);
  penButton->setAutoDefault(false);
  connect(penButton, &QPushButton::clicked, this, [this, &record] {
    pens_.Edit([this, &record](ReportPens& copy) {
      ListScreen sub(this, ReportPenListSetup(record, copy, ui_));
      return sub.exec() == QDialog::Accepted;
    });
  });
  templateButton = new QPushButton(Tx(text::kChooseTemplate), this);
  templateButton->setAutoDefault(false);
  connect(templateButton, &QPushButton::clicked, this, [this, &record] {
    templates_.Edit([this, &record](TemplateBits& copy) {
      return ChooseTemplates(this, record, copy.MAIL, Tx(text::kMailTemplateNo));
    });
  });
  dayStart = NumberList(this, 1, 24);
  monthStart = NumberList(this, 1, 28);
  yearStart = NumberList(this, 1, 12);
  fields_.Choice(mode, rep.MODE);
  fields_.Choice(autoDelete, rep.DATA_DELETE);
  fields_.Choice(charCode, rep.CHAR_CODE);
  fields_.Choice(dayStart, rep.DATE_CHANGE);      // "1" to "24" store 0 to 23
  fields_.Choice(monthStart, rep.MONTH_CHANGE, 1);
  fields_.Choice(yearStart, rep.YEAR_CHANGE, 1);  // a stored 0 shows no entry and stays
  GuardMode(mode);

  auto* top = new QFormLayout;
  AddRow(top, text::kMode, mode);
  AddRow(top, text::kSdAutoDelete, autoDelete);
  AddRow(top, text::kSdCharacterSet, charCode);
  auto* buttons = new QFormLayout;
  buttons->addRow(Tx(text::kPen), penButton);
  buttons->addRow(Tx(text::kMailTemplateNo), templateButton);
  auto* starts = new QFormLayout;
  AddRow(starts, text::kDailyStartTime, dayStart);
  AddRow(starts, text::kMonthlyStartDate, monthStart);
  AddRow(starts, text::kYearlyStartMonth, yearStart);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(PerReport(this, text::kPageTitle, {titles[0], titles[1], titles[2]}));
  layout->addLayout(buttons);
  layout->addWidget(PerReport(this, text::kTimingToSend, {send[0], send[1], send[2]}));
  layout->addLayout(starts);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetRecordReport::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  for (QWidget* w : std::initializer_list<QWidget*>{autoDelete, charCode, titles[0], titles[1], titles[2], penButton,
                                                     templateButton, send[0], send[1], send[2], dayStart, monthStart,
                                                     yearStart})
    w->setEnabled(on);
}

bool CDlgSetRecordReport::Validate() {
  for (int i = 0; i < 3; ++i)
    if (!checks_.Text(titles[i], kTitleChars, kTitleErrors[i])) return false;
  return true;
}

void CDlgSetRecordReport::Commit() {
  ItemEditor::Commit();
  std::copy(pens_.get().begin(), pens_.get().end(), std::begin(report_.PEN));
  std::copy(std::begin(templates_.get().MAIL), std::end(templates_.get().MAIL), std::begin(report_.MAIL));
}

bool RunSetRecordReport(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetRecordReport dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
