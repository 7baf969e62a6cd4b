#pragma once
// String-table ids of the e-mail screens that name existing entries; the
// e-mail texts of our own are in resources/text_ids.h.
#include "resources/text_ids.h"

namespace tk48::text::mail {

inline constexpr int kDeliveryFailureOutput = 1008;
inline constexpr int kAddressList = 27052;
inline constexpr int kNo02d = 27053;
inline constexpr int kAddress = 27054;
inline constexpr int kTo = 27055;
inline constexpr int kMailTemplate = 27060;
inline constexpr int kRegularReport = 27074;
inline constexpr int kEmailingCalendar = 27075;
inline constexpr int kOn = 604;  // "ON", then "OFF"
inline constexpr int kChooseTemplate = 26563;
inline constexpr int kDayOfWeek = 415;
inline constexpr int kTimeToSend = 27069;
inline constexpr int kSendTimeTitle = 27070;  // "Set time to send: %d (hour)"
inline constexpr int kBusinessHour = 27076;
inline constexpr int kJanuary = 27079;  // .. "December"
inline constexpr int kHoliday = 27091;
inline constexpr int kNonBusinessDay = 27056;
inline constexpr int kBodyText = 27061;
inline constexpr int kEnabledTimePeriod = 27062;
inline constexpr int kBusinessHourNo = 27063;
inline constexpr int kAttachedChData = 27064;
inline constexpr int kCh02d = 27065;
inline constexpr int kAttachedFile = 27066;
inline constexpr int kDeliverySuccessOutput = 27067;
inline constexpr int kAnyTime = 27434;  // "Business day", then (after "Non-business day") 27436..27439

}  // namespace tk48::text::mail
