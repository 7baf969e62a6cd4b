#pragma once
// "E-mailing calendar": six business-hour periods and, for every day from
// 2015 to 2099, a non-business-day mark and a holiday mark. The screen edits
// a copy of both calendars; the month screen writes one month into it; OK
// checks the periods and stores everything.
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QPushButton>
#include <array>
#include <vector>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

struct CalendarMarks {
  std::uint32_t WORK_DAY[kCalendarYears][12];
  std::uint32_t HOLIDAY[kCalendarYears][12];
};

// White: neither mark; red: holiday only; cyan: non-business day only; green: both.
QColor CalendarDayColour(bool nonBusiness, bool holiday);

// One month as a 6 x 7 grid (Sunday first), each day in its colour.
class CDlgSetRepCalendarDsp : public QWidget {
  Q_OBJECT

 public:
  explicit CDlgSetRepCalendarDsp(QWidget* parent);
  void Show(const CalendarMarks& marks, int year, int month);
  // The colour day `day` is drawn in.
  QColor DayColour(int day) const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const CalendarMarks* marks_ = nullptr;
  int year_ = kCalendarFirstYear;
  int month_ = 1;
};

// One month's marks ("January 2024"): a 6 x 7 grid with a non-business-day box
// and a holiday box per day; OK writes the month into `marks`.
class CDlgSetRepCalendarConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepCalendarConf(QWidget* parent, CalendarMarks& marks, int year, int month, UiPort& ui);

  // Day d's boxes are at d - 1.
  std::vector<QCheckBox*> nonBusiness;
  std::vector<QCheckBox*> holiday;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }

 private:
  std::vector<QWidget*> cells_;
};

class CDlgSetRepCalendar : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepCalendar(QWidget* parent, SettingData& record, UiPort& ui);

  struct Period {
    QComboBox* startHour;
    QComboBox* startMinute;
    QComboBox* endHour;
    QComboBox* endMinute;
  };
  std::array<Period, 6> periods;
  // Row 0 "Non-business day", row 1 "Holiday": "Sun" .. "Sat", "祝", and "Set".
  std::array<std::array<QCheckBox*, 8>, 2> dayBoxes;
  std::array<QPushButton*, 2> setButtons;
  QComboBox* year;
  std::array<CDlgSetRepCalendarDsp*, 12> months;
  std::array<QPushButton*, 12> monthButtons;

  const CalendarMarks& marks() const { return marks_; }
  int shownYear() const;

 protected:
  void UpdateEnables() override {}
  bool Validate() override { return true; }
  bool CrossCheck() override;
  void Commit() override;

 private:
  void SetRow(int row);
  void RefreshMonths();

  CalendarBlock& calendar_;
  CalendarMarks marks_;
};

bool RunSetRepCalendar(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
