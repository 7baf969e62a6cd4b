// The slave screens: the slave list with its paste veto, the slave editor's
// checks, the deleted-slave and protocol-change questions with what they do to
// the channels, and the Communication screen.
#include <QPushButton>
#include <cstring>

#include "checks/slave_checks.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/CDlgSetIoNodeCom.h"
#include "editors/io/CDlgSetIoNodeConf.h"
#include "resources/strings.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Click;
using test::Pick;
using test::ShowActive;

constexpr const char* kDeleted = "I/O channels of deleted node(s) will be disabled.";

class IoSlave : public test::EditorTest {
 public:
  NodeConf& nodes = record->IO.NODE_CONF;
  void Address(int slave, const char* text) {
    std::memset(nodes.NODE[slave], 0, sizeof nodes.NODE[slave]);
    std::strcpy(nodes.NODE[slave], text);
  }
  void Share(int slave, int with) {
    Address(slave, "");
    nodes.NODE_TYPE[slave] = kSlaveModbusTcp;
    nodes.SHAR_ID[slave] = static_cast<std::int8_t>(with);
  }
  // Slave 3 at 10.0.0.3 used by AI007; slave 5 shares 3 and is used by DI010.
  void PlantOfThree() {
    Address(3, "10.0.0.3");
    Share(5, 3);
    record->IO.AI[6].TYPE = kTypeModbusTcp;
    record->IO.AI[6].MOD_NODE = 3;
    std::strcpy(record->IO.AI[6].NAME, "flow");
    record->IO.DI[9].TYPE = kTypeModbusTcp;
    record->IO.DI[9].MOD_NODE = 5;
  }
  std::unique_ptr<CDlgSetIoNodeConf> Open(int slave) {
    auto editor = std::make_unique<CDlgSetIoNodeConf>(nullptr, *record, slave, ui);
    ShowActive(*editor);
    return editor;
  }
};

TEST_F(IoSlave, ClearingAnAddressAsksThenDisablesExactlyTheChannelsOfTheSlaveAndItsSharers) {
  struct Case {
    const char* what;
    bool withAi;
    Answer answer;
  };
  const Case cases[] = {{"Cancel writes nothing", true, Answer::Cancel},
                        {"OK disables AI007 and DI010", true, Answer::Ok},
                        {"only DI010 through the sharing slave", false, Answer::Ok}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    PlantOfThree();
    if (!c.withAi) record->IO.AI[6].TYPE = kTypeNone;
    record->IO.AI[7] = record->IO.AI[6];
    record->IO.AI[7].MOD_NODE = 4;  // another slave's channel stays
    const auto before = Snapshot();
    ui.messages.clear();
    ui.answers = {c.answer};
    auto editor = Open(3);
    editor->address->SetAddress("");
    editor->OkStep();
    ASSERT_EQ(Texts(), std::vector<std::string>{kDeleted});
    EXPECT_EQ(ui.messages[0].icon, Icon::Information);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::OkCancel);
    if (c.answer == Answer::Cancel) {
      EXPECT_TRUE(editor->isVisible());
      EXPECT_EQ(editor->address->Address(), "10.0.0.3") << "the address comes back from the record";
      EXPECT_TRUE(SameRecord(*record, *before));
      continue;
    }
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(nodes.NODE[3][0], '\0');
    EXPECT_EQ(record->IO.AI[6].TYPE, kTypeNone);
    EXPECT_EQ(record->IO.DI[9].TYPE, kTypeNone);
    EXPECT_EQ(record->IO.AI[7].TYPE, before->IO.AI[7].TYPE);
    // Nothing else of the channels changes.
    auto expected = Snapshot();
    *expected = *before;
    expected->IO.AI[6].TYPE = kTypeNone;
    expected->IO.DI[9].TYPE = kTypeNone;
    std::memset(expected->IO.NODE_CONF.NODE[3], 0, 32);
    EXPECT_TRUE(SameRecord(*record, *expected));
  }
  // The AI list shows AI007 without name and comment now.
  ListScreen list(nullptr, AiListSetup(*record, ui));
  EXPECT_EQ(test::Cell(*list.list(), 6, 1), "");
}

TEST_F(IoSlave, AnSlmpSlaveWithABlankAddressIsDeleted) {
  Address(2, "192.168.1.20");
  nodes.NODE_TYPE[2] = kSlaveSlmp;
  nodes.SHAR_ID[2] = 1;  // a stale value of the disabled list
  record->IO.AI[0].TYPE = kTypeSlmp;
  record->IO.AI[0].MOD_NODE = 2;
  ui.answers = {Answer::Ok};
  auto editor = Open(2);
  editor->address->SetAddress("");
  editor->OkStep();
  EXPECT_EQ(Texts(), std::vector<std::string>{kDeleted});
  EXPECT_EQ(record->IO.AI[0].TYPE, kTypeNone);
  EXPECT_EQ(nodes.NODE[2][0], '\0');
}

TEST_F(IoSlave, ProtocolChangeWithChannelsOfTheOldProtocolIsConfirmed) {
  struct Case {
    std::int32_t from;
    std::int32_t channelType;
    const char* question;
  };
  const Case cases[] = {
      {kSlaveModbusTcp, kTypeModbusTcp,
       "Slave 3 has I/O channel(s) assigned for Modbus/TCP connection.\nAre you sure to enable the new setting?"},
      {kSlaveSlmp, kTypeSlmp,
       "Slave 3 has I/O channel(s) assigned for SLMP connection.\nAre you sure to enable the new setting?"},
  };
  for (const Case& c : cases) {
    for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
      SCOPED_TRACE(c.question);
      ApplyDefaults(*record);
      Address(3, "10.0.0.3");
      nodes.NODE_TYPE[3] = c.from;
      record->IO.PI[4].TYPE = c.channelType;
      record->IO.PI[4].MOD_NODE = 3;
      const auto before = Snapshot();
      ui.messages.clear();
      ui.answers = {answer};
      auto editor = Open(3);
      Pick(editor->slaveType, 1 - c.from);
      ASSERT_EQ(editor->slaveType->currentIndex(), 1 - c.from);
      editor->OkStep();
      EXPECT_EQ(Texts(), std::vector<std::string>{c.question});
      if (answer == Answer::Cancel) {
        EXPECT_TRUE(editor->isVisible());
        EXPECT_TRUE(SameRecord(*record, *before));
      } else {
        EXPECT_EQ(nodes.NODE_TYPE[3], 1 - c.from);
        EXPECT_EQ(record->IO.PI[4].TYPE, c.channelType) << "OK changes no channel";
      }
    }
  }
}

TEST_F(IoSlave, ConnectionSharingRules) {
  struct Case {
    const char* what;
    void (*prepare)(IoSlave&);
    int slave;
    int sharing;  // list index, -1: leave
    int type;     // -1: leave
    bool refused;
  };
  const Case cases[] = {
      {"sharing an SLMP slave", [](IoSlave& t) { t.nodes.NODE_TYPE[3] = kSlaveSlmp; }, 5, 4, -1, true},
      {"sharing a sharer", [](IoSlave& t) { t.Share(3, 1); }, 5, 4, -1, true},
      {"sharing a Modbus/TCP slave with its own connection", [](IoSlave&) {}, 5, 4, -1, false},
      {"a shared slave turned SLMP", [](IoSlave& t) { t.Share(5, 3); }, 3, -1, kSlaveSlmp, true},
      {"a shared slave sharing in its turn", [](IoSlave& t) { t.Share(5, 3); }, 3, 2, -1, true},
      {"a slave shared by an SLMP slave's stale value turned SLMP",
       [](IoSlave& t) {
         t.nodes.NODE_TYPE[5] = kSlaveSlmp;
         t.nodes.SHAR_ID[5] = 3;
       },
       3, -1, kSlaveSlmp, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    Address(1, "10.0.0.1");
    Address(3, "10.0.0.3");
    Address(c.slave, "10.0.0.9");
    c.prepare(*this);
    const auto before = Snapshot();
    ui.messages.clear();
    auto editor = Open(c.slave);
    if (c.type >= 0) Pick(editor->slaveType, c.type);
    if (c.sharing >= 0) Pick(editor->sharing, c.sharing);
    editor->OkStep();
    if (c.refused) {
      EXPECT_EQ(Texts(), std::vector<std::string>{"Setting error: Connection sharing"});
      EXPECT_TRUE(SameRecord(*record, *before));
    } else {
      EXPECT_TRUE(ui.messages.empty()) << ui.Last();
      EXPECT_FALSE(editor->isVisible());
    }
  }
  // Slave 0 can share no connection.
  EXPECT_EQ(Open(0)->sharing->count(), 1);
  EXPECT_EQ(Open(4)->sharing->itemText(4), "Slave 3");
}

TEST_F(IoSlave, SharingSlaveCommitsWithoutAnAddressOfItsOwn) {
  Address(1, "10.0.0.1");
  Address(4, "10.0.0.4");
  auto editor = Open(4);
  EXPECT_TRUE(editor->address->isEnabled());
  Pick(editor->sharing, 2);  // "Slave 1"
  EXPECT_FALSE(editor->address->isEnabled());
  EXPECT_FALSE(editor->port->isEnabled());
  editor->OkStep();
  EXPECT_EQ(nodes.SHAR_ID[4], 1);
  EXPECT_EQ(nodes.NODE[4][0], '\0');
  // A stored sharing with a slave not below shows "Disable".
  nodes.SHAR_ID[6] = 9;
  EXPECT_EQ(Open(6)->sharing->currentIndex(), 0);
}

TEST_F(IoSlave, PasteRefusals) {
  Address(2, "10.0.0.2");
  Share(7, 2);
  Share(5, 3);
  nodes.NODE_TYPE[11] = kSlaveSlmp;
  struct Case {
    int from;
    int to;
    bool refused;
  };
  const Case cases[] = {{7, 4, true}, {7, 9, false}, {11, 3, true}, {7, 3, true}, {2, 3, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " onto " + std::to_string(c.to));
    ui.messages.clear();
    const auto before = Snapshot();
    CDlgSetIoNode list(nullptr, *record, ui);
    ShowActive(list);
    test::UseListMenu(*list.list(), c.from, "Copy");
    test::UseListMenu(*list.list(), c.to, "Paste");
    if (c.refused) {
      EXPECT_EQ(Texts(), std::vector<std::string>{"Cannot paste."});
      EXPECT_TRUE(SameRecord(*record, *before));
    } else {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(nodes.SHAR_ID[c.to], nodes.SHAR_ID[c.from]);
      EXPECT_STREQ(nodes.NODE[c.to], nodes.NODE[c.from]);
    }
  }
}

TEST_F(IoSlave, ListRows) {
  Address(0, "192.168.001.010");
  nodes.PORT[0] = 5020;
  Address(1, "10.0.0.1");
  nodes.NODE_TYPE[1] = kSlaveSlmp;
  Share(2, 0);
  Address(3, "plc-7");  // not an address: shown as stored
  CDlgSetIoNode list(nullptr, *record, ui);
  const QTableView& t = *list.list();
  const char* headers[] = {"Slave", "Slave type", "IP address", "Port No."};
  const int widths[] = {60, 100, 120, 100};
  for (int c = 0; c < 4; ++c) {
    EXPECT_EQ(t.model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
    EXPECT_EQ(t.columnWidth(c), widths[c]);
  }
  ASSERT_EQ(t.model()->rowCount(), 32);
  const QStringList rows[] = {{"Slave 0", "Modbus/TCP", "192.168.1.10", "5020"},
                              {"Slave 1", "SLMP", "10.0.0.1", "502"},
                              {"Slave 2", "Slave 0", "", ""},
                              {"Slave 3", "Modbus/TCP", "plc-7", "502"},
                              {"Slave 4", "", "", ""}};
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(test::Cell(t, r, c), rows[r][c]) << r << "/" << c;
  EXPECT_EQ(test::Cell(t, 31, 0), "Slave 31");
}

TEST_F(IoSlave, SlmpFieldsAndProcessorNumberInHex) {
  Address(6, "10.0.0.6");
  nodes.NODE_TYPE[6] = kSlaveSlmp;
  nodes.SLMP_CPU[6] = 0x03FF;
  auto editor = Open(6);
  EXPECT_EQ(editor->processorNo->text(), "03ff");
  EXPECT_FALSE(editor->nodeNo->isEnabled());
  EXPECT_FALSE(editor->sharing->isEnabled());
  struct Case {
    QLineEdit* field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {editor->networkNo, "256", "Setting error: SLMP network No.\nUsable range: 0 to 255"},
      {editor->stationNo, "0", "Setting error: SLMP station No.\nUsable range: 1 to 255"},
      {editor->processorNo, "10000", "Setting error: SLMP processor No.\nUsable range: 0000 to ffff"},
      {editor->multidropNo, "x", "Setting error: SLMP multidrop station No."},
      {editor->port, "65536", "Setting error: Port No.\nUsable range: 0 to 65535"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const QString kept = c.field->text();
    ui.messages.clear();
    c.field->setText(c.text);
    editor->OkStep();
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
    c.field->setText(kept);
  }
  editor->processorNo->setText("3fe");
  editor->OkStep();
  EXPECT_EQ(nodes.SLMP_CPU[6], 0x03FE);
  EXPECT_EQ(Open(6)->processorNo->text(), "03fe");
}

TEST_F(IoSlave, ErrorOutputChannelFollowsItsType) {
  record->IO.GDO[1].MODE = 1;
  std::strcpy(record->IO.GDO[1].NAME, "horn");
  std::strcpy(record->IO.GDO[2].NAME, "unused");
  auto editor = Open(2);
  EXPECT_EQ(editor->errType->currentIndex(), 0);
  EXPECT_EQ(editor->errCh->count(), 0);
  EXPECT_FALSE(editor->errCh->isEnabled());
  Pick(editor->errType, 3);  // GDO
  EXPECT_EQ(editor->errCh->count(), 32);
  EXPECT_EQ(editor->errCh->currentIndex(), 0);
  EXPECT_EQ(editor->errCh->itemText(1), "002 horn");
  EXPECT_EQ(editor->errCh->itemText(2), "003 ");
  editor->errCh->setCurrentIndex(1);
  editor->OkStep();
  EXPECT_EQ(nodes.ERROUT_KIND[2], 3);
  EXPECT_EQ(nodes.ERROUT_NO[2], 2);
  auto again = Open(2);
  Pick(again->errType, 1);  // MD: refilled at entry 1
  EXPECT_EQ(again->errCh->count(), 256);
  EXPECT_EQ(again->errCh->currentIndex(), 0);
  Pick(again->errType, 0);
  again->OkStep();
  EXPECT_EQ(nodes.ERROUT_KIND[2], 0);
  EXPECT_EQ(nodes.ERROUT_NO[2], 0);
}

TEST_F(IoSlave, OkWithoutEditsLeavesEverySlaveByteIdentical) {
  for (const bool odd : {false, true}) {
    ApplyDefaults(*record);
    if (odd) {
      Address(0, "plc-7.local");  // not a dotted quad: an address as stored
      Address(1, "010.000.000.001");
      nodes.NODE_TYPE[1] = kSlaveSlmp;
      Share(9, 2);
      Address(9, "10.0.0.9");  // sharing, yet an address stored
      nodes.ERROUT_KIND[3] = 2;
      nodes.ERROUT_NO[3] = 0;
    }
    for (int slave = 0; slave < kNodeCount; ++slave) {
      SCOPED_TRACE(std::to_string(slave) + (odd ? " odd" : " default"));
      const auto before = Snapshot();
      ui.messages.clear();
      auto editor = Open(slave);
      editor->OkStep();
      EXPECT_FALSE(editor->isVisible()) << ui.Last();
      EXPECT_TRUE(SameRecord(*record, *before));
    }
  }
}

TEST_F(IoSlave, CommunicationScreen) {
  struct Case {
    int field;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {0, "99", "Setting error: Pause period\nUsable range: 100 to 10000"},
      {1, "11", "Setting error: Timeout\nUsable range: 1 to 10"},
      {2, "0", "Setting error: SLMP Timeout\nUsable range: 1 to 60"},
      {2, "60", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ApplyDefaults(*record);
    ui.messages.clear();
    const auto before = Snapshot();
    CDlgSetIoNodeCom screen(nullptr, *record, ui);
    QLineEdit* fields[] = {screen.interval, screen.timeout, screen.slmpTimeout};
    fields[c.field]->setText(c.text);
    screen.transaction->setCurrentIndex(0);
    screen.OkStep();
    if (*c.message) {
      EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
      EXPECT_TRUE(SameRecord(*record, *before));
    } else {
      EXPECT_EQ(nodes.SLMP_TIMEOUT, 60);
      EXPECT_EQ(nodes.TRANSACTION, 0);
    }
  }
  // The list's "Communication" button opens it.
  CDlgSetIoNode list(nullptr, *record, ui);
  test::WhenModal<CDlgSetIoNodeCom>([](CDlgSetIoNodeCom& s) { s.reject(); });
  Click(list.button(0));
  EXPECT_EQ(list.button(0)->text(), "Communication");
}

}  // namespace
}  // namespace tk48
