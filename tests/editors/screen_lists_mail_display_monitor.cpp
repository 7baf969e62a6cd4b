// The choice lists of the e-mail screens (address list, templates, regular
// report, delivery failure output, calendar), of the display screens (trend
// pages, data view) and of the process operation monitor as their
// descriptions give them, and the texts those screens leave blank on purpose.
#include "tests/editors/screen_lists.h"

namespace tk48::test {

ScreenTables MailDisplayMonitorTables() {
  const auto disableEnable = [] { return Fixed({"Disable", "Enable"}); };
  // A mail output (delivery success or failure): its mode, its type and the
  // type's channels.
  const auto outputModes = [] { return Fixed({"None", "ON", "OFF"}); };
  const auto outputTypes = [] { return Fixed({"MD", "DO", "GDO"}); };
  const auto outputChannels = [](std::string_view ch, std::string_view type) {
    return ChannelsOfType(ch, type, {{"MD", ListFamily::Md}, {"DO", ListFamily::Do}, {"GDO", ListFamily::Gdo}});
  };
  // Every family, as an attached channel and a trend pen offer them.
  const auto everyFamily = [](std::string_view ch, std::string_view type) {
    return ChannelsOfType(ch, type,
                          {{"AI", ListFamily::Ai},
                           {"DI", ListFamily::Di},
                           {"PI", ListFamily::Pi},
                           {"MA", ListFamily::Ma},
                           {"MD", ListFamily::Md},
                           {"AO", ListFamily::Ao},
                           {"DO", ListFamily::Do},
                           {"GDO", ListFamily::Gdo}});
  };
  static const ListRule lists[] = {
      // A mail template and its two choosers' entry screens.
      {"CDlgSetRepFormConf", "Mode", disableEnable()},
      {"CDlgSetRepFormConf", "Enabled time period",
       Fixed({"Any time", "Business day", "Non-business day", "Within business hours", "Out of business hours",
              "Non-business hours", "Pause"})},
      {"CDlgSetRepFormConf", "Business hour No.", Numbers(1, 6)},
      {"CDlgSetRepFormConf", "Attached file", Fixed({"None", "Daily report", "Monthly report", "Yearly report"})},
      {"CDlgSetRepFormConf", "Delivery success output", outputModes()},
      {"CDlgSetRepFormConf", "Delivery success output (Type)", outputTypes()},
      {"CDlgSetRepFormConf", "Delivery success output (CH)", outputChannels("CH", "Type")},
      {"CDlgSetRepDstConf", "To", Fixed({"None", "To"})},
      // "Disable" attaches nothing, so its channel list stays empty.
      {"CDlgSetRepChConf", "Type", Fixed({"Disable", "AI", "DI", "PI", "MA", "MD", "AO", "DO", "GDO"})},
      {"CDlgSetRepChConf", "CH", everyFamily("CH", "Type")},
      // Regular report and its send hours.
      {"CDlgSetRepTime", "Mode", disableEnable()},
      {"CDlgSetRepTimeSendConf", "Send", disableEnable()},
      // Delivery failure output.
      {"CDlgSetRepError", "Mode", outputModes()},
      {"CDlgSetRepError", "Type", outputTypes()},
      {"CDlgSetRepError", "CH", outputChannels("CH", "Type")},
      // The calendar: six business-hour periods and the year shown.
      {"CDlgSetRepCalendar", "Business hour*(Start hour)", Numbers(0, 23)},
      {"CDlgSetRepCalendar", "Business hour*(Start minute)", Numbers(0, 59)},
      {"CDlgSetRepCalendar", "Business hour*(End hour)", Numbers(0, 23)},
      {"CDlgSetRepCalendar", "Business hour*(End minute)", Numbers(0, 59)},
      {"CDlgSetRepCalendar", "Calendar year", Numbers(2015, 2099)},
      // A trend page; a "None" pen's channel list is empty.
      {"CDlgSetDispTrendPage", "Trend speed",
       Fixed({"1 second", "5 seconds", "10 seconds", "30 seconds", "1 minute", "5 minutes", "10 minutes", "15 minutes",
              "30 minutes", "1 hour", "1 day"})},
      {"CDlgSetDispTrendPage", "Hour", Numbers(0, 23)},
      {"CDlgSetDispTrendPage", "Pen setting*(I/O type)",
       Fixed({"None", "AI", "DI", "PI", "MA", "MD", "AO", "DO", "GDO"})},
      {"CDlgSetDispTrendPage", "Pen setting*(CH)", everyFamily("CH", "I/O type")},
      // A monitored process: the status channel takes every kind, channels 2
      // to 5 only the discrete ones, the main display only the analog ones.
      {"CDlgSetOpemonProc", "Channel 1 (Type)", Fixed({"None", "AI", "PI", "MA", "DI", "MD"})},
      {"CDlgSetOpemonProc", "Channel * (Type)", Fixed({"None", "DI", "MD"})},
      {"CDlgSetOpemonProc", "Digital display (main) (Type)", Fixed({"None", "AI", "PI", "MA"})},
      {"CDlgSetOpemonProc", "Digital display (sub*) (Type)", Fixed({"None", "AI", "PI", "MA", "DI", "MD"})},
      {"CDlgSetOpemonProc", "*(CH)",
       ChannelsOfType("CH", "Type",
                      {{"AI", ListFamily::Ai},
                       {"PI", ListFamily::Pi},
                       {"MA", ListFamily::Ma},
                       {"DI", ListFamily::Di},
                       {"MD", ListFamily::Md}})},
  };
  static const BlankRule blanks[] = {
      {"CDlgSetDispTrendPage", "Pen setting*(Thick line)",
       "a check box that the \"Thick line\" label beside it names; the box itself carries no text"},
  };
  return {lists, blanks};
}

}  // namespace tk48::test
