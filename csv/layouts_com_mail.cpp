// Layouts of the communication and e-mail files.
#include "csv/layout_builders.h"

namespace tk48::csv_layouts {
namespace {

CsvFile WebFile() {
  static const Choices protocol = Seq({T("HTTP"), T("HTTPS")});
  const std::string p = "COM.WEB.AUTH[#].";
  CsvFile f = NewFile("WEB.csv", T("Web server"), 3);
  f.settings.push_back({"COM_WEB",
                        0,
                        {Row(H(T("Protocol")), Cell::Choice, "COM.WEB.PROTOCOL", nullptr, &protocol),
                         Row(H(T("Port address")), Cell::Auto, "COM.WEB.PORT")}});
  f.table = Table(32, T("ID%d"), p + "MODE", T("Authorization"), "WEB ID");
  f.table.pathFirst = 0;
  std::vector<CsvRow> rows{Row(H(T("Authorization"), T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
                           Row(H(0, T("Login ID")), Cell::Auto, p + "LOGIN", TypeIs<1>),
                           Row(H(0, T("Password")), Cell::Auto, p + "PASSWORD", TypeIs<1>)};
  Append(rows, WordRows(T("MA %d - %d"), p + "CTRL_MA", 8, 2, TypeIs<1>, H(T("Function"), T("CH"))));
  Append(rows, WordRows(T("MD %d - %d"), p + "CTRL_MD", 8, 2, TypeIs<1>));
  Append(rows, WordRows(T("AO %d - %d"), p + "CTRL_AO", 2, 2, TypeIs<1>));
  Append(rows, WordRows(T("DO %d - %d"), p + "CTRL_DO", 4, 2, TypeIs<1>));
  Append(rows, WordRows(T("GDO %d - %d"), p + "CTRL_GDO", 1, 2, TypeIs<1>));
  Append(rows, WordRows(T("Schedule unit %d - %d"), p + "CTRL_SU", 1, 1, TypeIs<1>));
  f.lists.push_back({"COM_WEB_ID", 0, std::move(rows)});
  return f;
}

// A file of single rows whose first row is the mode that gates the others.
CsvFile ModeFile(std::string name, std::uint16_t label, int headers, std::string code, std::string mode,
                 std::vector<CsvRow> rows) {
  CsvFile f = NewFile(std::move(name), label, headers);
  f.modeField = std::move(mode);
  f.settings.push_back({std::move(code), 0, std::move(rows)});
  return f;
}

CsvFile FtpsFile() {
  const std::string p = "COM.FTP.";
  return ModeFile("FTPS.csv", T("FTP server"), 1, "COM_FTPS", p + "MODE",
                  {Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
                   Row(H(T("Login ID")), Cell::Auto, p + "ID", TypeIs<1>),
                   Row(H(T("Password")), Cell::Auto, p + "PASSWORD", TypeIs<1>),
                   Row(H(T("Port address")), Cell::Auto, p + "PORT", TypeIs<1>)});
}

CsvFile SntpFile() {
  const std::string p = "COM.SNTP.";
  return ModeFile("SNTP.csv", T("SNTP"), 1, "COM_SNTP", p + "MODE",
                  {Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
                   Row(H(T("SNTP server")), Cell::Auto, p + "SERVER", TypeIs<1>)});
}

CsvFile ModbusFile() {
  const std::string p = "COM.MODBUS_TCP.";
  return ModeFile("MODBUS_TCP.csv", T("Modbus/TCP slave"), 1, "COM_MOD_TCP", p + "MODE",
                  {Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
                   Row(H(T("Port address")), Cell::Auto, p + "PORT", TypeIs<1>),
                   Row(H(T("Linger time")), Cell::Auto, p + "RINGER_TIME", TypeIs<1>)});
}

CsvFile SmtpFile() {
  static const Choices charset = Seq({T("UTF-8"), T("ISO-2022-JP")});
  static const Choices auth = Seq({T("Disable"), T("Auto"), T("CRAM-MD5"), T("LOGIN"), T("PLAIN")});
  const std::string p = "COM.SMTP_POP3.";
  const std::string a = p + "SMTP_AUTH.", pop = p + "POP_BEFORE_SMTP_AUTH.";
  return ModeFile(
      "SMTP_POP3.csv", T("SMTP/POP3"), 2, "COM_SMTP", "",
      {Row(H(T("Character code")), Cell::Choice, p + "CHAR", nullptr, &charset),
       Row(H(T("SMTP over SSL")), Cell::Choice, p + "SMTP_OVER_SSL", nullptr, &DisableEnable()),
       Row(H(T("SMTP authentication")), Cell::Choice, a + "MODE", nullptr, &auth),
       Gated(Row(H(0, T("ID")), Cell::Auto, a + "ID"), a + "MODE"),
       Gated(Row(H(0, T("Password")), Cell::Auto, a + "PASSWORD"), a + "MODE"),
       Row(H(T("POP before SMTP authentication")), Cell::Choice, pop + "MODE", nullptr, &DisableEnable()),
       Gated(Row(H(0, T("POP3 ID")), Cell::Auto, pop + "ID"), pop + "MODE"),
       Gated(Row(H(0, T("POP3 Password")), Cell::Auto, pop + "PASSWORD"), pop + "MODE"),
       Row(H(T("TK48 e-mail address")), Cell::Auto, p + "MY_ADDRESS"),
       Row(H(T("SMTP server IP address")), Cell::Auto, p + "SMTP_SERVER"),
       Gated(Row(H(T("POP3 server IP address")), Cell::Auto, p + "POP3_SERVER"), pop + "MODE"),
       Row(H(T("TK48 e-mail account")), Cell::Auto, p + "ACCOUNT"),
       Row(H(T("Sender name")), Cell::Auto, p + "NAME"),
       Row(H(T("SMTP port address")), Cell::Auto, p + "SMTP_PORT"),
       Row(H(T("POP3 port address")), Cell::Auto, p + "POP3_PORT"),
       Gated(Row(H(T("STARTTLS")), Cell::Choice, p + "STARTTLS", nullptr, &DisableEnable()), p + "SMTP_OVER_SSL")});
}

CsvFile FtpcFile() {
  static const Choices protocol = Seq({T("FTP"), T("FTPS")});
  const std::string p = "COM.FTPC.";
  auto on = TypeIs<1>;
  std::vector<CsvRow> rows{
      Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable()),
      Row(H(T("Protocol")), Cell::Choice, p + "PROTOCOL", on, &protocol),
      Row(H(T("Port address")), Cell::Auto, p + "PORT", on),
      Row(H(T("FTP"), T("Server address")), Cell::Auto, p + "FTP_SERVER", on),
      Row(H(0, T("Login ID")), Cell::Auto, p + "FTP_LOGIN", on),
      Row(H(0, T("Password")), Cell::Auto, p + "FTP_PASSWORD", on),
      Row(H(0, T("Subfolder")), Cell::Auto, p + "FTP_SUBFOLDER", on),
      Row(H(0, T("PASV address(Ignore)")), Cell::Choice, p + "PASV_ADDR", on, &DisableEnable()),
      Row(H(T("Communication failure output"), T("Type")), Cell::RefType, p + "ERROR", on, nullptr, T("None")),
      Row(H(0, T("CH")), Cell::RefCh, p + "ERROR", on)};
  const std::pair<std::uint16_t, const char*> logs[] = {{T("Logging data"), "LOG"},
                                                        {T("Event log"), "EVE"},
                                                        {T("System log"), "SYS"},
                                                        {T("Communication log"), "COM"},
                                                        {T("Scheduler log"), "SCHD"}};
  for (const auto& [text, stem] : logs) {
    rows.push_back(Row(H(text, T("Send upon saving of file")), Cell::Choice, p + "FILE_" + stem, on, &DisableEnable()));
    rows.push_back(Row(H(0, T("Send command")), Cell::RefType, p + "COM_" + stem, on, nullptr, T("None")));
    rows.push_back(Row(H(0, T("CH")), Cell::RefCh, p + "COM_" + stem, on));
  }
  rows.push_back(Row(H(T("Report form data"), T("Send upon file update")), Cell::Choice, p + "FILE_REP", on,
                     &DisableEnable()));
  return ModeFile("FTPC.csv", T("FTP client"), 2, "COM_FTPC", p + "MODE", std::move(rows));
}

CsvFile MailAddrFile() {
  CsvFile f = NewFile("MailAddr.csv", T("Address list"), 1);
  f.table = Table(64, T("No.%02d"), "", 0, "No");
  f.lists.push_back({"MAIL_ADD",
                     0,
                     {Row(H(T("Name")), Cell::Auto, "COM.SMTP_POP3.MAIL_NAME[#]"),
                      Row(H(T("Address")), Cell::Auto, "COM.SMTP_POP3.MAIL_ADDRESS[#]")}});
  return f;
}

// The business-hour number stands for the periods that use business hours.
bool BusinessHours(const CsvItem& it) {
  const std::int32_t filter = it.d.MAIL_REPORT.FORM[it.i].FILTER;
  return it.type == 1 && (filter == 3 || filter == 4);
}

CsvFile FormFile() {
  static const Choices to{{0, 0}, {1, T("To")}};
  static const Choices filter =
      Seq({T("Any time"), T("Business day"), T("Non-business day"), T("Within business hours"),
           T("Out of business hours"), T("Non-business hours"), T("Pause")});
  static const Choices file = Seq({T("None"), T("Daily report"), T("Monthly report"), T("Yearly report")});
  static const Choices success = Seq({T("None"), T("ON"), T("OFF")});
  const std::string p = "MAIL_REPORT.FORM[#].";
  auto on = TypeIs<1>;
  auto reports = [](const CsvItem& it) { return it.type == 1 && it.d.MAIL_REPORT.FORM[it.i].SUCCESS.MODE != 0; };
  CsvFile f = NewFile("Form.csv", T("Mail template"), 3);
  f.table = Table(128, T("No.%02d"), p + "MODE", T("Mode"), "No");
  std::vector<CsvRow> rows{Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable())};
  for (int a = 1; a <= 64; ++a)
    rows.push_back(Row(H(a == 1 ? T("To") : 0, T("No.%02d"), 0, 0, a), Cell::Choice,
                       p + "DST[" + std::to_string(a) + "]", on, &to));
  Append(rows, {Row(H(T("Subject")), Cell::Auto, p + "TITLE", on),
                Row(H(T("Body text")), Cell::Auto, p + "MESSAGE", on),
                Row(H(T("Enabled time period")), Cell::Choice, p + "FILTER", on, &filter),
                Row(H(T("Business hour No.")), Cell::Auto, p + "WD_NO", BusinessHours)});
  for (int c = 1; c <= 32; ++c) {
    const std::string ch = p + "CH[" + std::to_string(c) + "]";
    rows.push_back(Row(H(c == 1 ? T("Attached CH data") : 0, T("CH%02d"), T("Type"), 0, c), Cell::RefType, ch, on,
                       nullptr, T("Disable")));
    rows.push_back(Row(H(0, 0, T("CH")), Cell::RefCh, ch, on));
  }
  Append(rows, {Row(H(T("Attached file")), Cell::Choice, p + "FILE", on, &file),
                Row(H(T("Delivery success output"), T("Mode")), Cell::Choice, p + "SUCCESS.MODE", on, &success),
                Row(H(0, T("Type")), Cell::RefType, p + "SUCCESS.CH", reports),
                Row(H(0, T("CH")), Cell::RefCh, p + "SUCCESS.CH", reports)});
  f.lists.push_back({"MAIL_FORM", 0, std::move(rows)});
  return f;
}

CsvFile TimeFile() {
  const std::string p = "MAIL_REPORT.TIME.";
  auto on = TypeIs<1>;
  std::vector<CsvRow> rows{Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &DisableEnable())};
  Append(rows, MailRows(p + "MAIL", 0, on));
  for (int d = 0; d < 7; ++d)
    rows.push_back(Row(H(d == 0 ? T("Day of week") : 0, kWeekdays[d]), Cell::Bit, p + "WDAY", on, &OffOnTexts(), d));
  for (int h = 0; h < 24; ++h) {
    const std::string r = p + "REPORT_TIME[" + std::to_string(h) + "].";
    rows.push_back(Row(H(h == 0 ? T("Time to send") : 0, T("Set time to send: %d (hour)"), T("Report"), 0, h),
                       Cell::Choice, r + "MODE", on, &DisableEnable()));
    rows.push_back(Gated(Row(H(0, 0, T("Offset (min.)")), Cell::Auto, r + "OFFSET_MIN", on), r + "MODE"));
    rows.push_back(Gated(Row(H(0, 0, T("Offset (sec.)")), Cell::Auto, r + "OFFSET_SEC", on), r + "MODE"));
  }
  CsvFile f = ModeFile("Time.csv", T("Regular report"), 3, "Mail_Time", p + "MODE", std::move(rows));
  f.firstRow = T("Mode");
  return f;
}

CsvFile ErrorFile() {
  static const Choices mode = Seq({T("None"), T("ON"), T("OFF")});
  const std::string p = "MAIL_REPORT.ERROR.";
  return ModeFile("Error.csv", T("Delivery failure output"), 1, "Mail_Error", p + "MODE",
                  {Row(H(T("Mode")), Cell::Choice, p + "MODE", nullptr, &mode),
                   Row(H(T("Type")), Cell::RefType, p + "CH", TypeNot<0>),
                   Row(H(T("CH")), Cell::RefCh, p + "CH", TypeNot<0>)});
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

CsvFile CalendarFile() {
  const std::string p = "MAIL_REPORT.CALENDAR.";
  CsvFile f = NewFile("Calender.csv", T("E-mailing calendar"), 4);
  std::vector<CsvRow> hours;
  for (int w = 1; w <= 6; ++w) {
    const std::string b = p + "WORK_HOUR[" + std::to_string(w) + "].";
    Append(hours, {Row(H(w == 1 ? T("Business hour") : 0, T("%d"), T("Start"), T("Hour"), w), Cell::Auto,
                       b + "START.HOUR"),
                   Row(H(0, 0, 0, T("Min.")), Cell::Auto, b + "START.MIN"),
                   Row(H(0, 0, T("End"), T("Hour")), Cell::Auto, b + "END.HOUR"),
                   Row(H(0, 0, 0, T("Min.")), Cell::Auto, b + "END.MIN")});
  }
  f.settings.push_back({"Cal_Hour", 0, std::move(hours)});
  f.table = Table(31, T("%d"), "", 0, "Day");
  f.table.lead = LabelLead::Empty;
  const std::uint16_t months[] = {T("January"), T("February"), T("March"),     T("April"),
                                  T("May"),     T("June"),     T("July"),      T("August"),
                                  T("September"), T("October"), T("November"), T("December")};
  for (int y = kCalendarFirstYear; y < kCalendarFirstYear + kCalendarYears; ++y) {
    std::vector<CsvRow> rows;
    for (int m = 1; m <= 12; ++m) {
      const std::string at = ".Y[" + std::to_string(y) + "].M[" + std::to_string(m) + "]";
      CsvRow work = Row(H(m == 1 ? T("%d") : 0, months[m - 1], T("Non-business day"), 0, y), Cell::ItemBit,
                        p + "WORK_DAY" + at, nullptr, &OffOnTexts());
      CsvRow holiday = Row(H(0, 0, T("Holiday")), Cell::ItemBit, p + "HOLIDAY" + at, nullptr, &OffOnTexts());
      work.cells = holiday.cells = DaysIn(y, m);
      rows.push_back(std::move(work));
      rows.push_back(std::move(holiday));
    }
    f.lists.push_back({"Cal_Day", y, std::move(rows)});
  }
  return f;
}

}  // namespace

void AddCommunicationAndMail(std::vector<CsvFile>& files) {
  files.push_back(WebFile());
  files.push_back(FtpsFile());
  files.push_back(SntpFile());
  files.push_back(ModbusFile());
  files.push_back(SmtpFile());
  files.push_back(FtpcFile());
  files.push_back(MailAddrFile());
  files.push_back(FormFile());
  files.push_back(TimeFile());
  files.push_back(ErrorFile());
  files.push_back(CalendarFile());
}

}  // namespace tk48::csv_layouts
