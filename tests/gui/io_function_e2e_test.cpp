// End to end through the application's own screens: MA010 scaling with its
// constants and a zone that switches MD250, MD250 an AND over MD240 to
// MD244, Save file and Read file: everything as entered, and the MD
// cross-reference names MA010 for MD250.
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "editors/io/CDlgSetIo.h"
#include "editors/io/CDlgSetIoArea.h"
#include "editors/io/CDlgSetIoMaCh.h"
#include "editors/io/CDlgSetIoMaFunc.h"
#include "editors/io/CDlgSetIoMdCh.h"
#include "editors/io/CDlgSetIoMdUsed.h"
#include "editors/io/action_lists.h"
#include "gui_fixture.h"

namespace tk48::test {
namespace {

constexpr int kMaButton = 4, kMdButton = 5;

void EnterMa010(CDlgSetIo& menu) {
  WhenModal<ListScreen>([](ListScreen& mas) {
    WhenModal<CDlgSetIoMaCh>([](CDlgSetIoMaCh& ma) {
      PickEntry(ma.function, kMaScaling);
      ma.name->setText("level");
      WhenModal<CDlgSetIoMaFunc>([](CDlgSetIoMaFunc& f) {
        f.Field(false, 1)->setText("4");
        f.Field(false, 2)->setText("20");
        f.Field(false, 3)->setText("0");
        f.Field(false, 4)->setText("1000");
        Click(f.okButton);
      });
      Click(ma.functionButton);
      WhenModal<CDlgSetIoArea>([](CDlgSetIoArea& zones) {
        PickEntry(zones.partitions, 1);  // two zones
        WhenModal<ActionListDialog>([](ActionListDialog& mds) {
          WhenModal<ActionStateDialog>([](ActionStateDialog& state) {
            state.state->setCurrentIndex(1);
            state.accept();
          });
          DoubleClickRow(*mds.list(), 249);  // MD250
          Click(mds.backButton());
        });
        Click(zones.zone[1].actions[0]);
        Click(zones.okButton);
      });
      Click(ma.zonesButton);
      Click(ma.okButton);
    });
    DoubleClickRow(*mas.list(), 9);
    Click(mas.backButton());
  });
  Click(menu.button(kMaButton));
}

void EnterMd250(CDlgSetIo& menu) {
  WhenModal<ListScreen>([](ListScreen& mds) {
    WhenModal<CDlgSetIoMdCh>([](CDlgSetIoMdCh& md) {
      PickEntry(md.function, CDlgSetIoMdCh::kAnd);
      md.contEnable->click();
      PickEntry(md.contType, 1);  // MD
      md.contStart->setCurrentIndex(239);
      md.contCount->setCurrentIndex(3);  // 5
      Click(md.okButton);
    });
    DoubleClickRow(*mds.list(), 249);
    Click(mds.backButton());
  });
  Click(menu.button(kMdButton));
}

TEST_F(GuiTest, FunctionRegistersThroughTheInputOutputMenu) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/functions.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);

  SaveAndReadBack(
      window, file,
      [](CDlgSetMain& hub) {
        WhenModal<CDlgSetIo>([](CDlgSetIo& menu) {
          EnterMa010(menu);
          EnterMd250(menu);
          menu.reject();
        });
        Click(hub.ScreenButton(Screen::InputOutput));
      },
      [](CDlgSetMain& hub, const SettingData& r) {
        const MaCh& ma = r.IO.MA[9];
        EXPECT_EQ(ma.TYPE, kMaScaling);
        EXPECT_STREQ(ma.NAME, "level");
        EXPECT_EQ(ma.CONST.K[1], 4);
        EXPECT_EQ(ma.CONST.K[2], 20);
        EXPECT_EQ(ma.CONST.K[3], 0);
        EXPECT_EQ(ma.CONST.K[4], 1000);
        EXPECT_EQ(ma.USE_AREAS, 2);
        EXPECT_EQ(ma.AREA[1].MD_ON[7], 1u << 25);  // MD250
        const MdCh& md = r.IO.MD[249];
        EXPECT_EQ(md.TYPE, CDlgSetIoMdCh::kAnd);
        EXPECT_EQ(md.INPUT_CONT.CH.kind, 1);
        EXPECT_EQ(md.INPUT_CONT.CH.no, 240);
        EXPECT_EQ(md.INPUT_CONT.CN, 5);
        // The cross-reference from the MD list names MA010's zone 2 for MD250.
        WhenModal<CDlgSetIo>([](CDlgSetIo& menu) {
          WhenModal<ListScreen>([](ListScreen& mds) {
            WhenModal<CDlgSetIoMdUsed>([](CDlgSetIoMdUsed& view) {
              const QAbstractItemModel& rows = *view.list()->model();
              int at = -1;
              for (int row = 0; row < rows.rowCount() && at < 0; ++row)
                if (rows.index(row, 0).data().toString() == "MD250") at = row;
              ASSERT_GE(at, 0);
              EXPECT_EQ(rows.index(at, 1).data().toString(), "I/O (MA010)");
              EXPECT_EQ(rows.index(at, 2).data().toString(), "Zone 2 ");
              view.reject();
            });
            Click(mds.button(0));
            Click(mds.backButton());
          });
          Click(menu.button(kMdButton));
          menu.reject();
        });
        Click(hub.ScreenButton(Screen::InputOutput));
      });
  EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."});
}

}  // namespace
}  // namespace tk48::test
