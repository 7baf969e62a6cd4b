#pragma once
// CDlgSetIdPwd ("ID, Password"): offered before an upload whose server
// credentials are blank or unchanged. Up to two action buttons open the
// web-server and FTP-server editors; OK, Enter and Escape go on with the
// upload (after a question while a credential is still weak), "Cancel" stops it.
#include <QDialog>
#include <array>

class QPushButton;

namespace tk48 {

class CTK48CFGApp;
struct SettingData;

class CDlgSetIdPwd : public QDialog {
  Q_OBJECT
 public:
  CDlgSetIdPwd(CTK48CFGApp& app, SettingData& record, QWidget* parent = nullptr);

  // The action buttons, top slot first; an unused slot is hidden.
  QPushButton* Slot(int index) const { return slots_[index]; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 public slots:
  void accept() override;
  void reject() override;  // Escape: the same as OK

 private:
  CTK48CFGApp& app_;
  SettingData& record_;
  std::array<QPushButton*, 2> slots_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace tk48
