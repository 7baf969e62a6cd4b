// The choice lists of the system screen, the communication screens (web
// server, its identities, the network services) and the two direct network
// screens as their descriptions give them, and the texts those screens leave
// blank on purpose.
#include "tests/editors/screen_lists.h"

namespace tk48::test {

ScreenTables SystemAndComTables() {
  static const Entries modes = Fixed({"Disable", "Enable"});
  static const ListRule lists[] = {
      // System: the daylight-saving start and end rows share their four lists.
      {"CDlgSetSystem", "Language", Fixed({"Japanese", "English"})},
      {"CDlgSetSystem", "Sampling adjustment at time correction", modes},
      {"CDlgSetSystem", "Daylight saving time (Mode)", modes},
      {"CDlgSetSystem", "* (Month)", Numbers(1, 12)},
      {"CDlgSetSystem", "* (Week)", Fixed({"1", "2", "3", "4", "Last"})},
      {"CDlgSetSystem", "* (Day of week)",
       Fixed({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})},
      {"CDlgSetSystem", "* (Hour)", Numbers(0, 23)},

      // Web server and one identity.
      {"CDlgSetComWebAuth", "Protocol", Fixed({"HTTP", "HTTPS"})},
      {"CDlgSetComWebAuthConf", "Mode", modes},

      // Network services.
      {"CDlgSetComFtps", "Mode", modes},
      {"CDlgSetComSntp", "Mode", modes},
      {"CDlgSetComModbus", "Mode *1", modes},
      {"CDlgSetComSmtp", "Character code", Fixed({"UTF-8", "ISO-2022-JP"})},
      {"CDlgSetComSmtp", "SMTP over SSL", modes},
      {"CDlgSetComSmtp", "SMTP authentication", Fixed({"Disable", "Auto", "CRAM-MD5", "LOGIN", "PLAIN"})},
      {"CDlgSetComSmtp", "POP before SMTP authentication", modes},
      {"CDlgSetComSmtp", "STARTTLS", modes},
      {"CDlgSetComFtpc", "Mode", modes},
      {"CDlgSetComFtpc", "Protocol", Fixed({"FTP", "FTPS"})},
      {"CDlgSetComFtpc", "Communication failure output (Type)", Fixed({"None", "MD", "DO", "GDO"})},
      // Before the log rows' "* (CH)", which would match this name too.
      {"CDlgSetComFtpc", "Communication failure output (CH)",
       ChannelsOfType("(CH)", "(Type)", {{"MD", ListFamily::Md}, {"DO", ListFamily::Do}, {"GDO", ListFamily::Gdo}})},
      {"CDlgSetComFtpc", "* (Send upon saving of file)", modes},
      {"CDlgSetComFtpc", "* (Send command)", Fixed({"None", "MD"})},
      {"CDlgSetComFtpc", "* (CH)", ChannelsOfType("(CH)", "(Send command)", {{"MD", ListFamily::Md}})},
      {"CDlgSetComFtpc", "Report form data (Send upon file update)", modes},

      // Direct network settings.
      {"CDlgBaseTk48cfg", "Connection via network", modes},
      {"CDlgBaseTk48cfg", "ID* (Mode)", modes},
      {"CDlgBaseIpAddress", "IP address setting", Fixed({"Manual setting", "Automatic setting (DHCP)"})},
  };
  static const BlankRule blanks[] = {
      {"", "", ""},  // none of these screens leaves a text blank on purpose
  };
  return {lists, blanks};
}

}  // namespace tk48::test
