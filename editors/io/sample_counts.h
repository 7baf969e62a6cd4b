#pragma once
// The moving-average sample counts a filter offers ("4" to "64"), for the AI
// and PI filters and the MA moving average: a count the list does not hold
// shows "4", and OK stores 4.
#include <QComboBox>
#include <algorithm>
#include <cstdint>

#include "editors/toolkit/field_bindings.h"

namespace tk48 {

inline constexpr std::uint32_t kSampleCounts[] = {4, 8, 16, 32, 64};

// The list "4", "8", "16", "32", "64".
QComboBox* SampleCountList(QWidget* parent);
// The entry of `count`, 0 ("4") when the list does not hold it.
int SampleIndex(double count);
bool SampleListed(double count);

template <class T>
T ShownSampleCount(const QComboBox* list) {
  return static_cast<T>(kSampleCounts[std::max(list->currentIndex(), 0)]);
}

// Binds `list` to the stored count `target`: written when the user picks, and
// on OK when the list does not hold the stored count (it shows "4").
template <class T>
void BindSampleCount(FieldBindings& fields, QComboBox* list, T& target) {
  T* t = &target;
  fields.Custom(
      list, [list, t] { list->setCurrentIndex(SampleIndex(static_cast<double>(*t))); },
      [list] { return QString::number(list->currentIndex()); }, [list, t] { *t = ShownSampleCount<T>(list); },
      [t] { return SampleListed(static_cast<double>(*t)); });
}

}  // namespace tk48
