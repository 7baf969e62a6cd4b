// End to end through the application's own screens: New setting, the
// process operation monitor, Save file, then Read file shows the process.
#include <QComboBox>
#include <QTemporaryDir>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "editors/CDlgSetOpemon.h"
#include "gui_fixture.h"
#include "model/defaults.h"

namespace tk48::test {
namespace {

TEST_F(GuiTest, ProcessEditsSurviveSaveAndReadFile) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/plant.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);

  WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
    WhenModal<ListScreen>([](ListScreen& processes) {
      WhenModal<CDlgSetOpemonProc>([](CDlgSetOpemonProc& proc) {
        Pick(proc.type[0], 4);  // DI
        Pick(proc.channel[0], 0);  // DI001
        Pick(proc.type[1], 2);  // MD
        Pick(proc.channel[1], 9);  // MD010
        proc.OkStep();
      });
      DoubleClickRow(processes.list(), 0);
      Click(processes.backButton());
    });
    Click(hub.ScreenButton(Screen::ProcessMonitor));
    ui.files = {file};
    Click(hub.SaveFileButton());
    EXPECT_EQ(ui.Last(), "File saved.");
    Click(hub.BackButton());
  });
  Click(window.NewSettingButton());

  ApplyDefaults(window.Record());
  bool checked = false;
  WhenModal<CDlgSetMain>([&](CDlgSetMain& hub) {
    checked = true;
    const OpemonProc& p = window.Record().OPEMON.PROC[0];
    EXPECT_EQ(p.CH[0].kind, 4);
    EXPECT_EQ(p.CH[0].no, 1);
    EXPECT_EQ(p.CH[1].kind, 5);
    EXPECT_EQ(p.CH[1].no, 10);
    EXPECT_EQ(p.CH[2].kind, 0);
    EXPECT_EQ(p.CH[2].no, 1);
    Click(hub.BackButton());
  });
  ui.files = {file};
  Click(window.ReadFileButton());
  EXPECT_TRUE(checked);
  EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."});
}

}  // namespace
}  // namespace tk48::test
