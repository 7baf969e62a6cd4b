#include <cstddef>

#include "model/schema.h"
#include "model/setting_data.h"

namespace tk48 {
using namespace schema;

namespace {
// A pen field of a trend page: one array member indexed by the pen group's number.
Node PenField(Node field, std::uint32_t stride) {
  field.stride = stride;
  if (field.kind == Kind::Ref) field.numStride = stride;
  return field;
}

Node TrendPageSchema() {
  static const Keywords speed{"1S", "5S", "10S", "30S", "1M", "5M", "10M", "15M", "30M", "1H", "1D"};
  static const Families channels{{"NONE", 0, true},     {"AI", kAiCount}, {"DI", kDiCount},
                                 {"PI", kPiCount},      {"MA", kMaCount}, {"MD", kMdCount},
                                 {"AO", kAoCount},      {"DO", kDoCount}, {"GDO", kGdoCount}};
  Node color = PenField(Hex("COLOR", offsetof(TrendPage, COLOR)), sizeof(std::uint32_t));
  color.defByIndex = {0x00FF8040, 0x00FF0000, 0x000080FF, 0x00008000};
  // Each pen's five lines follow each other: PEN, COLOR, THICK, RANGE_H, RANGE_L.
  Node pens = Group(4, 1,
                    {PenField(Ref("PEN", offsetof(TrendPage, PEN), offsetof(TrendPage, PEN) + offsetof(ChannelRef, no),
                                  channels, 0, 1),
                              sizeof(ChannelRef)),
                     std::move(color),
                     PenField(Kw("THICK", offsetof(TrendPage, THICK), InvalidActive()), sizeof(std::int32_t)),
                     PenField(Real("RANGE_H", offsetof(TrendPage, RANGE_H), 100), sizeof(double)),
                     PenField(Real("RANGE_L", offsetof(TrendPage, RANGE_L), 0), sizeof(double))});
  return Repeated("TREND_PAGE", offsetof(TrendBlock, TREND_PAGE), 16, 1, sizeof(TrendPage),
                  {Text("NAME", offsetof(TrendPage, NAME), 193, "PAGE%d"),
                   Kw("TREND_SPEED", offsetof(TrendPage, TREND_SPEED), speed, 2),
                   Int("TREND_TIME", offsetof(TrendPage, TREND_TIME), Width::U8, 0, 23, 0), std::move(pens)});
}

Node BitWords(const char* stem, std::uint32_t offset, std::uint16_t words) {
  return Array(Hex(stem, offset, 0xFFFFFFFF), words, 1, sizeof(std::uint32_t));
}
}  // namespace

Node DispSchema() {
  return Container("DISP", offsetof(SettingData, DISP),
                   {Container("TREND", offsetof(DispSection, TREND), {TrendPageSchema()}),
                    Container("DATA", offsetof(DispSection, DATA),
                              {BitWords("AI", offsetof(DataView, AI), 4), BitWords("DI", offsetof(DataView, DI), 8),
                               BitWords("PI", offsetof(DataView, PI), 4), BitWords("MA", offsetof(DataView, MA), 8),
                               BitWords("MD", offsetof(DataView, MD), 8), BitWords("AO", offsetof(DataView, AO), 2),
                               BitWords("DO", offsetof(DataView, DO), 4),
                               BitWords("GDO", offsetof(DataView, GDO), 1)})});
}

}  // namespace tk48
