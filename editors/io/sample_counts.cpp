#include "editors/io/sample_counts.h"

#include <iterator>

#include "editors/toolkit/editor_widgets.h"

namespace tk48 {

QComboBox* SampleCountList(QWidget* parent) {
  QComboBox* list = NumberList(parent, 0, -1);
  for (const std::uint32_t n : kSampleCounts) list->addItem(QString::number(n));
  return list;
}

int SampleIndex(double count) {
  const auto* at = std::find(std::begin(kSampleCounts), std::end(kSampleCounts), count);
  return at == std::end(kSampleCounts) ? 0 : static_cast<int>(at - std::begin(kSampleCounts));
}

bool SampleListed(double count) {
  return std::find(std::begin(kSampleCounts), std::end(kSampleCounts), count) != std::end(kSampleCounts);
}

}  // namespace tk48
