#pragma once
// "Address list": the 64 recipients of the mail templates (name and address,
// in COM.SMTP_POP3), edited on a copy that Back and Enter keep and Esc
// discards; the entry screen of one recipient.
#include <QLineEdit>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

inline constexpr int kMailAddressCount = 64;

struct MailBook {
  char NAME[kMailAddressCount][193];
  char ADDRESS[kMailAddressCount][193];
};

MailBook MailBookOf(const SettingData& record);
void StoreMailBook(const MailBook& book, SettingData& record);

// One entry ("No.%02d"): a name without double quotation marks, an address.
class CDlgSetRepAddrConf : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetRepAddrConf(QWidget* parent, MailBook& book, int index, UiPort& ui);

  QLineEdit* name;
  QLineEdit* address;

 protected:
  void UpdateEnables() override {}
  bool Validate() override;
};

// The list over `book`; Back and Enter store it into `record`.
ListScreenSetup AddressListSetup(SettingData& record, MailBook& book, UiPort& ui);

bool RunSetRepAddr(QWidget* parent, SettingData& record, UiPort& ui);

}  // namespace tk48
