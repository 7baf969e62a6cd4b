#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
Node DstPointSchema(const char* name, std::uint32_t offset, int mon, int week1) {
  return Container(name, offset,
                   {Int("MON", offsetof(DstPoint, MON), Width::U8, 1, 12, mon),
                    Int("WEEK1", offsetof(DstPoint, WEEK1), Width::U8, 1, 5, week1),
                    Kw("WEEK2", offsetof(DstPoint, WEEK2), Weekdays()),
                    Int("HOUR", offsetof(DstPoint, HOUR), Width::U8, 0, 23, 2)});
}
}  // namespace

Node SystemSchema() {
  static const Keywords language{"JAPANESE", "ENGLISH"};
  return Container(
      "SYSTEM", offsetof(SettingData, SYSTEM),
      {Text("NAME1", offsetof(SystemSection, NAME1), 97, "TK48"),
       Text("NAME2", offsetof(SystemSection, NAME2), 97),
       Text("NAME3", offsetof(SystemSection, NAME3), 97),
       Kw("LANGUAGE", offsetof(SystemSection, LANGUAGE), language),
       Int("TIMEZONE", offsetof(SystemSection, TIMEZONE), Width::S16, -12, 13, 9),
       Int("TIMEZONE_MIN", offsetof(SystemSection, TIMEZONE_MIN), Width::S16, 0, 59, 0),
       Kw("TIME_AVE", offsetof(SystemSection, TIME_AVE), NoUseUse(), 1),
       Container("DST", offsetof(SystemSection, DST),
                 {Kw("MODE", offsetof(DstBlock, MODE), NoUseUse()),
                  DstPointSchema("START", offsetof(DstBlock, START), 3, 2),
                  DstPointSchema("END", offsetof(DstBlock, END), 11, 1)})});
}

}  // namespace tk48
