#pragma once
// The filter of an input's value (AI, and a PI measured as an engineering unit
// value): "Filter" with its moving-average sample count or its time constant.
// A screen inherits it, so the fields stand beside its own, and makes them
// where its tab order has them.
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "editors/io/sample_counts.h"
#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "resources/text_ids.h"

namespace tk48 {

class ValueFilter {
 public:
  enum Filter { kNoFilter, kMovingAverage, kDelayBuffer };

  QComboBox* filter = nullptr;
  QComboBox* samples = nullptr;
  QLineEdit* timeConstant = nullptr;

 protected:
  void MakeFilter(QWidget* parent) {
    filter = ChoiceList(parent, {text::kNoneKind, text::kMovingAverage, text::kDelayBuffer});
    samples = SampleCountList(parent);
    timeConstant = EditField(parent, 60);
  }
  template <class Ch>
  void BindFilter(FieldBindings& fields, Ch& ch) {
    fields.Choice(filter, ch.FILTER);
    // A count the list does not hold shows "4" (and is written as 4 on OK).
    BindSampleCount(fields, samples, ch.MOVING_AVERAGE);
    fields.Int(timeConstant, ch.T);
  }
  void AddFilterRows(QFormLayout* form) const {
    AddRow(form, text::kFilter, filter);
    AddRow(form, text::kMovingAverageSamples, samples);
    AddRow(form, text::kTimeConstant, timeConstant);
  }
  // The filter in use, with the field its entry uses.
  void EnableFilter() const {
    filter->setEnabled(true);
    samples->setEnabled(filter->currentIndex() == kMovingAverage);
    timeConstant->setEnabled(filter->currentIndex() == kDelayBuffer);
  }
  // Whatever the filter.
  bool CheckFilter(const FieldChecks& checks) const {
    return checks.Int(timeConstant, 0, 100, text::kTimeConstantError, Scope::Always);
  }
};

}  // namespace tk48
