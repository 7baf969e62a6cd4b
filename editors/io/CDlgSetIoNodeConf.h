#pragma once
// "Slave %d": one slave of IO.NODE_CONF. Its protocol and connection sharing
// are guarded lists; OK keeps the channels consistent: a deleted slave (no
// address of its own) takes its channels and those of the Modbus/TCP slaves
// sharing it along (asked first, 212), a protocol change is confirmed when
// channels use the old one (222, 223).
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "editors/toolkit/ip_address_edit.h"
#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoNodeConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoNodeConf(QWidget* parent, SettingData& record, int slave, UiPort& ui);

  QComboBox* slaveType;
  IpAddressEdit* address;
  QLineEdit* nodeNo;
  QComboBox* sharing;
  QLineEdit* port;
  QComboBox* errType;
  QComboBox* errCh;
  QLineEdit* networkNo;
  QLineEdit* stationNo;
  QLineEdit* processorNo;
  QLineEdit* multidropNo;
  QPushButton* okButton;
  QPushButton* cancelButton;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  bool Slmp() const;
  bool SharingOk();

  SettingData& record_;
  NodeConf& nodes_;
  int slave_;
  ChannelRef errOut_;
  bool disableChannels_ = false;
};

}  // namespace tk48
