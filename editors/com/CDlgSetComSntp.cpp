#include "editors/com/CDlgSetComSntp.h"

#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {
constexpr int kServerChars = 64;
}  // namespace

CDlgSetComSntp::CDlgSetComSntp(QWidget* parent, SettingData& record, UiPort& ui) : ItemEditor(parent, ui) {
  setWindowTitle(Tx(text::kSntp));
  SntpBlock& sntp = record.COM.SNTP;
  mode = ChoiceList(this, {text::kDisable, text::kEnable});
  server = EditField(this, 320);
  fields_.Choice(mode, sntp.MODE);
  fields_.Text(server, sntp.SERVER);
  Guard(mode);

  auto* form = new QFormLayout;
  AddRow(form, text::kMode, mode);
  AddRow(form, text::kSntpServer, server);
  const FootButtons foot = OkCancelColumn({form, new QLabel(Tx(text::kRestartNote), this)});
  okButton = foot.ok;
  cancelButton = foot.cancel;
  Start();
}

void CDlgSetComSntp::UpdateEnables() { server->setEnabled(mode->currentIndex() == kEnabledEntry); }

bool CDlgSetComSntp::Validate() { return checks_.Length(server, kServerChars, text::kServerError, Scope::Always); }

bool RunSetComSntp(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetComSntp dialog(parent, record, ui);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace tk48
