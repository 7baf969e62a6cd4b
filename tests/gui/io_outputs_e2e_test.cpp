// End to end through the application's own screens: slave 1 made SLMP with an
// address, AO05 on it with a Discrete mapping, DO007 with an MD mapping and a
// colour, GDO02 with members; Save file, Read file, and the file's text.
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGDlg.h"
#include "editors/io/CDlgSetIo.h"
#include "editors/io/CDlgSetIoAo.h"
#include "editors/io/CDlgSetIoDo.h"
#include "editors/io/CDlgSetIoGdo.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/CDlgSetIoNodeConf.h"
#include "gui_fixture.h"
#include "model/writer.h"

namespace tk48::test {
namespace {

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(GuiTest, OutputsThroughTheInputOutputMenu) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/outputs.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);

  SaveAndReadBack(
      window, file,
      [&](CDlgSetMain& hub) {
        WhenModal<CDlgSetIo>([&](CDlgSetIo& menu) {
          WhenModal<CDlgSetIoNode>([](CDlgSetIoNode& slaves) {
            WhenModal<CDlgSetIoNodeConf>([](CDlgSetIoNodeConf& slave) {
              PickEntry(slave.slaveType, 1);  // SLMP
              slave.address->SetAddress("192.168.0.11");
              Click(slave.okButton);
            });
            DoubleClickRow(*slaves.list(), 1);
            Click(slaves.backButton());
          });
          Click(menu.button(0));

          EditListRow<CDlgSetIoAoCh>(menu.button(6), 4, [](CDlgSetIoAoCh& ao) {
            PickEntry(ao.point.kind, CDlgSetIoAoCh::kSlmp);
            ao.point.slaveNo->setText("1");
            PickEntry(ao.point.slmp.device, 2);  // "00B4H_Link register (W)"
            ao.point.slmp.hex->setText("1A");
            ao.name->setText("valve");
            WhenModal<CDlgSetIoAoMap>([](CDlgSetIoAoMap& map) {
              PickEntry(map.mode, CDlgSetIoAoMap::kModeDiscrete);
              PickEntry(map.bitType[3], CDlgSetIoAoMap::kBitHigh);
              PickEntry(map.bitType[5], CDlgSetIoAoMap::kBitDi);
              map.bitChannel[5]->setCurrentIndex(6);  // DI007
              map.OkStep();
            });
            Click(ao.mappingButton);
            Click(ao.okButton);
          });

          EditListRow<CDlgSetIoDoCh>(menu.button(7), 6, [this](CDlgSetIoDoCh& d) {
            PickEntry(d.point.kind, CDlgSetIoDoCh::kIoModule);
            d.point.moduleAddress->setText("2");
            d.point.chNo->setText("5");
            d.name->setText("pump");
            PickEntry(d.mappingType, OutputEditor::kMapMd);
            d.mappingChannel->setCurrentIndex(11);  // MD012
            ui.colors.push_back(0x00FF0000);
            Click(d.onColour);
            Click(d.okButton);
          });

          EditListRow<CDlgSetIoGdoCh>(menu.button(8), 1, [](CDlgSetIoGdoCh& g) {
            PickEntry(g.mode, 1);
            g.name->setText("group");
            WhenModal<CDlgSetIoGdoIncCh>([](CDlgSetIoGdoIncCh& member) {
              PickEntry(member.type, CDlgSetIoGdoIncCh::kTypeMd);
              member.channel->setCurrentIndex(2);  // MD003
              member.OkStep();
            });
            DoubleClickRow(*g.members, 0);
            WhenModal<CDlgSetIoGdoIncCh>([](CDlgSetIoGdoIncCh& member) {
              PickEntry(member.type, CDlgSetIoGdoIncCh::kTypeDo);
              member.channel->setCurrentIndex(0);  // DO001
              member.OkStep();
            });
            DoubleClickRow(*g.members, 1);
            Click(g.okButton);
          });
          menu.reject();
        });
        Click(hub.ScreenButton(Screen::InputOutput));
      },
      [&](CDlgSetMain&, const SettingData& r) {
        EXPECT_EQ(r.IO.NODE_CONF.NODE_TYPE[1], 1);
        const AoCh& ao = r.IO.AO[4];
        EXPECT_EQ(ao.TYPE, kTypeSlmp);
        EXPECT_EQ(ao.MOD_NODE, 1);
        EXPECT_EQ(ao.SLMP_DEV_CODE, 0x00B4);
        EXPECT_EQ(ao.SLMP_DEV_NO, 26u);
        EXPECT_EQ(ao.MOD_TYPE, 4);
        EXPECT_STREQ(ao.NAME, "valve");
        EXPECT_EQ(ao.IO_MAPPING.MODE, 2);
        EXPECT_EQ(ao.IO_MAPPING.BIT[3].kind, 1);
        EXPECT_EQ(ao.IO_MAPPING.BIT[3].no, 0);
        EXPECT_EQ(ao.IO_MAPPING.BIT[5].kind, 2);
        EXPECT_EQ(ao.IO_MAPPING.BIT[5].no, 7);
        const DoCh& d = r.IO.DO[6];
        EXPECT_EQ(d.TYPE, kTypeCard);
        EXPECT_EQ(d.CARD_NO, 2);
        EXPECT_EQ(d.CARD_CH, 5);
        EXPECT_EQ(d.IO_MAPPING.kind, 2);
        EXPECT_EQ(d.IO_MAPPING.no, 12);
        EXPECT_EQ(d.STATUS.ON.DISP_COLOR, 0x00FF0000u);
        const GdoCh& g = r.IO.GDO[1];
        EXPECT_EQ(g.MODE, 1);
        EXPECT_STREQ(g.NAME, "group");
        EXPECT_EQ(g.CH[0].kind, 2);
        EXPECT_EQ(g.CH[0].no, 3);
        EXPECT_EQ(g.CH[1].kind, 1);
        EXPECT_EQ(g.CH[1].no, 1);
        // The file says what was entered: a fixed bit without a number.
        const std::string text = FileText(file);
        EXPECT_EQ(text, ConfigurationText(r));
        for (const char* piece : {"<BIT3>HIGH</BIT3>", "<BIT5>DI7</BIT5>", "<IO_MAPPING>MD12</IO_MAPPING>",
                                  "<CH1>MD3</CH1>", "<CH2>DO1</CH2>"})
          EXPECT_NE(text.find(piece), std::string::npos) << piece;
      });
  EXPECT_EQ(Texts(), std::vector<std::string>{"File saved."}) << "Read file shows nothing";
}

// The mapping screen keeps what its lists show: a Mode picked away and back
// clears the working block, and OK stores the chosen mode's part from the
// lists as they stand, so the file holds what the screen showed.
TEST_F(GuiTest, AoMappingStoresWhatItsListsShowAfterModeChanges) {
  Start();
  QTemporaryDir dir;
  const std::string file = (dir.path() + "/mapping.xml").toStdString();
  CTK48CFGDlg window(app);
  Show(window);
  // Opens AO `row`'s mapping from the AO list, runs `act` on it, then OK on both screens.
  const auto onMapping = [](CDlgSetIo& menu, int row, const std::function<void(CDlgSetIoAoCh&)>& onChannel,
                            const std::function<void(CDlgSetIoAoMap&)>& act) {
    EditListRow<CDlgSetIoAoCh>(menu.button(6), row, [&](CDlgSetIoAoCh& ao) {
      onChannel(ao);
      WhenModal<CDlgSetIoAoMap>([&](CDlgSetIoAoMap& map) {
        act(map);
        Click(ButtonNamed(map, "OK"));
      });
      Click(ao.mappingButton);
      Click(ao.okButton);
    });
  };
  const auto inUse = [](const QString& chNo) {
    return [chNo](CDlgSetIoAoCh& ao) {
      PickText(ao.point.kind, "I/O module");
      ao.point.chNo->setText(chNo);
    };
  };
  const auto asIs = [](CDlgSetIoAoCh&) {};
  SaveAndReadBack(
      window, file,
      [&](CDlgSetMain& hub) {
        WhenModal<CDlgSetIo>([&](CDlgSetIo& menu) {
          onMapping(menu, 0, inUse("1"), [](CDlgSetIoAoMap& map) {
            PickText(map.mode, "Discrete");
            PickText(map.bitType[0], "DI");
            PickText(map.bitChannel[0], "005", true);
            PickText(map.bitType[1], "1 (fixed value)");
          });
          onMapping(menu, 0, asIs, [](CDlgSetIoAoMap& map) {
            EXPECT_EQ(map.bitType[0]->currentText(), "DI");
            EXPECT_TRUE(map.bitChannel[0]->currentText().startsWith("005"));
            PickText(map.mode, "Analog");
            PickText(map.mode, "Discrete");
            // The lists keep what they showed.
            EXPECT_EQ(map.bitType[0]->currentText(), "DI");
            EXPECT_EQ(map.bitType[1]->currentText(), "1 (fixed value)");
          });
          onMapping(menu, 1, inUse("2"), [](CDlgSetIoAoMap& map) {
            PickText(map.mode, "Analog");
            PickText(map.analogType, "MA");
            PickText(map.analogChannel, "012", true);
          });
          onMapping(menu, 1, asIs, [](CDlgSetIoAoMap& map) {
            PickText(map.mode, "None");
            PickText(map.mode, "Analog");
            EXPECT_EQ(map.analogType->currentText(), "MA");
            EXPECT_TRUE(map.analogChannel->currentText().startsWith("012"));
          });
          menu.reject();
        });
        Click(hub.ScreenButton(Screen::InputOutput));
      },
      [&](CDlgSetMain&, const SettingData& r) {
        EXPECT_EQ(r.IO.AO[0].IO_MAPPING.MODE, CDlgSetIoAoMap::kModeDiscrete);
        EXPECT_EQ(r.IO.AO[1].IO_MAPPING.MODE, CDlgSetIoAoMap::kModeAnalog);
        const std::string text = FileText(file);
        for (const char* piece : {"<BIT0>DI5</BIT0>", "<BIT1>HIGH</BIT1>", "<ANALOG>MA12</ANALOG>"})
          EXPECT_NE(text.find(piece), std::string::npos) << piece;
      });
}

}  // namespace
}  // namespace tk48::test
