#include "editors/record/CDlgSetRecordLogging.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kHeaderChars = 1024;
constexpr int kRateSec = 0, kRateMin = 1, kRateHour = 2;
// The storing rates the device takes (the reader refuses any other).
constexpr int kSeconds[] = {1, 2, 5, 10, 30};
constexpr int kMinutes[] = {1, 2, 5, 10, 15, 30};
constexpr std::uint32_t kHourBits = 0xFFFFFF;

constexpr HourListTexts kLoggingHours{text::kChooseHourAndOffset, text::kRecordLogging, text::kRecordLogging,
                                      text::kChooseOffsetTitle};

QComboBox* ValueList(QWidget* parent, std::span<const int> values) {
  auto* list = new QComboBox(parent);
  for (const int v : values) list->addItem(QString::number(v));
  return list;
}

QComboBox* DisableEnable(QWidget* parent) { return ChoiceList(parent, {text::kDisable, text::kEnable}); }

}  // namespace

CDlgSetRecordLoggingHead::CDlgSetRecordLoggingHead(QWidget* parent, HeaderLines& lines, int line, UiPort& ui)
    : ItemEditor(parent, ui), lines_(lines), bit_(static_cast<std::uint16_t>(1u << line)) {
  setWindowTitle(QUtf8Text(FormatText(text::kLineTitle, line + 1)));
  mode = DisableEnable(this);
  header = new QPlainTextEdit(this);
  header->setMinimumSize(420, 160);
  fields_.Text(header, lines.HEADER[line]);
  Guard(mode);

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kHeader, header);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetRecordLoggingHead::Load() {
  ItemEditor::Load();
  mode->setCurrentIndex((lines_.LINE & bit_) ? kEnabledEntry : 0);
}

void CDlgSetRecordLoggingHead::UpdateEnables() { header->setEnabled(mode->currentIndex() == kEnabledEntry); }

bool CDlgSetRecordLoggingHead::Validate() { return checks_.Text(header, kHeaderChars, text::kHeaderLineError); }

void CDlgSetRecordLoggingHead::Commit() {
  ItemEditor::Commit();
  lines_.LINE =
      static_cast<std::uint16_t>(mode->currentIndex() == kEnabledEntry ? lines_.LINE | bit_ : lines_.LINE & ~bit_);
}

HourTable LoggingHours(const LoggingBlock& logging) {
  HourTable hours{};
  for (std::size_t h = 0; h < hours.size(); ++h)
    hours[h] = {static_cast<std::int32_t>((logging.HOUR >> h) & 1u), logging.OFFSET[h].MIN, logging.OFFSET[h].SEC};
  return hours;
}

void StoreLoggingHours(const HourTable& hours, LoggingBlock& logging) {
  std::uint32_t bits = logging.HOUR & ~kHourBits;
  for (std::size_t h = 0; h < hours.size(); ++h) {
    if (hours[h].MODE != 0) bits |= 1u << h;
    logging.OFFSET[h] = {hours[h].MIN, hours[h].SEC};
  }
  logging.HOUR = bits;
}

CDlgSetRecordLoggingHourConf::CDlgSetRecordLoggingHourConf(QWidget* parent, HourRow& row, int hour, UiPort& ui)
    : HourOffsetScreen(parent, row, hour, kLoggingHours, ui) {}

ListScreenSetup LoggingHourListSetup(HourTable& hours, UiPort& ui) {
  ListScreenSetup setup = HourListSetupOf<CDlgSetRecordLoggingHourConf>(hours, kLoggingHours, ui);
  setup.ok = [](const std::vector<char>&) {};  // the working copy is the result
  return setup;
}

HeaderLines LoggingHeaders(const LoggingBlock& logging) {
  HeaderLines lines{};
  std::memcpy(lines.HEADER[0], logging.HEADER1, sizeof logging.HEADER1);
  std::memcpy(lines.HEADER[1], logging.HEADER2, sizeof logging.HEADER2);
  std::memcpy(lines.HEADER[2], logging.HEADER3, sizeof logging.HEADER3);
  lines.LINE = logging.LINE;
  return lines;
}

CDlgSetRecordLogging::CDlgSetRecordLogging(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui),
      logging_(record.RECORD.LOGGING),
      headers_(LoggingHeaders(record.RECORD.LOGGING)),
      pens_(CopyOfPens(record.RECORD.LOGGING.PEN)),
      hours_(LoggingHours(record.RECORD.LOGGING)) {
  setWindowTitle(Tx(text::kRecordLogging));
  LoggingBlock& log = logging_;
  mode = DisableEnable(this);
  for (int i = 0; i < 3; ++i) {
    lineButtons[i] = new QPushButton(Tx(text::kHeaderLines[i]), this);
    lineButtons[i]->setAutoDefault(false);
    connect(lineButtons[i], &QPushButton::clicked, this, [this, i] {
      headers_.Edit([this, i](HeaderLines& copy) {
        CDlgSetRecordLoggingHead sub(this, copy, i, ui_);
        return sub.exec() == QDialog::Accepted;
      });
    });
  }
  penButton = new QPushButton(Tx(text::kPenInformation), this);
  penButton->setAutoDefault(false);
  connect(penButton, &QPushButton::clicked, this, [this, &record] {
    pens_.Edit([this, &record](LoggingPens& copy) {
      ListScreen sub(this, LoggingPenListSetup(record, copy, ui_));
      return sub.exec() == QDialog::Accepted;
    });
  });
  autoStart = DisableEnable(this);
  autoDelete = DisableEnable(this);
  charCode = ChoiceList(this, {text::kSjis, text::kUtf8});
  rate = ChoiceList(this, {text::kSecond, text::kMinute, text::kHour});
  seconds = ValueList(this, kSeconds);
  minutes = ValueList(this, kMinutes);
  hourButton = new QPushButton(Tx(text::kChooseHourAndOffset), this);
  hourButton->setAutoDefault(false);
  connect(hourButton, &QPushButton::clicked, this, [this] {
    hours_.Edit([this](HourTable& copy) {
      ListScreen sub(this, LoggingHourListSetup(copy, ui_));
      return sub.exec() == QDialog::Accepted;
    });
  });
  dateline = EditField(this, 60);

  fields_.Choice(mode, log.MODE);
  fields_.Choice(autoStart, log.AUTO);
  fields_.Choice(autoDelete, log.DATA_DELETE);
  fields_.Choice(charCode, log.CHAR_CODE);
  fields_.Choice(rate, log.RATE);
  fields_.Values(seconds, log.SEC, std::span<const int>(kSeconds));
  fields_.Values(minutes, log.MIN, std::span<const int>(kMinutes));
  fields_.Int(dateline, log.DATE_CHANGE);
  GuardMode(mode);
  Unguarded(rate);

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  auto* lines = new QHBoxLayout;
  for (QPushButton* b : lineButtons) lines->addWidget(b);
  form->addRow(Tx(text::kHeader), lines);
  form->addRow(Tx(text::kPen), penButton);
  AddRow(form, text::kAutoStart, autoStart);
  AddRow(form, text::kSdAutoDelete, autoDelete);
  AddRow(form, text::kSdCharacterSet, charCode);

  auto* storing = new QGroupBox(Tx(text::kStoringRateUnit), this);
  auto* storingForm = new QFormLayout(storing);
  storingForm->addRow(FieldLabel(storing, text::kMode, rate), rate);
  storingForm->addRow(FieldLabel(storing, text::kSecShort, seconds), seconds);
  storingForm->addRow(FieldLabel(storing, text::kMinShort, minutes), minutes);
  storingForm->addRow(Tx(text::kHour), hourButton);
  Name(rate, SubName(text::kStoringRateUnit, text::kMode));

  auto* lower = new QFormLayout;
  AddRow(lower, text::kDateline, dateline);
  auto* week = new QGroupBox(Tx(text::kDayOfWeek), this);
  auto* weekRow = new QHBoxLayout(week);
  for (int d = 0; d < 7; ++d) {
    days[d] = new QCheckBox(Tx(text::kWeekdaysShort[d]), week);
    Name(days[d], SubName(text::kDayOfWeek, text::kWeekdaysShort[d]));
    fields_.Bit(days[d], log.WDAY, d);
    weekRow->addWidget(days[d]);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(storing);
  layout->addLayout(lower);
  layout->addWidget(week);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

void CDlgSetRecordLogging::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  for (QWidget* w : std::initializer_list<QWidget*>{lineButtons[0], lineButtons[1], lineButtons[2], penButton,
                                                     autoStart, autoDelete, charCode, rate, dateline})
    w->setEnabled(on);
  for (QCheckBox* day : days) day->setEnabled(on);
  seconds->setEnabled(on && rate->currentIndex() == kRateSec);
  minutes->setEnabled(on && rate->currentIndex() == kRateMin);
  hourButton->setEnabled(on && rate->currentIndex() == kRateHour);
}

bool CDlgSetRecordLogging::Validate() { return checks_.Int(dateline, 0, 23, text::kDayStartTimeError); }

void CDlgSetRecordLogging::Commit() {
  ItemEditor::Commit();
  const HeaderLines& lines = headers_.get();
  std::memcpy(logging_.HEADER1, lines.HEADER[0], sizeof logging_.HEADER1);
  std::memcpy(logging_.HEADER2, lines.HEADER[1], sizeof logging_.HEADER2);
  std::memcpy(logging_.HEADER3, lines.HEADER[2], sizeof logging_.HEADER3);
  logging_.LINE = lines.LINE;
  std::copy(pens_.get().begin(), pens_.get().end(), std::begin(logging_.PEN));
  StoreLoggingHours(hours_.get(), logging_);
}

bool RunSetRecordLogging(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetRecordLogging dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
