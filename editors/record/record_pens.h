#pragma once
// The pens of the logging and the report: the pen list ("Pen information",
// 128 rows "PEN%02d") and the pen screen. Logging and report pens differ in
// their types, in "Basic data" (report only) and in which fields a type uses;
// the rest is one screen.
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <iterator>
#include <span>
#include <vector>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

// Which pen fields a type uses.
enum class PenGroup : std::uint8_t {
  None,       // nothing below the type
  Analog,     // AI, PI: sampling, data range, error mode
  BandGated,  // MA, AO: sampling, data range; limits and error mode only with the data range on
  Discrete,   // DI: error mode with the OFF/ON list
  Bare,       // MD, DO, GDO: the channel only
};

// The types in list order: their names, which fields each uses, and the
// PEN_TYPE value and channel family each stores.
struct PenTypes {
  std::vector<int> textIds;
  std::vector<PenGroup> groups;
  std::vector<RefKind> kinds;
};
const PenTypes& LoggingPenTypes();
const PenTypes& ReportPenTypes();

// The pen screen over one pen's fields; `base` is the report's "Basic data".
struct PenFields {
  std::int32_t& PEN_TYPE;
  std::int16_t& CH;
  std::int32_t& SAMPLING;
  std::int32_t* BASE;  // nullptr for logging pens
  PenBand& BAND;
  std::int32_t& ERR_MODE;
  double& ERR_VALUE;
  char (&ERR_CHAR)[25];
};
PenFields FieldsOf(LoggingPen& pen);
PenFields FieldsOf(ReportPen& pen);

class PenScreen : public ItemEditor {
  Q_OBJECT

 public:
  QComboBox* type;
  QComboBox* channel;
  QComboBox* sampling;
  QComboBox* base = nullptr;
  QComboBox* bandMode;
  QLineEdit* upper;
  QLineEdit* lower;
  QComboBox* errorMode;
  QLineEdit* fixedValue;  // analog pens
  QComboBox* onOff;       // discrete pens
  QLineEdit* fixedChars;

 protected:
  PenScreen(QWidget* parent, const SettingData& record, PenFields pen, int index, const PenTypes& types, UiPort& ui);
  void Load() override;
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  PenGroup Group() const;
  bool Analog() const;
  bool LimitsInOrder() const;

  PenFields pen_;
  const PenTypes& types_;
  int loadedType_ = -1;
  int loadedSampling_ = -1;
  QString loadedFixed_;
  int loadedOnOff_ = -1;
};

class CDlgSetRecordLoggingPenConf : public PenScreen {
  Q_OBJECT

 public:
  CDlgSetRecordLoggingPenConf(QWidget* parent, const SettingData& record, LoggingPen& pen, int index, UiPort& ui);
};

class CDlgSetRecordReportPenConf : public PenScreen {
  Q_OBJECT

 public:
  CDlgSetRecordReportPenConf(QWidget* parent, const SettingData& record, ReportPen& pen, int index, UiPort& ui);
};

using LoggingPens = std::array<LoggingPen, 128>;
using ReportPens = std::array<ReportPen, 128>;

// A working copy of a block's pens.
template <class Pen>
std::array<Pen, 128> CopyOfPens(const Pen (&pens)[128]) {
  std::array<Pen, 128> copy{};
  std::copy(std::begin(pens), std::end(pens), copy.begin());
  return copy;
}

// The pen lists over `pens` (a working copy): double-click opens the pen
// screen on a copy of the row, Copy and Paste copy whole pens, OK and Cancel.
ListScreenSetup LoggingPenListSetup(const SettingData& record, std::span<LoggingPen, 128> pens, UiPort& ui);
ListScreenSetup ReportPenListSetup(const SettingData& record, std::span<ReportPen, 128> pens, UiPort& ui);

}  // namespace tk48
