#include "app/CDlgCom.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/CDlgNetList.h"
#include "app/CTK48CFGApp.h"
#include "app/com_port_list.h"
#include "app/connection_text.h"
#include "app/preferences.h"
#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {
constexpr int kMaxPort = 65535;
}

CDlgCom::CDlgCom(Preferences& prefs, UiPort& ui, QStringList comEntries, QWidget* parent)
    : QDialog(parent),
      prefs_(prefs),
      ui_(ui),
      networkRadio_(new QRadioButton(Text(text::kNetwork), this)),
      usbRadio_(new QRadioButton(Text(text::kUsb), this)),
      netCombo_(new QComboBox(this)),
      comCombo_(new QComboBox(this)),
      portEdit_(new QLineEdit(this)),
      addressBook_(new QPushButton(Text(text::kSetNetworkAddress), this)) {
  setWindowTitle(Text(text::kConnect));
  auto* radios = new QButtonGroup(this);
  radios->addButton(networkRadio_);
  radios->addButton(usbRadio_);
  portEdit_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), portEdit_));
  addressBook_->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  auto* network = new QGroupBox(this);
  auto* networkLayout = new QVBoxLayout(network);
  networkLayout->addWidget(networkRadio_);
  auto* entryRow = new QHBoxLayout;
  entryRow->addWidget(netCombo_, 1);
  entryRow->addWidget(addressBook_);
  networkLayout->addLayout(entryRow);
  auto* portRow = new QHBoxLayout;
  portRow->addWidget(new QLabel(Text(text::kPortAddressDefault), network));
  portRow->addWidget(portEdit_);
  networkLayout->addLayout(portRow);
  layout->addWidget(network);

  auto* usb = new QGroupBox(this);
  auto* usbLayout = new QVBoxLayout(usb);
  usbLayout->addWidget(usbRadio_);
  auto* comRow = new QHBoxLayout;
  comRow->addWidget(new QLabel(Text(text::kCom), usb));
  comRow->addWidget(comCombo_, 1);
  usbLayout->addLayout(comRow);
  layout->addWidget(usb);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Text(text::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(Text(text::kCancel), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgCom::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgCom::reject);
  layout->addWidget(buttons);

  // Opening: the stored choice.
  const bool usbChosen = prefs_.ReadInt(pref::kMain, pref::kComType, pref::kDefaultComType) != 0;
  (usbChosen ? usbRadio_ : networkRadio_)->setChecked(true);
  comCombo_->addItems(comEntries);
  const int com = prefs_.ReadInt(pref::kMain, pref::kCom, pref::kDefaultCom);
  comCombo_->setCurrentIndex(com - kFirstComPort >= 0 && com - kFirstComPort < comCombo_->count() ? com - kFirstComPort : 0);
  FillNetCombo();
  portEdit_->setText(QString::number(prefs_.ReadInt(pref::kMain, pref::kNetPort, kDefaultNetPort)));
  ApplyEnables();

  for (auto* radio : {networkRadio_, usbRadio_})
    connect(radio, &QRadioButton::clicked, this, [this, radio] {
      ApplyEnables();
      radio->setFocus();
    });
  connect(addressBook_, &QPushButton::clicked, this, &CDlgCom::EditAddressBook);
}

// The present address-book entries in entry order; the stored name selected, else the first.
void CDlgCom::FillNetCombo() {
  netCombo_->clear();
  for (const auto& entry : prefs_.ReadAddressBook())
    if (Present(entry)) netCombo_->addItem(QUtf8(entry.name));
  const int stored = netCombo_->findText(QUtf8(prefs_.ReadText(pref::kMain, pref::kNet)), Qt::MatchExactly | Qt::MatchCaseSensitive);
  netCombo_->setCurrentIndex(stored >= 0 ? stored : (netCombo_->count() ? 0 : -1));
}

void CDlgCom::ApplyEnables() {
  const bool network = networkRadio_->isChecked();
  netCombo_->setEnabled(network);
  addressBook_->setEnabled(network);
  portEdit_->setEnabled(network);
  comCombo_->setEnabled(!network);
}

void CDlgCom::EditAddressBook() {
  CDlgNetList book(prefs_, ui_, this);
  book.exec();
  FillNetCombo();
  // The stored entry is gone: the first remaining one takes its place at once.
  const QString stored = QUtf8(prefs_.ReadText(pref::kMain, pref::kNet));
  if (netCombo_->count() && netCombo_->currentText() != stored)
    prefs_.WriteText(pref::kMain, pref::kNet, StdUtf8(netCombo_->currentText()));
}

void CDlgCom::accept() {
  if (networkRadio_->isChecked()) {
    const QString digits = portEdit_->text();
    bool ok = false;
    const int port = digits.size() <= 5 ? digits.toInt(&ok) : -1;
    if (!ok || port < 0 || port > kMaxPort) {
      ui_.Message(LoadText(text::kPortOutOfRange), Icon::Warning);
      return;
    }
    if (netCombo_->currentIndex() < 0) {
      ui_.Message(LoadText(text::kSelectNetworkAddress), Icon::Warning);
      return;
    }
    prefs_.WriteInt(pref::kMain, pref::kNetPort, port);
    prefs_.WriteInt(pref::kMain, pref::kComType, 0);
    prefs_.WriteText(pref::kMain, pref::kNet, StdUtf8(netCombo_->currentText()));
  } else {
    prefs_.WriteInt(pref::kMain, pref::kComType, 1);
    prefs_.WriteInt(pref::kMain, pref::kCom, comCombo_->currentIndex() + kFirstComPort);
  }
  QDialog::accept();
}

bool ChangeConnection(CTK48CFGApp& app, QWidget* parent) {
  const ConnectionText before = DescribeConnection(app);
  CDlgCom dialog(app.prefs, app.ui, ComPortEntries(Preferences::ComLookup()), parent);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (accepted) app.ReadConnection();
  // Compared on every close: the address book may have changed under the
  // selected name even when the dialog was cancelled, and a login made for
  // the old host must not go to the new one.
  if (DescribeConnection(app) != before) app.Logout();
  return accepted;
}

}  // namespace tk48
