#include "app/CDlgNetEdit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {

CDlgNetEdit::CDlgNetEdit(UiPort& ui, int row, const QString& name, const QString& address, QStringList names,
                         QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      row_(row),
      names_(std::move(names)),
      name_(new QLineEdit(name, this)),
      address_(new QLineEdit(address, this)) {
  auto* form = new QFormLayout(this);
  form->addRow(Text(text::kName), name_);
  form->addRow(Text(text::kDomainOrIpAddress), address_);
  address_->setMinimumWidth(240);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Text(text::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(Text(text::kCancel), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNetEdit::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgNetEdit::reject);
  form->addRow(buttons);
}

QString CDlgNetEdit::Name() const { return name_->text(); }
QString CDlgNetEdit::Address() const { return address_->text(); }

void CDlgNetEdit::accept() {
  const QString name = Name();
  for (qsizetype i = 0; !name.isEmpty() && i < names_.size(); ++i) {
    if (i != row_ && names_[i] == name) {
      ui_.Message(LoadText(text::kDuplicateDeviceNames), Icon::Error);
      return;
    }
  }
  QDialog::accept();
}

}  // namespace tk48
