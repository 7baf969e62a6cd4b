#pragma once
// CDlgSetMain ("Configuration"), the hub: opens the section editors on the
// working record, saves it as a configuration file, exports CSV files and
// uploads it. A baseline copy taken on opening (and after each successful save
// or upload) tells "Back" whether there is anything to lose.
#include <QDialog>
#include <map>
#include <memory>
#include <string>

#include "app/screen_table.h"
#include "model/setting_data.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tk48 {

class CTK48CFGApp;
class FindPanel;

class CDlgSetMain : public QDialog {
  Q_OBJECT
 public:
  // `currentFile`: the configuration file last read, offered by "Save file".
  CDlgSetMain(CTK48CFGApp& app, SettingData& record, std::string currentFile, QWidget* parent = nullptr);
  ~CDlgSetMain() override;

  QPushButton* ScreenButton(Screen screen) const { return screenButtons_.at(screen); }
  QPushButton* UploadButton() const { return upload_; }
  QPushButton* SaveFileButton() const { return saveFile_; }
  QPushButton* BackButton() const { return back_; }
  QCheckBox* TagMessageCheck() const { return tagMessage_; }
  QLabel* AccessModeLabel() const { return accessMode_; }
  QLabel* DeviceLabel() const { return device_; }
  FindPanel* Find() const { return find_; }

 public slots:
  void SaveFile();
  void Upload();
  // "Back", Enter and Escape: asks before discarding edits not saved or uploaded.
  void reject() override;
  void accept() override { reject(); }

 private:
  void ShowConnection();
  void TakeBaseline();

  CTK48CFGApp& app_;
  SettingData& record_;
  std::unique_ptr<SettingData> baseline_;
  std::string currentFile_;
  std::map<Screen, QPushButton*> screenButtons_;
  QPushButton* upload_;
  QPushButton* saveFile_;
  QPushButton* back_;
  QCheckBox* tagMessage_;
  QLabel* accessMode_;
  QLabel* device_;
  FindPanel* find_;
};

}  // namespace tk48
