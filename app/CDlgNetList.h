#pragma once
// CDlgNetList ("Set network address"): the 32 address-book entries. Double-click
// edits a row; OK writes every row to the store, Cancel writes nothing.
#include <QDialog>
#include <array>

#include "link/connection.h"

class QTableWidget;

namespace tk48 {

class Preferences;
class UiPort;

class CDlgNetList : public QDialog {
  Q_OBJECT
 public:
  CDlgNetList(Preferences& prefs, UiPort& ui, QWidget* parent = nullptr);

  QTableWidget* Table() const { return table_; }

 public slots:
  void accept() override;
  // Opens the entry editor on `row`.
  void EditRow(int row);

 private:
  void ShowRow(int row);

  Preferences& prefs_;
  UiPort& ui_;
  std::array<AddressEntry, kAddressBookSize> book_;
  QTableWidget* table_;
};

}  // namespace tk48
