#include "app/CDlgNetList.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/CDlgNetEdit.h"
#include "app/preferences.h"
#include "app/qt_text.h"
#include "resources/text_ids.h"

namespace tk48 {

CDlgNetList::CDlgNetList(Preferences& prefs, UiPort& ui, QWidget* parent)
    : QDialog(parent), prefs_(prefs), ui_(ui), book_(prefs.ReadAddressBook()), table_(new QTableWidget(this)) {
  setWindowTitle(Text(text::kSetNetworkAddress));
  table_->setColumnCount(2);
  table_->setRowCount(kAddressBookSize);
  table_->setHorizontalHeaderLabels({Text(text::kDeviceName), Text(text::kDomainOrIpAddress)});
  table_->setColumnWidth(0, 150);
  table_->setColumnWidth(1, 200);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setShowGrid(true);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  for (int row = 0; row < kAddressBookSize; ++row) {
    table_->setItem(row, 0, new QTableWidgetItem);
    table_->setItem(row, 1, new QTableWidgetItem);
    ShowRow(row);
  }
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { EditRow(row); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(Text(text::kOk), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(Text(text::kCancel), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNetList::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDlgNetList::reject);
  layout->addWidget(buttons);
  resize(400, 480);
}

void CDlgNetList::ShowRow(int row) {
  table_->item(row, 0)->setText(QUtf8(book_[row].name));
  table_->item(row, 1)->setText(QUtf8(book_[row].address));
}

void CDlgNetList::EditRow(int row) {
  if (row < 0 || row >= kAddressBookSize) return;
  QStringList names;
  for (const auto& entry : book_) names << QUtf8(entry.name);
  CDlgNetEdit editor(ui_, row, QUtf8(book_[row].name), QUtf8(book_[row].address), names, this);
  if (editor.exec() != QDialog::Accepted) return;
  // An empty name deletes the entry: both columns go.
  book_[row] = editor.Name().isEmpty() ? AddressEntry{} : AddressEntry{StdUtf8(editor.Name()), StdUtf8(editor.Address())};
  ShowRow(row);
}

void CDlgNetList::accept() {
  prefs_.WriteAddressBook(book_);
  QDialog::accept();
}

}  // namespace tk48
