#include <cstddef>

#include "model/reader.h"
#include "model/schema.h"
#include "model/service_ports.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
constexpr std::uint32_t kWord = sizeof(std::uint32_t);

// CTRL_MD1..8 and the like: bit words of the channels an account may operate.
Node CtrlWords(const char* stem, std::uint32_t offset, std::uint16_t words, bool strict) {
  Node n = Array(Hex(stem, offset), words, 1, kWord);
  n.outOfRangeInvalid = strict;
  return n;
}

Node WebSchema() {
  static const Keywords protocol{"HTTP", "HTTPS"};
  Node account = Repeated(
      "AUTH", offsetof(WebBlock, AUTH), 32, 0, sizeof(WebAccount),
      {Kw("MODE", offsetof(WebAccount, MODE), NoUseUse()),
       Text("LOGIN", offsetof(WebAccount, LOGIN), 49, "kvmpt", true),
       Password("PASSWORD", offsetof(WebAccount, PASSWORD), 49, "kvmpt"),
       CtrlWords("CTRL_MD", offsetof(WebAccount, CTRL_MD), 8, true),
       CtrlWords("CTRL_MA", offsetof(WebAccount, CTRL_MA), 8, true),
       CtrlWords("CTRL_DO", offsetof(WebAccount, CTRL_DO), 4, true),
       CtrlWords("CTRL_GDO", offsetof(WebAccount, CTRL_GDO), 1, false),
       CtrlWords("CTRL_AO", offsetof(WebAccount, CTRL_AO), 2, false),
       CtrlWords("CTRL_SU", offsetof(WebAccount, CTRL_SU), 1, false)});
  account.children[0].defByIndex = {1};  // only account 0 is in use
  return Container("WEB", offsetof(ComSection, WEB),
                   {Kw("PROTOCOL", offsetof(WebBlock, PROTOCOL), protocol),
                    Int("PORT", offsetof(WebBlock, PORT), Width::U16, 0, 65535, 80), std::move(account)});
}

Node FtpSchema() {
  return Container("FTP", offsetof(ComSection, FTP),
                   {Kw("MODE", offsetof(FtpBlock, MODE), NoUseUse()),
                    Int("PORT", offsetof(FtpBlock, PORT), Width::U16, 0, 65535, 21),
                    Text("ID", offsetof(FtpBlock, ID), 49, "TK48", true),
                    Password("PASSWORD", offsetof(FtpBlock, PASSWORD), 49, "PX52")});
}

Node SntpSchema() {
  return Container("SNTP", offsetof(ComSection, SNTP),
                   {Kw("MODE", offsetof(SntpBlock, MODE), NoUseUse()),
                    Text("SERVER", offsetof(SntpBlock, SERVER), 193, "ntp.nict.jp")});
}

Node ModbusTcpSchema() {
  return Container("MODBUS_TCP", offsetof(ComSection, MODBUS_TCP),
                   {Kw("MODE", offsetof(ModbusTcpBlock, MODE), NoUseUse()),
                    Int("PORT", offsetof(ModbusTcpBlock, PORT), Width::U16, 0, 65535, 502),
                    Int("RINGER_TIME", offsetof(ModbusTcpBlock, RINGER_TIME), Width::S32, 0, 3000, 180)});
}

Node MailAuthSchema(const char* name, std::uint32_t offset, const Keywords& modes) {
  return Container(name, offset,
                   {Kw("MODE", offsetof(MailAuth, MODE), modes),
                    Text("ID", offsetof(MailAuth, ID), 193, {}, true),
                    Password("PASSWORD", offsetof(MailAuth, PASSWORD), 193)});
}

// The address book: all 64 names, then all 64 addresses.
Node AddressBook(const char* stem, std::uint32_t offset) {
  Node n = Array(Text(stem, offset, 193), 64, 1, 193);
  n.outOfRangeInvalid = true;
  return n;
}

Node SmtpPop3Schema() {
  static const Keywords charset{"UTF_8", "ISO_2022_JP"};
  static const Keywords smtpAuth{"NOUSE", "AUTO", "CRAM_MD5", "LOGIN", "PLAIN"};
  using S = SmtpPop3Block;
  return Container("SMTP_POP3", offsetof(ComSection, SMTP_POP3),
                   {Kw("CHAR", offsetof(S, CHAR), charset),
                    Kw("SMTP_OVER_SSL", offsetof(S, SMTP_OVER_SSL), NoUseUse()),
                    Kw("POP3_OVER_SSL", offsetof(S, POP3_OVER_SSL), NoUseUse()),
                    MailAuthSchema("SMTP_AUTH", offsetof(S, SMTP_AUTH), smtpAuth),
                    MailAuthSchema("POP_BEFORE_SMTP_AUTH", offsetof(S, POP_BEFORE_SMTP_AUTH), NoUseUse()),
                    Text("MY_ADDRESS", offsetof(S, MY_ADDRESS), 193),
                    Text("SMTP_SERVER", offsetof(S, SMTP_SERVER), 193),
                    Text("POP3_SERVER", offsetof(S, POP3_SERVER), 193),
                    Text("ACCOUNT", offsetof(S, ACCOUNT), 193),
                    Text("NAME", offsetof(S, NAME), 193, "TK48"),
                    Int("SMTP_PORT", offsetof(S, SMTP_PORT), Width::S32, 0, 65535, 25),
                    Int("POP3_PORT", offsetof(S, POP3_PORT), Width::S32, 0, 65535, 110),
                    AddressBook("MAIL_NAME", offsetof(S, MAIL_NAME)),
                    AddressBook("MAIL_ADDRESS", offsetof(S, MAIL_ADDRESS)),
                    Kw("STARTTLS", offsetof(S, STARTTLS), NoUseUse())});
}

Node FtpcSchema() {
  static const Keywords protocol{"FTP", "FTPS"};
  static const Families error{{"NONE", 0, true}, {"MD", kMdCount}, {"DO", kDoCount}, {"GDO", kGdoCount}};
  using F = FtpcBlock;
  // File order differs from the declaration: PASV_ADDR follows the four texts.
  return Container("FTPC", offsetof(ComSection, FTPC),
                   {Kw("MODE", offsetof(F, MODE), NoUseUse()),
                    Kw("PROTOCOL", offsetof(F, PROTOCOL), protocol),
                    Int("PORT", offsetof(F, PORT), Width::U16, 0, 65535, 21),
                    Text("FTP_SERVER", offsetof(F, FTP_SERVER), 193),
                    Text("FTP_LOGIN", offsetof(F, FTP_LOGIN), 193, {}, true),
                    Password("FTP_PASSWORD", offsetof(F, FTP_PASSWORD), 193),
                    Text("FTP_SUBFOLDER", offsetof(F, FTP_SUBFOLDER), 193),
                    Kw("PASV_ADDR", offsetof(F, PASV_ADDR), InvalidActive(), 1),
                    Ref("ERROR", offsetof(F, ERROR), offsetof(F, ERROR) + offsetof(ChannelRef, no), error),
                    Kw("FILE_LOG", offsetof(F, FILE_LOG), NoUseUse()),
                    MdNumber("COM_LOG", offsetof(F, COM_LOG)),
                    Kw("FILE_EVE", offsetof(F, FILE_EVE), NoUseUse()),
                    MdNumber("COM_EVE", offsetof(F, COM_EVE)),
                    Kw("FILE_SYS", offsetof(F, FILE_SYS), NoUseUse()),
                    MdNumber("COM_SYS", offsetof(F, COM_SYS)),
                    Kw("FILE_COM", offsetof(F, FILE_COM), NoUseUse()),
                    MdNumber("COM_COM", offsetof(F, COM_COM)),
                    Kw("FILE_SCHD", offsetof(F, FILE_SCHD), NoUseUse()),
                    MdNumber("COM_SCHD", offsetof(F, COM_SCHD)),
                    Kw("FILE_REP", offsetof(F, FILE_REP), NoUseUse())});
}
}  // namespace

Node ComSchema() {
  return Container("COM", offsetof(SettingData, COM),
                   {WebSchema(), FtpSchema(), SntpSchema(), ModbusTcpSchema(), SmtpPop3Schema(), FtpcSchema()});
}

std::uint16_t ServicePort(const SettingData& record, PortService service) {
  switch (service) {
    case PortService::Web: return record.COM.WEB.PORT;
    case PortService::Ftp: return record.COM.FTP.PORT;
    case PortService::ModbusTcp: break;
  }
  return record.COM.MODBUS_TCP.PORT;
}

bool PortTakenByOther(const SettingData& record, PortService self, std::int64_t port) {
  for (const PortService other : {PortService::Web, PortService::Ftp, PortService::ModbusTcp})
    if (other != self && ServicePort(record, other) == port) return true;
  return false;
}

// The web server, the FTP server and the Modbus/TCP server listen on different
// ports, whether or not each service is in use.
bool ComPortsDistinct(const SettingData& record) {
  return !PortTakenByOther(record, PortService::Web, record.COM.WEB.PORT) &&
         !PortTakenByOther(record, PortService::Ftp, record.COM.FTP.PORT);
}

}  // namespace tk48
