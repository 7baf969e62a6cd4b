#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
Node ChRef(std::uint32_t offset, const Families& families) {
  return Ref("CH", offset, offset + offsetof(ChannelRef, no), families, 0, 1);
}

Node HourMinSchema(const char* name, std::uint32_t offset, int maxHour, int hour) {
  return Container(name, offset,
                   {Int("HOUR", offsetof(HourMin, HOUR), Width::U8, 0, maxHour, hour),
                    Int("MIN", offsetof(HourMin, MIN), Width::U8, 0, 59, 0)});
}

Node PatternSchema() {
  static const Families outputs{{"NONE", 0, true}, {"DO", kDoCount}, {"GDO", kGdoCount}, {"MD", kMdCount}};
  return Repeated("PATTERN", offsetof(ScheduleSection, PATTERN), 64, 1, sizeof(SchedulePattern),
                  {Text("PTN_NAME", offsetof(SchedulePattern, PTN_NAME), 97, "Pattern%d"),
                   Repeated("OUT", offsetof(SchedulePattern, OUT), 8, 1, sizeof(PatternOut),
                            {ChRef(offsetof(PatternOut, CH), outputs),
                             HourMinSchema("START", offsetof(PatternOut, START), 23, 9),
                             HourMinSchema("STOP", offsetof(PatternOut, STOP), 24, 17)})});
}

Node UnitSchema() {
  return Repeated("UNIT", offsetof(ScheduleSection, UNIT), 32, 1, sizeof(ScheduleUnit),
                  {Text("NAME", offsetof(ScheduleUnit, NAME), 97, "Unit%d"),
                   Kw("MODE", offsetof(ScheduleUnit, MODE), NoUseUse()),
                   Repeated("BASIC", offsetof(ScheduleUnit, BASIC), 7, 0, sizeof(UnitDay),
                            {Int("PTN", offsetof(UnitDay, PTN), Width::S16, 0, 64, 0)})});
}

Node MenteSchema() {
  static const Families inputs{{"NONE", 0, true}, {"DI", kDiCount}, {"MD", kMdCount}};
  return Container("MENTE", offsetof(ScheduleSection, MENTE),
                   {Container("INPUT", offsetof(ScheduleMente, INPUT), {ChRef(offsetof(MenteInput, CH), inputs)})});
}
}  // namespace

Node ScheduleSchema() {
  return Container("SCHEDULE", offsetof(SettingData, SCHEDULE), {PatternSchema(), UnitSchema(), MenteSchema()});
}

}  // namespace tk48
