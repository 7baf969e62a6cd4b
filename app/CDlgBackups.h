#pragma once
// "Backups": the configurations kept from downloads and uploads, newest first,
// with their time, transport, device, size and transfer. "Open" (or a
// double-click) closes the list with the chosen backup for the main window to
// read as "Read file" reads a file; "Compare" shows one backup against the
// current record, or two backups against each other.
#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/backup_store.h"
#include "model/setting_data.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tk48 {

class BackupListModel;
class UiPort;

class CDlgBackups : public QDialog {
  Q_OBJECT
 public:
  CDlgBackups(BackupStore store, const SettingData& current, UiPort& ui, QWidget* parent = nullptr);
  ~CDlgBackups() override;

  QTableView* List() const { return list_; }
  QLabel* FolderLabel() const { return folder_; }
  QPushButton* OpenButton() const { return open_; }
  QPushButton* CompareButton() const { return compare_; }
  QPushButton* CloseButton() const { return close_; }

  // The path of the backup "Open" chose; nullopt when the list was closed.
  const std::optional<std::string>& Chosen() const { return chosen_; }

 public slots:
  void Open();
  void Compare();

 private:
  // The chosen rows' backups, newest first.
  std::vector<BackupEntry> Selected() const;
  // The backup read as "Read file" reads; nullptr after the message.
  std::unique_ptr<SettingData> Read(const BackupEntry& entry) const;
  void EnableButtons();

  BackupStore store_;
  const SettingData& current_;
  UiPort& ui_;
  BackupListModel* model_;
  QTableView* list_;
  QLabel* folder_;
  QPushButton* open_;
  QPushButton* compare_;
  QPushButton* close_;
  std::optional<std::string> chosen_;
};

}  // namespace tk48
