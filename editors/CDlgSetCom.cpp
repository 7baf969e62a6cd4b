#include "editors/CDlgSetCom.h"

#include "editors/CDlgSetComFtpc.h"
#include "editors/CDlgSetComFtps.h"
#include "editors/CDlgSetComModbus.h"
#include "editors/CDlgSetComSmtp.h"
#include "editors/CDlgSetComSntp.h"
#include "editors/CDlgSetComWebAuth.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

template <bool (*Run)(QWidget*, SettingData&, UiPort&)>
void Open(QWidget* parent, SettingData& record, UiPort& ui) {
  Run(parent, record, ui);
}

const MenuEntry kEntries[] = {
    {text::kWebServer, &Open<RunSetComWebAuth>},
    {text::kFtpServer, &Open<RunSetComFtps>},
    {text::kSntp, &Open<RunSetComSntp>},
    {text::kModbusTcpSlave, &Open<RunSetComModbus>},
    {text::kSmtpPop3, &Open<RunSetComSmtp>},
    {text::kFtpClient, &Open<RunSetComFtpc>},
};

}  // namespace

CDlgSetCom::CDlgSetCom(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kCommunication, kEntries, record, ui) {}

bool RunSetCom(QWidget* parent, SettingData& record, UiPort& ui) {
  CDlgSetCom menu(parent, record, ui);
  menu.exec();
  return true;
}

}  // namespace tk48
