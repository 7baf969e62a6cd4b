#include "editors/com/CDlgSetCom.h"

#include "editors/com/CDlgSetComFtpc.h"
#include "editors/com/CDlgSetComFtps.h"
#include "editors/com/CDlgSetComModbus.h"
#include "editors/com/CDlgSetComSmtp.h"
#include "editors/com/CDlgSetComSntp.h"
#include "editors/com/CDlgSetComWebAuth.h"
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

}  // namespace tk48
