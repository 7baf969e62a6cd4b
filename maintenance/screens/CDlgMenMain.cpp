// "Maintenance": one button per row of the menu table.
#include <QGridLayout>
#include <QPushButton>

#include "editors/toolkit/editor_text.h"
#include "maintenance/screens/maint_screens.h"
#include "maintenance/screens/schedule_screens.h"
#include "resources/text_ids.h"

namespace tk48::maint {
namespace {

struct MenuRow {
  int textId;
  void (*run)(QWidget*, MaintEnv&);  // nullptr: not on this menu yet (the button is disabled)
};

constexpr MenuRow kMenu[] = {
    {text::kMenDateTime, RunMenTime},     {text::kMenMac, RunMenMac},
    {text::kMenVersion, RunMenVer},       {text::kMenSysLog, RunMenSysLog},
    {text::kMenPreset, RunMenPriSum},     {text::kMenInit, RunMenInit},
    {text::kMenDisk, RunMenSdUse},        {text::kMenFtpTest, RunFtpTest},
    {text::kMenTestMail, RunMenMailTest}, {text::kMenImages, RunMenUserJpg},
    {text::kMenTrend, RunMenTrend},       {text::kMenLogging, RunMenLogging},
    {text::kMenEventClear, RunEventClear}, {text::kMenView, RunMenUserView},
    {text::kMenRestart, RunMenOpe},       {text::kMenOneTime, RunOneTimeAssignment},
    {text::kMenPermanent, RunPermanentAssignment}, {text::kMenOutputTypes, RunOutputTypes},
};

}  // namespace

CDlgMenMain::CDlgMenMain(QWidget* parent, MaintEnv& env) : MaintScreen(parent, env, text::kMaintenance) {
  auto* grid = new QGridLayout;
  int i = 0;
  for (const MenuRow& row : kMenu) {
    auto* button = new QPushButton(Tx(row.textId), this);
    button->setAutoDefault(false);
    button->setEnabled(row.run != nullptr);
    if (row.run) connect(button, &QPushButton::clicked, this, [this, run = row.run] { run(this, env_); });
    grid->addWidget(button, i / 2, i % 2);
    ++i;
  }
  layout_->insertLayout(0, grid);
  AddBack();
}

bool RunMenMain(QWidget* parent, MaintEnv& env) {
  CDlgMenMain menu(parent, env);
  menu.exec();
  return true;
}

}  // namespace tk48::maint
