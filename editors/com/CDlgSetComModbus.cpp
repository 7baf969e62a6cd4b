#include "editors/com/CDlgSetComModbus.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
CDlgSetComModbus::CDlgSetComModbus(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui), record_(record) {
  setWindowTitle(Tx(text::kModbusTcpSlave));
  ModbusTcpBlock& modbus = record.COM.MODBUS_TCP;
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  port = EditField(this, 80);
  linger = EditField(this, 80);
  fields_.Choice(mode, modbus.MODE);
  fields_.Int(port, modbus.PORT);
  fields_.Int(linger, modbus.RINGER_TIME);
  Guard(mode);

  auto* form = new QFormLayout;
  AddRow(form, text::kModeNote, mode);
  AddRow(form, text::kPortRangeNote, port);
  AddRow(form, text::kLingerTime, linger);
  const FootButtons foot = OkCancelColumn({form, new QLabel(Tx(text::kRestartNoteMarked), this)});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetComModbus::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  port->setEnabled(on);
  linger->setEnabled(on);
}

bool CDlgSetComModbus::Validate() {
  return checks_.Int(port, 0, 65535, text::kPortAddressError, Scope::Always) &&
         checks_.UniquePort(port, record_, PortService::ModbusTcp, Scope::Always) &&
         checks_.Int(linger, 0, 3000, text::kLingerTimeError, Scope::Always);
}

bool RunSetComModbus(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetComModbus dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
