#pragma once
// The identity screen ("ID%d"): mode, login ID and password of one web
// identity, and its browser rights through "CH" and "Schedule unit". It works
// on a copy of the identity; OK writes the copy into `target` (the web server
// screen's working copy), Cancel leaves `target` as it was, rights included.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetComWebAuthConf : public ItemEditor {
  Q_OBJECT

 public:
  // `index` is 0-based; the title shows it from 1.
  CDlgSetComWebAuthConf(QWidget* parent, WebAccount& target, int index, const SettingData& record, UiPort& ui);

  QComboBox* mode;
  QLineEdit* login;
  QLineEdit* password;
  QPushButton* channelButton;   // "CH"
  QPushButton* scheduleButton;  // "Schedule unit"
  QPushButton* okButton;
  QPushButton* cancelButton;
  // The identity as this screen holds it (rights edited through the buttons).
  const WebAccount& Working() const { return work_; }

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  WebAccount& target_;
  WebAccount work_;
};

}  // namespace tk48
