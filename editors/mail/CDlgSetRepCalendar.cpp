#include "editors/mail/CDlgSetRepCalendar.h"

#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "model/day_marks.h"
#include "model/defaults.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kLastYear = kCalendarFirstYear + kCalendarYears - 1;
constexpr int kWeeks = 6, kWeekdays = 7;
constexpr int kNational = 7;  // the "祝" box after "Sun" .. "Sat"

bool Marked(const std::uint32_t (&masks)[kCalendarYears][12], int year, int month, int day) {
  return ((masks[year - kCalendarFirstYear][month - 1] >> (day - 1)) & 1u) != 0;
}

// The grid cell of day 1: its weekday.
int FirstCell(int year, int month) { return Weekday(year, month, 1); }

QString MonthTitle(int year, int month) {
  return Tx(text::kMonths[month] - 1) + QUtf8Text(FormatText(text::kCalendarYearSuffix, year));
}

void Paint(QWidget* cell, QColor colour) {
  QPalette palette = cell->palette();
  palette.setColor(QPalette::Window, colour);
  cell->setPalette(palette);
  cell->setAutoFillBackground(true);
}

}  // namespace

QColor CalendarDayColour(bool nonBusiness, bool holiday) {
  if (nonBusiness && holiday) return Qt::green;
  if (holiday) return Qt::red;
  if (nonBusiness) return Qt::cyan;
  return Qt::white;
}

// ---- month display ----

CDlgSetRepCalendarDsp::CDlgSetRepCalendarDsp(QWidget* parent) : QWidget(parent) {}

void CDlgSetRepCalendarDsp::Show(const CalendarMarks& marks, int year, int month) {
  marks_ = &marks;
  year_ = year;
  month_ = month;
  update();
}

QColor CDlgSetRepCalendarDsp::DayColour(int day) const {
  if (!marks_) return Qt::white;
  return CalendarDayColour(Marked(marks_->WORK_DAY, year_, month_, day), Marked(marks_->HOLIDAY, year_, month_, day));
}

QSize CDlgSetRepCalendarDsp::sizeHint() const { return {kWeekdays * 24, kWeeks * 18}; }

void CDlgSetRepCalendarDsp::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width() / kWeekdays, h = height() / kWeeks;
  const int first = FirstCell(year_, month_);
  for (int day = 1, n = MonthDays(year_, month_); day <= n; ++day) {
    const int cell = first + day - 1;
    const QRect box((cell % kWeekdays) * w, (cell / kWeekdays) * h, w - 1, h - 1);
    painter.fillRect(box, DayColour(day));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, QString::number(day));
  }
}

// ---- month screen ----

CDlgSetRepCalendarConf::CDlgSetRepCalendarConf(QWidget* parent, CalendarMarks& marks, int year, int month,
                                               UiPort& ui)
    : ItemEditor(parent, ui) {
  setWindowTitle(MonthTitle(year, month));
  auto* grid = new QGridLayout;
  for (int d = 0; d < kWeekdays; ++d)
    grid->addWidget(new QLabel(Tx(text::kWeekdaysShort[d]), this), 0, d, Qt::AlignCenter);
  const int first = FirstCell(year, month);
  const int days = MonthDays(year, month);
  std::uint32_t& workDay = marks.WORK_DAY[year - kCalendarFirstYear][month - 1];
  std::uint32_t& holidays = marks.HOLIDAY[year - kCalendarFirstYear][month - 1];
  for (int cell = 0; cell < kWeeks * kWeekdays; ++cell) {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    const int day = cell - first + 1;
    grid->addWidget(box, 1 + cell / kWeekdays, cell % kWeekdays);
    if (day < 1 || day > days) {
      box->setEnabled(false);  // outside the month
      continue;
    }
    column->addWidget(new QLabel(QString::number(day), box));
    auto* off = new QCheckBox(Tx(text::kNonBusinessDay), box);
    auto* hol = new QCheckBox(Tx(text::kHoliday), box);
    Name(off, SubName(QString::number(day), Tx(text::kNonBusinessDay)));
    Name(hol, SubName(QString::number(day), Tx(text::kHoliday)));
    column->addWidget(off);
    column->addWidget(hol);
    fields_.Bit(off, workDay, day - 1);
    fields_.Bit(hol, holidays, day - 1);
    for (QCheckBox* b : {off, hol}) connect(b, &QCheckBox::toggled, this, [this] { UpdateEnables(); });
    nonBusiness.push_back(off);
    holiday.push_back(hol);
    cells_.push_back(box);
  }
  OkCancelColumn({grid});
  Start();
}

void CDlgSetRepCalendarConf::UpdateEnables() {
  // Not enables: the cells follow their boxes' colours.
  for (std::size_t i = 0; i < cells_.size(); ++i)
    Paint(cells_[i], CalendarDayColour(nonBusiness[i]->isChecked(), holiday[i]->isChecked()));
}

// ---- calendar ----

CDlgSetRepCalendar::CDlgSetRepCalendar(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui), calendar_(record.MAIL_REPORT.CALENDAR), marks_{} {
  setWindowTitle(Tx(text::kEmailingCalendar));
  std::memcpy(marks_.WORK_DAY, calendar_.WORK_DAY, sizeof marks_.WORK_DAY);
  std::memcpy(marks_.HOLIDAY, calendar_.HOLIDAY, sizeof marks_.HOLIDAY);

  auto* hours = new QGroupBox(Tx(text::kBusinessHour), this);
  auto* hourGrid = new QGridLayout(hours);
  for (int i = 0; i < 6; ++i) {
    Period& p = periods[static_cast<std::size_t>(i)];
    p = {NumberList(this, 0, 23), NumberList(this, 0, 59), NumberList(this, 0, 23), NumberList(this, 0, 59)};
    fields_.Time(p.startHour, p.startMinute, calendar_.WORK_HOUR[i].START);
    fields_.Time(p.endHour, p.endMinute, calendar_.WORK_HOUR[i].END);
    const QString period = Tx(text::kBusinessHour) + QString::number(i + 1);
    QComboBox* const lists[4] = {p.startHour, p.startMinute, p.endHour, p.endMinute};
    hourGrid->addWidget(new QLabel(QString::number(i + 1), hours), i + 1, 0);
    for (int k = 0; k < 4; ++k) {
      Name(lists[k], SubName(period, Tx(text::kBusinessHourColumns[k])));
      hourGrid->addWidget(lists[k], i + 1, k + 1);
    }
  }
  for (int k = 0; k < 4; ++k) hourGrid->addWidget(new QLabel(Tx(text::kBusinessHourColumns[k]), hours), 0, k + 1);

  auto* days = new QGroupBox(Tx(text::kBusinessDaySetting), this);
  auto* dayGrid = new QGridLayout(days);
  const int rowLabels[2] = {text::kNonBusinessDay, text::kHoliday};
  for (int row = 0; row < 2; ++row) {
    dayGrid->addWidget(new QLabel(Tx(rowLabels[row]), days), row, 0);
    for (int b = 0; b < 8; ++b) {
      const int label = b < kNational ? text::kWeekdaysShort[b] : text::kNationalDay;
      auto* box = new QCheckBox(Tx(label), days);
      Name(box, SubName(rowLabels[row], label));
      dayBoxes[static_cast<std::size_t>(row)][static_cast<std::size_t>(b)] = box;
      dayGrid->addWidget(box, row, 1 + b);
    }
    auto* set = new QPushButton(Tx(text::kCalendarSet), days);
    set->setAutoDefault(false);
    Name(set, SubName(rowLabels[row], text::kCalendarSet));
    connect(set, &QPushButton::clicked, this, [this, row] { SetRow(row); });
    setButtons[static_cast<std::size_t>(row)] = set;
    dayGrid->addWidget(set, row, 9);
  }

  year = NumberList(this, kCalendarFirstYear, kLastYear);
  year->setCurrentIndex(std::clamp(QDate::currentDate().year(), kCalendarFirstYear, kLastYear) - kCalendarFirstYear);
  connect(year, &QComboBox::activated, this, [this] { RefreshMonths(); });
  auto* yearRow = new QFormLayout;
  AddRow(yearRow, text::kCalendarYear, year);

  auto* monthGrid = new QGridLayout;
  for (int m = 1; m <= 12; ++m) {
    auto* button = new QPushButton(Tx(text::kMonths[m] - 1), this);
    button->setAutoDefault(false);
    auto* display = new CDlgSetRepCalendarDsp(this);
    connect(button, &QPushButton::clicked, this, [this, m] {
      CDlgSetRepCalendarConf(this, marks_, shownYear(), m, ui_).exec();
      months[static_cast<std::size_t>(m - 1)]->update();
    });
    monthButtons[static_cast<std::size_t>(m - 1)] = button;
    months[static_cast<std::size_t>(m - 1)] = display;
    auto* column = new QVBoxLayout;
    column->addWidget(button);
    column->addWidget(display);
    monthGrid->addLayout(column, (m - 1) / 4, (m - 1) % 4);
  }
  RefreshMonths();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hours);
  layout->addWidget(days);
  layout->addLayout(yearRow);
  layout->addLayout(monthGrid);
  layout->addWidget(OkCancelButtons().box);
  Start();
}

int CDlgSetRepCalendar::shownYear() const { return kCalendarFirstYear + year->currentIndex(); }

void CDlgSetRepCalendar::RefreshMonths() {
  for (int m = 1; m <= 12; ++m) months[static_cast<std::size_t>(m - 1)]->Show(marks_, shownYear(), m);
}

void CDlgSetRepCalendar::SetRow(int row) {
  const auto& boxes = dayBoxes[static_cast<std::size_t>(row)];
  std::uint8_t weekdays = 0;
  for (int w = 0; w < kNational; ++w)
    if (boxes[static_cast<std::size_t>(w)]->isChecked()) weekdays |= static_cast<std::uint8_t>(1u << w);
  GenerateDayMarks(row == 0 ? marks_.WORK_DAY : marks_.HOLIDAY, weekdays, boxes[kNational]->isChecked());
  RefreshMonths();
}

bool CDlgSetRepCalendar::CrossCheck() {
  for (int i = 0; i < 6; ++i) {
    const Period& p = periods[static_cast<std::size_t>(i)];
    if (!checks_.EndAfterStart({p.startHour, p.startMinute}, {p.endHour, p.endMinute},
                               FormatText(text::kBusinessHourError, i + 1)))
      return false;
  }
  return true;
}

void CDlgSetRepCalendar::Commit() {
  ItemEditor::Commit();
  std::memcpy(calendar_.WORK_DAY, marks_.WORK_DAY, sizeof marks_.WORK_DAY);
  std::memcpy(calendar_.HOLIDAY, marks_.HOLIDAY, sizeof marks_.HOLIDAY);
}

bool RunSetRepCalendar(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetRepCalendar dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
