#pragma once
// "FTP client": the device's uploads of its log and report files to a remote
// FTP server (COM.FTPC), edited in place. While it is disabled nothing is
// checked and its fields cannot change.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComFtpc : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetComFtpc(QWidget* parent, SettingData& record, UiPort& ui);

  QComboBox* mode;
  QComboBox* protocol;
  QLineEdit* port;
  QLineEdit* server;
  QLineEdit* login;
  QLineEdit* password;
  QLineEdit* subfolder;
  QCheckBox* ignorePasv;
  QComboBox* errorType;
  QComboBox* errorChannel;
  // Logging data, event log, system log, communication log, scheduler log.
  struct LogRow {
    QComboBox* sendOnSave;
    QComboBox* command;  // "None", "MD"
    QComboBox* channel;  // the MD
  };
  LogRow logs[5];
  QComboBox* report;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  FtpcBlock& ftpc_;
  bool errorTypePicked_ = false;
};

bool RunSetComFtpc(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
