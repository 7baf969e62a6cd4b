#pragma once
// CDlgNetEdit: edits one address-book entry's name and address. OK refuses a
// name that another row already carries; the address is not checked.
#include <QDialog>
#include <QStringList>

#include "port/ui_port.h"

class QLineEdit;

namespace tk48 {

class CDlgNetEdit : public QDialog {
  Q_OBJECT
 public:
  // `row` is the entry's index among `names`, the names of all 32 rows.
  CDlgNetEdit(UiPort& ui, int row, const QString& name, const QString& address, QStringList names,
              QWidget* parent = nullptr);

  QString Name() const;
  QString Address() const;

  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* AddressEdit() const { return address_; }

 public slots:
  void accept() override;

 private:
  UiPort& ui_;
  int row_;
  QStringList names_;
  QLineEdit* name_;
  QLineEdit* address_;
};

}  // namespace tk48
