#pragma once
// CDlgCommConfirm ("Confirm access mode"): shows the connection description
// before a device operation. "Connect" goes on, "Cancel" or Escape stops, and
// "Change" opens the Connect dialog and stays open.
#include <QDialog>

class QLabel;
class QPushButton;

namespace tk48 {

class CTK48CFGApp;

class CDlgCommConfirm : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgCommConfirm(CTK48CFGApp& app, QWidget* parent = nullptr);

  QLabel* AccessModeLabel() const { return accessMode_; }
  QLabel* DeviceLabel() const { return device_; }
  QPushButton* ChangeButton() const { return change_; }
  QPushButton* ConnectButton() const { return connect_; }
  QPushButton* CancelButton() const { return cancel_; }

 public slots:
  void Change();

 private:
  void ShowConnection();

  CTK48CFGApp& app_;
  QLabel* accessMode_;
  QLabel* device_;
  QPushButton* change_;
  QPushButton* connect_;
  QPushButton* cancel_;
};

}  // namespace tk48
