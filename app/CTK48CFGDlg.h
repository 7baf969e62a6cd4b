#pragma once
// CTK48CFGDlg ("TK48GCFG"), the main window: owns the working setting data
// and starts every work flow: new setting, download, read file, maintenance,
// the device's network and remote-configuration settings, the connection and
// the communication log.
#include <QDialog>
#include <memory>
#include <string>

#include "app/screen_table.h"
#include "model/setting_data.h"

class QAction;
class QCheckBox;
class QLabel;
class QShortcut;
class QPushButton;

namespace tk48 {

class CTK48CFGApp;

class CTK48CFGDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CTK48CFGDlg(CTK48CFGApp& app, QWidget* parent = nullptr);
  ~CTK48CFGDlg() override;

  SettingData& Record() { return *record_; }
  const std::string& CurrentFile() const { return currentFile_; }

  QPushButton* NewSettingButton() const { return newSetting_; }
  QPushButton* DownloadButton() const { return download_; }
  QPushButton* ReadFileButton() const { return readFile_; }
  QPushButton* ReadCsvButton() const { return readCsv_; }
  QShortcut* ReadCsvShortcut() const { return readCsvShortcut_; }
  QPushButton* MaintenanceButton() const { return maintenance_; }
  QPushButton* ComLogButton() const { return comLog_; }
  QPushButton* RemoteConfigButton() const { return remoteConfig_; }
  QPushButton* NetworkButton() const { return network_; }
  QPushButton* ConnectButton() const { return connect_; }
  QPushButton* QuitButton() const { return quit_; }
  QCheckBox* ConfirmCheck() const { return confirm_; }
  QLabel* AccessModeLabel() const { return accessMode_; }
  QLabel* DeviceLabel() const { return device_; }
  QAction* BackupsAction() const { return backups_; }

 public slots:
  void NewSetting();
  void Download();
  void ReadFile();
  void ReadCsv();
  void Maintenance();
  void RemoteConfig();
  void NetworkSettings();
  void Connect();
  void CommunicationLog();
  void About();
  // "Backups": the kept configurations; the one opened is read as "Read file" reads.
  void Backups();

 private:
  // The access-mode gate of the device commands; false ends the command.
  bool AccessModeGate();
  void ShowConnection();
  // `fromFile`: the record is a configuration file as read (the upload's review may compare against it).
  void OpenHub(bool fromFile = false);
  // Read file's reading: the file into the record, then the hub.
  void OpenFile(const std::string& path);
  // Download, then the editor `screen` on the record.
  void DownloadAndEdit(Screen screen);
  void EnableFor(QPushButton* button, Screen screen);

  CTK48CFGApp& app_;
  std::unique_ptr<SettingData> record_;
  std::string currentFile_;
  QPushButton* newSetting_;
  QPushButton* download_;
  QPushButton* readFile_;
  QPushButton* readCsv_;
  QShortcut* readCsvShortcut_;
  QPushButton* maintenance_;
  QPushButton* comLog_;
  QPushButton* remoteConfig_;
  QPushButton* network_;
  QPushButton* connect_;
  QPushButton* quit_;
  QCheckBox* confirm_;
  QLabel* accessMode_;
  QLabel* device_;
  QAction* backups_;
};

}  // namespace tk48
