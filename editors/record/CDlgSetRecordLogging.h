#pragma once
// "Logging": the logging settings of the record, with the header line screen,
// the pen list and the hour list. The screen works on copies of the headers,
// the pens and the hours; its sub-screens write into those copies on their OK,
// and the record receives everything on this screen's OK.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "editors/record/record_pens.h"
#include "editors/toolkit/hour_list.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/working_copy.h"

namespace tk48 {

// The three header lines and the bit set of the lines in use.
struct HeaderLines {
  char HEADER[3][3073];
  std::uint16_t LINE;
};

HeaderLines LoggingHeaders(const LoggingBlock& logging);

// "Line %d": one header line's Mode (its bit in LINE) and its text.
class CDlgSetRecordLoggingHead : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRecordLoggingHead(QWidget* parent, HeaderLines& lines, int line, UiPort& ui);
  QComboBox* mode;
  QPlainTextEdit* header;

 protected:
  void Load() override;
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  HeaderLines& lines_;
  std::uint16_t bit_;
};

// The logging hours: bit h of HOUR and OFFSETh, as the hour list edits them.
HourTable LoggingHours(const LoggingBlock& logging);
void StoreLoggingHours(const HourTable& hours, LoggingBlock& logging);

// "Choose offset: %d (hour)".
class CDlgSetRecordLoggingHourConf : public HourOffsetScreen {
  Q_OBJECT

 public:
  CDlgSetRecordLoggingHourConf(QWidget* parent, HourRow& row, int hour, UiPort& ui);
};

// "Choose hour and offset" over `hours`, with OK and Cancel. True on OK.
ListScreenSetup LoggingHourListSetup(HourTable& hours, UiPort& ui);

class CDlgSetRecordLogging : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRecordLogging(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QPushButton* lineButtons[3];
  QPushButton* penButton;
  QComboBox* autoStart;
  QComboBox* autoDelete;
  QComboBox* charCode;
  QComboBox* rate;
  QComboBox* seconds;
  QComboBox* minutes;
  QPushButton* hourButton;
  QLineEdit* dateline;
  QCheckBox* days[7];

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  LoggingBlock& logging_;
  WorkingCopy<HeaderLines> headers_;
  WorkingCopy<LoggingPens> pens_;
  WorkingCopy<HourTable> hours_;
};

bool RunSetRecordLogging(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
