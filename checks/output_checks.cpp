#include "checks/output_checks.h"

namespace tk48 {

bool SamePoint(const OutputPoint& a, const OutputPoint& b) {
  if (a.type == kTypeNone || a.type != b.type) return false;
  switch (a.type) {
    case kTypeCard: return a.cardNo == b.cardNo && a.cardCh == b.cardCh;
    case kTypeModbusTcp: return a.node == b.node && a.modType == b.modType && a.address == b.address;
    case kTypeSlmp: return a.node == b.node && a.code == b.code && a.number == b.number;
    default: return false;
  }
}

bool PatternsName(const ScheduleSection& schedule, OutputFamily family, int index) {
  const std::int32_t kind = HolderKind(OutputHolder::PatternOutput, family);
  for (const SchedulePattern& pattern : schedule.PATTERN)
    for (const PatternOut& out : pattern.OUT)
      if (out.CH.kind == kind && out.CH.no == index + 1) return true;
  return false;
}

int FirstGdoHoldingDo(const IoSection& io, int doIndex) {
  const std::int32_t kind = HolderKind(OutputHolder::GdoMember, OutputFamily::Do);
  for (std::size_t g = 0; g < std::size(io.GDO); ++g)
    for (const ChannelRef& slot : io.GDO[g].CH)
      if (slot.kind == kind && slot.no == doIndex + 1) return static_cast<int>(g);
  return -1;
}

bool SlotsHoldMd(std::span<const ChannelRef> slots, int mdIndex) {
  if (mdIndex < 0) return false;
  const std::int32_t kind = HolderKind(OutputHolder::GdoMember, OutputFamily::Md);
  for (const ChannelRef& slot : slots)
    if (slot.kind == kind && slot.no == mdIndex + 1) return true;
  return false;
}

}  // namespace tk48
