#include "editors/network/CDlgBaseTk48cfg.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/editor_widgets.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr int kLoginChars = 16;
// The factory-default login ID and password.
constexpr char16_t kFactoryDefault[] = u"kvmpt";

}  // namespace

CDlgBaseTk48cfg::CDlgBaseTk48cfg(QWidget* parent, SettingData& record, DeviceContext& ctx, AccessUpload upload)
    : ItemEditor(parent, ctx.ui, EnterKey::Nothing), record_(record), ctx_(ctx), upload_(std::move(upload)) {
  setWindowTitle(Tx(text::kRemoteConfigTitle));
  AccessBlock& access = record.TK48GCFG;

  netMode = ChoiceList(this, {text::kTransactionDisable, text::kTransactionEnable});
  port = EditField(this, 80);
  fields_.Choice(netMode, access.NET);
  fields_.Int(port, access.PORT);
  Guard(netMode);

  auto* grid = new QGridLayout;
  grid->addWidget(FieldLabel(this, text::kConnectionViaNetwork, netMode), 0, 0);
  grid->addWidget(netMode, 0, 1);
  grid->addWidget(FieldLabel(this, text::kPortAddressNote, port), 1, 0);
  grid->addWidget(port, 1, 1);
  grid->addWidget(new QLabel(Tx(text::kMode), this), 2, 1);
  grid->addWidget(new QLabel(Tx(text::kLoginId), this), 2, 2);
  grid->addWidget(new QLabel(Tx(text::kPassword), this), 2, 3);
  for (int i = 0; i < kAccounts; ++i) {
    Account& a = accounts[i];
    a.mode = ChoiceList(this, {text::kTransactionDisable, text::kTransactionEnable});
    a.login = EditField(this, 140);
    a.password = EditField(this, 140);
    fields_.Choice(a.mode, access.AUTH[i].MODE);
    fields_.Text(a.login, access.AUTH[i].LOGIN);
    fields_.Text(a.password, access.AUTH[i].PASSWORD);
    // Turning an account off first checks the accounts; turning it on is free.
    GuardWith(a.mode, [this](int, int to) { return to == kEnabledEntry || AccountChecks(); });
    const int row = 3 + i;
    // The column heads label all eight rows: "ID3 (Login ID)".
    const QString account = QUtf8Text(FormatText(text::kAccountLabel, i + 1));
    grid->addWidget(FieldLabel(this, account, a.mode), row, 0);
    Name(a.mode, SubName(account, Tx(text::kMode)));
    Name(a.login, SubName(account, Tx(text::kLoginId)));
    Name(a.password, SubName(account, Tx(text::kPassword)));
    grid->addWidget(a.mode, row, 1);
    grid->addWidget(a.login, row, 2);
    grid->addWidget(a.password, row, 3);
  }

  const FootButtons foot = MakeFootButtons(this, text::kUploadToDevice, text::kBack);
  uploadButton = foot.ok;
  backButton = foot.cancel;
  connect(foot.box, &QDialogButtonBox::accepted, this, &CDlgBaseTk48cfg::OkStep);
  connect(foot.box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(new QLabel(Tx(text::kRestartNoteMarked), this));
  layout->addWidget(foot.box);

  Start();
}

bool CDlgBaseTk48cfg::Enabled(int account) const { return accounts[account].mode->currentIndex() == kEnabledEntry; }

void CDlgBaseTk48cfg::UpdateEnables() {
  // Only a USB connection can carry the upload.
  const bool usb = ctx_.settings.usb;
  netMode->setEnabled(usb);
  uploadButton->setEnabled(usb);
  port->setEnabled(usb && netMode->currentIndex() == kEnabledEntry);
  for (int i = 0; i < kAccounts; ++i) {
    accounts[i].mode->setEnabled(usb);
    accounts[i].login->setEnabled(usb && Enabled(i));
    accounts[i].password->setEnabled(usb && Enabled(i));
  }
}

// Every account is checked, whether it is enabled or not.
bool CDlgBaseTk48cfg::AccountChecks() const {
  for (int i = 0; i < kAccounts; ++i) {
    const int id = i + 1;
    if (!checks_.Ascii(accounts[i].login, kLoginChars, text::kLoginIdError, text::kAccountNumber, id, Scope::Always) ||
        !checks_.Ascii(accounts[i].password, kLoginChars, text::kPasswordError, text::kAccountNumber, id,
                       Scope::Always))
      return false;
  }
  return true;
}

bool CDlgBaseTk48cfg::Validate() {
  return AccountChecks() && checks_.Int(port, 0, 65535, text::kPortAddressError, Scope::Always);
}

bool CDlgBaseTk48cfg::CrossCheck() {
  for (int i = 0; i < kAccounts; ++i) {
    for (int j = i + 1; j < kAccounts && Enabled(i); ++j) {
      if (Enabled(j) && accounts[i].login->text() == accounts[j].login->text())
        return checks_.Refuse(FormatText(text::kDuplicateLogin, accounts[i].login->text().toUtf8().constData()));
    }
  }
  bool weak = false;
  for (int i = 0; i < kAccounts && !weak; ++i) {
    const QString login = accounts[i].login->text();
    const QString password = accounts[i].password->text();
    weak = Enabled(i) && (login.isEmpty() || password.isEmpty() ||
                          (Units(login) == kFactoryDefault && Units(password) == kFactoryDefault));
  }
  if (weak && ui_.Message(LoadText(text::kWeakAccounts), Icon::Warning, Buttons::OkCancel) != Answer::Ok) return false;
  return ui_.Message(LoadText(text::kConfirmUpload), Icon::None, Buttons::OkCancel) == Answer::Ok;
}

// The record holds the new values from here on, even if the upload fails.
bool CDlgBaseTk48cfg::Finish() { return upload_ && upload_(record_, ctx_); }

}  // namespace tk48
