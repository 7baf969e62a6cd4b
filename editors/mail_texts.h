#pragma once
// String-table ids of the e-mail screens.
namespace tk48::text::mail {

inline constexpr int kEmail = 21404;
inline constexpr int kDeliveryFailureOutput = 1008;
inline constexpr int kAddressList = 27052;
inline constexpr int kNo02d = 27053;
inline constexpr int kAddress = 27054;
inline constexpr int kTo = 27055;
inline constexpr int kMailTemplate = 27060;
inline constexpr int kRegularReport = 27074;
inline constexpr int kEmailingCalendar = 27075;
inline constexpr int kOn = 604;  // "ON", then "OFF"
inline constexpr int kRecipientNameError = 26700;
inline constexpr int kQuoteCannotBeUsed = 26701;
inline constexpr int kAddressError = 26702;
inline constexpr int kMailTo = 26703;
inline constexpr int kChooseChannels = 26704;
inline constexpr int kSubjectError = 26705;
inline constexpr int kBodyError = 26706;
inline constexpr int kAttachChData = 26707;
inline constexpr int kSetTimeToSend = 26708;
inline constexpr int kSend = 26709;
inline constexpr int kMailTemplateNo = 25509;
inline constexpr int kChooseTemplate = 26563;
inline constexpr int kDayOfWeek = 415;
inline constexpr int kSunday = 26521;  // "Sun" .. "Sat"
inline constexpr int kTimeToSend = 27069;
inline constexpr int kSendTimeTitle = 27070;  // "Set time to send: %d (hour)"
inline constexpr int kReport = 27071;
inline constexpr int kNationalDay = 26710;  // "祝"
inline constexpr int kBusinessHourError = 26711;
inline constexpr int kBusinessDaySetting = 26712;
inline constexpr int kSet = 26713;
inline constexpr int kCalendarYear = 26714;
inline constexpr int kYearSuffix = 26715;  // " %d " after the month's name
inline constexpr int kBusinessHour = 27076;
inline constexpr int kStartHour = 26716;  // then start minute, end hour, end minute
inline constexpr int kJanuary = 27079;  // .. "December"
inline constexpr int kHoliday = 27091;
inline constexpr int kNonBusinessDay = 27056;
inline constexpr int kDailyReport = 27057;  // then monthly, yearly
inline constexpr int kBodyText = 27061;
inline constexpr int kEnabledTimePeriod = 27062;
inline constexpr int kBusinessHourNo = 27063;
inline constexpr int kAttachedChData = 27064;
inline constexpr int kCh02d = 27065;
inline constexpr int kAttachedFile = 27066;
inline constexpr int kDeliverySuccessOutput = 27067;
inline constexpr int kAnyTime = 27434;  // "Business day", then (after "Non-business day") 27436..27439

}  // namespace tk48::text::mail
