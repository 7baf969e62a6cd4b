#pragma once
// Whether an h:mm end lies after its start on the same day. An end hour may be
// 24 (the end of the day); an end equal to the start is not after it.
namespace tk48 {

constexpr bool EndAfterStart(int startHour, int startMinute, int endHour, int endMinute) {
  return endHour > startHour || (endHour == startHour && endMinute > startMinute);
}

}  // namespace tk48
