#pragma once
// "System": the device's names, display language, time zone, sampling
// adjustment and daylight-saving rule (SYSTEM), edited in place.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetSystem : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetSystem(QWidget* parent, SettingData& record, UiPort& ui);

  // The screen's fields, in screen order.
  QLineEdit* name[3];
  QComboBox* language;
  QLineEdit* zoneHour;
  QLineEdit* zoneMinute;
  QComboBox* timeAve;
  QComboBox* dstMode;
  struct DstRow {
    QComboBox* month;
    QComboBox* week;
    QComboBox* weekday;
    QComboBox* hour;
  };
  DstRow start;
  DstRow end;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;

 private:
  bool DstInUse() const;
};

}  // namespace tk48
