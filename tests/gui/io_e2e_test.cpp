// End to end through the application's own screens: New setting, the hub's
// Input/Output menu, a slave and an analog input with zones and an alarm
// output, Save file and Read file; then the slave deleted with its channels in
// the hub of a Read file, Save file and Read file.
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "editors/io/CDlgSetIo.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoArea.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/CDlgSetIoNodeConf.h"
#include "editors/io/action_lists.h"
#include "gui_fixture.h"

namespace tk48::test {
namespace {

QPushButton* MenuButton(CDlgSetIo& menu, int index) { return menu.button(index); }

// In the hub: Input/Output, then `act` on the menu; Back closes it.
void InInputOutput(CDlgSetMain& hub, std::function<void(CDlgSetIo&)> act) {
  WhenModal<CDlgSetIo>([act](CDlgSetIo& menu) {
    act(menu);
    menu.reject();
  });
  Click(hub.ScreenButton(Screen::InputOutput));
}

// Slave `slave` gets `address` in the slave list; the 212 question, if any, is answered by the port.
void SetSlaveAddress(CDlgSetIo& menu, int slave, const QString& address) {
  WhenModal<CDlgSetIoNode>([slave, address](CDlgSetIoNode& slaves) {
    WhenModal<CDlgSetIoNodeConf>([address](CDlgSetIoNodeConf& editor) {
      editor.address->SetAddress(address);
      Click(editor.okButton);
    });
    DoubleClickRow(*slaves.list(), slave);
    Click(slaves.backButton());
  });
  Click(MenuButton(menu, 0));
}

TEST_F(GuiTest, SlaveAndAnalogInputThroughTheInputOutputMenu) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/io.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);

  SaveAndReadBack(
      window, file,
      [&](CDlgSetMain& hub) {
        InInputOutput(hub, [&](CDlgSetIo& menu) {
          SetSlaveAddress(menu, 3, "192.168.0.3");
          WhenModal<ListScreen>([](ListScreen& ais) {
            WhenModal<CDlgSetIoAiCh>([](CDlgSetIoAiCh& ai) {
              PickEntry(ai.kind, CDlgSetIoAiCh::kModbusTcp);
              ai.slaveNo->setText("3");
              ai.name->setText("flow");
              WhenModal<CDlgSetIoArea>([](CDlgSetIoArea& zones) {
                PickEntry(zones.partitions, 2);  // three zones
                zones.zone[2].name->setText("high");
                WhenModal<ActionListDialog>([](ActionListDialog& mds) {
                  WhenModal<ActionStateDialog>([](ActionStateDialog& state) {
                    state.state->setCurrentIndex(1);
                    state.accept();
                  });
                  DoubleClickRow(*mds.list(), 4);  // MD005
                  Click(mds.backButton());
                });
                Click(zones.zone[2].actions[0]);
                Click(zones.okButton);
              });
              Click(ai.zonesButton);
              Click(ai.okButton);
            });
            DoubleClickRow(*ais.list(), 6);
            EXPECT_EQ(ais.list()->model()->index(6, 1).data().toString(), "flow");
            Click(ais.backButton());
          });
          Click(MenuButton(menu, 1));
        });
      },
      [](CDlgSetMain&, const SettingData& r) {
        EXPECT_STREQ(r.IO.NODE_CONF.NODE[3], "192.168.0.3");
        const AiCh& ai = r.IO.AI[6];
        EXPECT_EQ(ai.TYPE, kTypeModbusTcp);
        EXPECT_EQ(ai.MOD_NODE, 3);
        EXPECT_STREQ(ai.NAME, "flow");
        EXPECT_EQ(ai.USE_AREAS, 3);
        EXPECT_STREQ(ai.AREA[2].AREA_NAME, "high");
        EXPECT_EQ(ai.AREA[2].MD_ON[0], 1u << 4);
      });
  ASSERT_EQ(Texts(), std::vector<std::string>{"File saved."});

  // Slave 3 loses its address in the hub of a Read file, and AI007 goes with it.
  SaveAndReadBack(
      window, file,
      [&](CDlgSetMain& hub) {
        ui.messages.clear();
        ui.answers = {Answer::Ok};
        InInputOutput(hub, [](CDlgSetIo& menu) { SetSlaveAddress(menu, 3, ""); });
        EXPECT_EQ(Texts(), std::vector<std::string>{"I/O channels of deleted node(s) will be disabled."});
      },
      [](CDlgSetMain&, const SettingData& r) {
        EXPECT_EQ(r.IO.AI[6].TYPE, kTypeNone);
        EXPECT_STREQ(r.IO.AI[6].NAME, "flow") << "only the TYPE changes";
        EXPECT_EQ(r.IO.NODE_CONF.NODE[3][0], '\0');
      },
      [&] {
        ui.files = {file};
        Click(window.ReadFileButton());
      });
}

}  // namespace
}  // namespace tk48::test
