#include "editors/io/CDlgSetIoNode.h"

#include "checks/slave_checks.h"
#include "editors/io/CDlgSetIoNodeCom.h"
#include "editors/io/CDlgSetIoNodeConf.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/ip_address_edit.h"
#include "port/ui_port.h"
#include "resources/text_ids.h"

namespace tk48 {
ListScreenSetup SlaveListSetup(SettingData& record, UiPort& ui) {
  NodeConf* nodes = &record.IO.NODE_CONF;
  SettingData* r = &record;
  UiPort* port = &ui;
  const auto hasAddress = [nodes](int row) { return nodes->NODE[row][0] != '\0'; };
  ListScreenSetup setup;
  setup.title = Tx(text::kIoSlaveSetting);
  setup.list.rows = kNodeCount;
  setup.list.columns = {
      {text::kSlaveColumn, 60, [](int row) { return QUtf8Text(FormatText(text::kSlaveLabel, row)); }},
      {text::kSlaveTypeColumn, 100,
       [nodes, hasAddress](int row) {
         if (hasAddress(row))
           return Tx(nodes->NODE_TYPE[row] == kSlaveSlmp ? text::kSlaveSlmp : text::kSlaveModbusTcp);
         return SharesConnection(*nodes, row) ? QUtf8Text(FormatText(text::kSlaveLabel, nodes->SHAR_ID[row]))
                                              : QString();
       }},
      {text::kIpAddressColumn, 120,
       [nodes, hasAddress](int row) {
         return hasAddress(row) ? ReformattedAddress(FromRecord(nodes->NODE[row])) : QString();
       }},
      {text::kPortNoColumn, 100,
       [nodes, hasAddress](int row) { return hasAddress(row) ? QString::number(nodes->PORT[row]) : QString(); }},
  };
  setup.list.edit = [r, port](QWidget* parent, int row) {
    CDlgSetIoNodeConf editor(parent, *r, row, *port);
    editor.exec();
  };
  setup.list.paste = [nodes](int from, int to) { CopySlave(*nodes, from, to); };
  setup.list.pasteAllowed = [nodes, port](int from, int to) {
    if (!PasteRefused(*nodes, from, to)) return true;
    port->Message(LoadText(text::kCannotPaste), Icon::Error);
    return false;
  };
  setup.buttons = {{text::kCommunication, [r, port](QWidget* parent, int) {
                     CDlgSetIoNodeCom screen(parent, *r, *port);
                     screen.exec();
                   }}};
  return setup;
}

CDlgSetIoNode::CDlgSetIoNode(QWidget* parent, SettingData& record, UiPort& ui)
    : ListScreen(parent, SlaveListSetup(record, ui)) {}

void RunSlaveList(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetIoNode list(parent, record, ui);
  list.exec();
}

}  // namespace tk48
