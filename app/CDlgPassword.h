#pragma once
// CDlgPassword ("Login"): the login ID and password for the network session.
// Both start empty; OK refuses a text longer than 16 characters.
#include <QDialog>

#include "port/ui_port.h"

class QLineEdit;

namespace tk48 {

class CDlgPassword : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kMaxLength = 16;  // characters; stored as UTF-8 in 49 bytes

  CDlgPassword(UiPort& ui, QWidget* parent = nullptr);

  // The accepted texts (UTF-8).
  Credentials Result() const { return result_; }

  QLineEdit* LoginEdit() const { return login_; }
  QLineEdit* PasswordEdit() const { return password_; }

 public slots:
  void accept() override;

 private:
  UiPort& ui_;
  QLineEdit* login_;
  QLineEdit* password_;
  Credentials result_;
};

}  // namespace tk48
