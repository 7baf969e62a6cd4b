#pragma once
#include <cstdint>

#include "model/sections/access.h"
#include "model/sections/common.h"

namespace tk48 {

// One web account and the channels it may operate from the browser.
struct WebAccount {
  std::int32_t MODE;
  char LOGIN[49];              // ASCII
  char PASSWORD[49];           // ASCII
  std::uint32_t CTRL_MD[8];    // MD 1..256
  std::uint32_t CTRL_MA[8];    // MA 1..256
  std::uint32_t CTRL_DO[4];    // DO 1..128
  std::uint32_t CTRL_GDO[1];   // GDO 1..32
  std::uint32_t CTRL_AO[2];    // AO 1..64
  std::uint32_t CTRL_SU[1];    // schedule units 1..32
};

struct WebBlock {
  std::int32_t PROTOCOL;       // HTTP / HTTPS
  std::uint16_t PORT;
  WebAccount AUTH[32];         // AUTH0..AUTH31
};

struct FtpBlock {
  std::int32_t MODE;
  std::uint16_t PORT;
  char ID[49];                 // ASCII
  char PASSWORD[49];           // ASCII
};

struct SntpBlock {
  std::int32_t MODE;
  char SERVER[193];
};

struct ModbusTcpBlock {
  std::int32_t MODE;
  std::uint16_t PORT;
  std::int32_t RINGER_TIME;
};

struct MailAuth {
  std::int32_t MODE;
  char ID[193];                // ASCII
  char PASSWORD[193];          // ASCII
};

struct SmtpPop3Block {
  std::int32_t CHAR;           // UTF_8 / ISO_2022_JP
  std::int32_t SMTP_OVER_SSL;
  std::int32_t POP3_OVER_SSL;
  MailAuth SMTP_AUTH;
  MailAuth POP_BEFORE_SMTP_AUTH;
  char MY_ADDRESS[193];
  char SMTP_SERVER[193];
  char POP3_SERVER[193];
  char ACCOUNT[193];
  char NAME[193];
  std::int32_t SMTP_PORT;
  std::int32_t POP3_PORT;
  char MAIL_NAME[64][193];     // MAIL_NAME1..64
  char MAIL_ADDRESS[64][193];  // MAIL_ADDRESS1..64
  std::int32_t STARTTLS;
};

struct FtpcBlock {
  std::int32_t MODE;
  std::int32_t PROTOCOL;       // FTP / FTPS
  std::uint16_t PORT;
  std::int32_t PASV_ADDR;      // INVALID / ACTIVE
  char FTP_SERVER[193];
  char FTP_LOGIN[193];         // ASCII
  char FTP_PASSWORD[193];      // ASCII
  char FTP_SUBFOLDER[193];
  ChannelRef ERROR;            // NONE, MD, DO, GDO
  // Each log kind: upload the file, and the MD number that reports the upload (0 = none).
  std::int32_t FILE_LOG;
  std::uint16_t COM_LOG;
  std::int32_t FILE_EVE;
  std::uint16_t COM_EVE;
  std::int32_t FILE_SYS;
  std::uint16_t COM_SYS;
  std::int32_t FILE_COM;
  std::uint16_t COM_COM;
  std::int32_t FILE_SCHD;
  std::uint16_t COM_SCHD;
  std::int32_t FILE_REP;
};

struct ComSection {
  TcpIpBlock TCP_IP;  // network address block (access-settings document only)
  WebBlock WEB;
  FtpBlock FTP;
  SntpBlock SNTP;
  ModbusTcpBlock MODBUS_TCP;
  SmtpPop3Block SMTP_POP3;
  FtpcBlock FTPC;
};

}  // namespace tk48
