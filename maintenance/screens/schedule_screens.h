#pragma once
// The schedule maintenance screens: the unit list, the one-time and the
// permanent assignment lists with their "Change setting" screens, and the
// output types with their two tabs. Every read and every put opens its own
// connection; a local copy changes only after its put succeeded.
#include <QDialog>

#include "editors/toolkit/list_screen.h"
#include "maintenance/schedule_files.h"
#include "maintenance/schedule_view.h"
#include "maintenance/screens/maint_env.h"

class QComboBox;
class QTabWidget;

namespace tk48::maint {

// "Schedule unit list": the units in use; a double-click reads the unit's schedule and opens its list.
class CDlgMenSchUnitList : public ListScreen {
  Q_OBJECT
 public:
  using ListScreen::ListScreen;
};

// "One-time schedule assignment": the unit's seven days.
class CDlgMenPatternList : public ListScreen {
  Q_OBJECT
 public:
  using ListScreen::ListScreen;
};

// "Permanent schedule setting": the unit's ten entries.
class CDlgMenSchPerList : public ListScreen {
  Q_OBJECT
 public:
  using ListScreen::ListScreen;
};

// "Change setting" of a one-time day: the pattern and its outputs.
class CDlgMenPatternConf : public QDialog {
  Q_OBJECT
 public:
  CDlgMenPatternConf(QWidget* parent, MaintEnv& env, int unit, ScheduleDay& day);
  QComboBox* pattern = nullptr;

 private:
  void Ok();
  MaintEnv& env_;
  int unit_;
  ScheduleDay& day_;
  ListView* outputs_ = nullptr;
};

// "Change setting" of a permanent entry: the date, the pattern and its outputs.
class CDlgMenSchPerConf : public QDialog {
  Q_OBJECT
 public:
  CDlgMenSchPerConf(QWidget* parent, MaintEnv& env, int unit, int entry, PermanentUnit& entries);
  QComboBox* year = nullptr;
  QComboBox* month = nullptr;
  QComboBox* day = nullptr;
  QComboBox* pattern = nullptr;

 private:
  void Ok();
  MaintEnv& env_;
  int unit_, entry_;
  PermanentUnit& entries_;
  ListView* outputs_ = nullptr;
};

// The tabs of "Schedule output type maintenance": the listed outputs of a family.
class CDlgMenSchMainteMd : public ListView {
  Q_OBJECT
 public:
  using ListView::ListView;
};
class CDlgMenSchMainteDo : public ListView {
  Q_OBJECT
 public:
  using ListView::ListView;
};

// "Schedule output type maintenance": the "MD" and "DO" tabs.
class CDlgMenSchMainte : public QDialog {
  Q_OBJECT
 public:
  CDlgMenSchMainte(QWidget* parent, MaintEnv& env, const SettingData& record, OutputTypesFile& types);
  QTabWidget* tabs = nullptr;
  CDlgMenSchMainteMd* md = nullptr;
  CDlgMenSchMainteDo* dout = nullptr;

 private:
  std::vector<OutputTypeRow> mdRows_, doRows_;
};

// "Change output type".
class CDlgMenSchMainteConf : public QDialog {
  Q_OBJECT
 public:
  CDlgMenSchMainteConf(QWidget* parent, MaintEnv& env, std::uint16_t family, int channel, OutputTypesFile& types);
  QComboBox* type = nullptr;

 private:
  void Ok();
  MaintEnv& env_;
  std::uint16_t family_;
  int channel_;
  OutputTypesFile& types_;
};

void RunOneTimeAssignment(QWidget* parent, MaintEnv& env);
void RunPermanentAssignment(QWidget* parent, MaintEnv& env);
void RunOutputTypes(QWidget* parent, MaintEnv& env);

}  // namespace tk48::maint
