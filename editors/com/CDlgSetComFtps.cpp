#include "editors/com/CDlgSetComFtps.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kLoginChars = 16;

}  // namespace

CDlgSetComFtps::CDlgSetComFtps(QWidget* parent, SettingData& record, UiPort& ui)
    : ItemEditor(parent, ui), record_(record) {
  setWindowTitle(Tx(text::kFtpServer));
  FtpBlock& ftp = record.COM.FTP;
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  login = EditField(this, 160);
  password = EditField(this, 160);
  port = EditField(this, 80);
  fields_.Choice(mode, ftp.MODE);
  fields_.Text(login, ftp.ID);
  fields_.Text(password, ftp.PASSWORD);
  fields_.Int(port, ftp.PORT);
  Guard(mode);

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kLoginId, login);
  AddRow(form, text::kPassword, password);
  AddRow(form, text::kPortAddressNote, port);

  const FootButtons foot = OkCancelColumn({form, new QLabel(Tx(text::kRestartNoteMarked), this)});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetComFtps::UpdateEnables() {
  const bool on = mode->currentIndex() == kEnabledEntry;
  for (QWidget* field : {static_cast<QWidget*>(login), static_cast<QWidget*>(password), static_cast<QWidget*>(port)})
    field->setEnabled(on);
}

// Disabled, the fields are not in use and their checks are skipped.
bool CDlgSetComFtps::Validate() {
  return checks_.Ascii(login, kLoginChars, text::kLoginIdError, 0, 0) &&
         checks_.Ascii(password, kLoginChars, text::kPasswordError, 0, 0) &&
         checks_.Int(port, 0, 65535, text::kPortAddressError) && checks_.UniquePort(port, record_, PortService::Ftp);
}

bool RunSetComFtps(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetComFtps dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
