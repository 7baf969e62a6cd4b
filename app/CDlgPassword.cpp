#include "app/CDlgPassword.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {

CDlgPassword::CDlgPassword(UiPort& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), login_(new QLineEdit(this)), password_(new QLineEdit(this)) {
  setWindowTitle(Text(text::kLogin));
  password_->setEchoMode(QLineEdit::Password);
  auto* form = new QFormLayout(this);
  form->addRow(Text(text::kLoginId), login_);
  form->addRow(Text(text::kPassword), password_);
  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(Text(text::kOk), QDialogButtonBox::AcceptRole);
  buttons->addButton(Text(text::kCancel), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgPassword::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgPassword::reject);
  form->addRow(buttons);
}

void CDlgPassword::accept() {
  // Characters as the edit counts them (UTF-16 units): 16 of them always fit 48 UTF-8 bytes.
  if (login_->text().size() > kMaxLength || password_->text().size() > kMaxLength) {
    ui_.Message(LoadText(text::kInvalidLogin), Icon::Information);
    return;
  }
  result_ = {StdUtf8(login_->text()), StdUtf8(password_->text())};
  QDialog::accept();
}

}  // namespace tk48
