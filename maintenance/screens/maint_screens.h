#pragma once
// The maintenance menu and its screens. Each is a short-lived modal dialog;
// every operation opens and closes its own connection through MaintEnv. The
// menus that name channels, templates or pages download the setting data into
// the maintenance record first and do not open when that fails.
#include <QDialog>
#include <array>
#include <functional>

#include "maintenance/screens/maint_env.h"

class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace tk48::maint {

// The look the maintenance screens share: fields in a form, a row of command
// buttons, "Back"; Enter closes like Back.
class MaintScreen : public QDialog {
  Q_OBJECT

 public:
  MaintScreen(QWidget* parent, MaintEnv& env, int titleId);

 protected:
  QPushButton* AddCommand(int textId, std::function<void()> run);
  // A read-only line showing `text`, labelled.
  QLineEdit* AddShown(int labelId, const std::string& text);
  void AddBack();

  MaintEnv& env_;
  QVBoxLayout* layout_;
  QFormLayout* form_;
  QHBoxLayout* commands_;
};

class CDlgMenMain : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenMain(QWidget* parent, MaintEnv& env);
};

class CDlgMenTime : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenTime(QWidget* parent, MaintEnv& env);
  std::array<QLineEdit*, 6> fields{};
 private:
  void Apply();
};

class CDlgMenMac : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenMac(QWidget* parent, MaintEnv& env, const std::string& mac);
};

class CDlgMenVer : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenVer(QWidget* parent, MaintEnv& env, const std::string& version);
};

class CDlgMenSysLog : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenSysLog(QWidget* parent, MaintEnv& env, const std::string& log);
  QPlainTextEdit* text = nullptr;
};

class CDlgMenSdUse : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenSdUse(QWidget* parent, MaintEnv& env, const std::string& free);
};

class CDlgMenInit : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenInit(QWidget* parent, MaintEnv& env);
};

class CDlgMenOpe : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenOpe(QWidget* parent, MaintEnv& env);
};

class CDlgMenLogging : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenLogging(QWidget* parent, MaintEnv& env);
  QPushButton* toggle = nullptr;
};

class CDlgMenTrend : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenTrend(QWidget* parent, MaintEnv& env);
  QComboBox* page = nullptr;  // pages 1 to 16, then "All pages"
};

class CDlgMenMailTest : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenMailTest(QWidget* parent, MaintEnv& env);
  QComboBox* mail = nullptr;  // templates 1 to 128, then the regular report
};

class CDlgMenPriSum : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenPriSum(QWidget* parent, MaintEnv& env);
  QComboBox* family = nullptr;
  QComboBox* channel = nullptr;
  QLineEdit* value = nullptr;
};

class CDlgMenUserJpg : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenUserJpg(QWidget* parent, MaintEnv& env);
  std::array<QLineEdit*, 3> paths{};
};

class CDlgMenUserView : public MaintScreen {
  Q_OBJECT
 public:
  CDlgMenUserView(QWidget* parent, MaintEnv& env);
  QLineEdit* folder = nullptr;
};

// The menu, opened by the main window after its connection check.
bool RunMenMain(QWidget* parent, MaintEnv& env);
// The menu's buttons, each a screen or a command.
void RunMenTime(QWidget* parent, MaintEnv& env);
void RunMenMac(QWidget* parent, MaintEnv& env);
void RunMenVer(QWidget* parent, MaintEnv& env);
void RunMenSysLog(QWidget* parent, MaintEnv& env);
void RunMenPriSum(QWidget* parent, MaintEnv& env);
void RunMenInit(QWidget* parent, MaintEnv& env);
void RunMenSdUse(QWidget* parent, MaintEnv& env);
void RunFtpTest(QWidget* parent, MaintEnv& env);
void RunMenMailTest(QWidget* parent, MaintEnv& env);
void RunMenUserJpg(QWidget* parent, MaintEnv& env);
void RunMenTrend(QWidget* parent, MaintEnv& env);
void RunMenLogging(QWidget* parent, MaintEnv& env);
void RunEventClear(QWidget* parent, MaintEnv& env);
void RunMenUserView(QWidget* parent, MaintEnv& env);
void RunMenOpe(QWidget* parent, MaintEnv& env);

}  // namespace tk48::maint
