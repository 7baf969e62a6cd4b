#pragma once
// CDlgCom ("Connect"): USB or network, which COM port, which address-book
// entry and which TCP port. OK writes the choice to the preferences; Cancel
// writes nothing (only "Set network address" may correct "NET" at once).
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tk48 {

class CTK48CFGApp;
class Preferences;
class UiPort;

class CDlgCom : public QDialog {
  Q_OBJECT
 public:
  // `comEntries`: the 20 entries of the COM port list.
  CDlgCom(Preferences& prefs, UiPort& ui, QStringList comEntries, QWidget* parent = nullptr);

  QRadioButton* NetworkRadio() const { return networkRadio_; }
  QRadioButton* UsbRadio() const { return usbRadio_; }
  QComboBox* NetCombo() const { return netCombo_; }
  QComboBox* ComCombo() const { return comCombo_; }
  QLineEdit* PortEdit() const { return portEdit_; }
  QPushButton* AddressBookButton() const { return addressBook_; }

 public slots:
  void accept() override;
  // "Set network address".
  void EditAddressBook();

 private:
  void FillNetCombo();
  void ApplyEnables();

  Preferences& prefs_;
  UiPort& ui_;
  QRadioButton* networkRadio_;
  QRadioButton* usbRadio_;
  QComboBox* netCombo_;
  QComboBox* comCombo_;
  QLineEdit* portEdit_;
  QPushButton* addressBook_;
};

// The Connect command of the main window and of "Confirm access mode": runs the
// Connect dialog; after OK the connection is read again, and a change of the
// connection description logs the user out. True when it ended with OK.
bool ChangeConnection(CTK48CFGApp& app, QWidget* parent);

}  // namespace tk48
