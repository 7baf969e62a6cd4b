#pragma once
// How a channel is labelled, as the AI, DI, PI and MA screens show it: its
// "CH name" and "CH comment" (NAME, COMMENT, 16 characters each) and, on the
// screens of a value (AI, PI, MA), its decimal places and engineering unit
// (POINT, UNIT, 8 characters). A screen inherits the piece, so the fields
// stand beside its own, and makes each pair where its tab order has it; DI
// has no value, and leaves the unit pair unmade.
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "editors/toolkit/editor_widgets.h"
#include "editors/toolkit/field_bindings.h"
#include "editors/toolkit/field_checks.h"
#include "resources/text_ids.h"

namespace tk48 {

class ChannelLabels {
 public:
  QLineEdit* name = nullptr;
  QLineEdit* comment = nullptr;
  QComboBox* point = nullptr;
  QLineEdit* unit = nullptr;

 protected:
  void MakeNames(QWidget* parent) {
    name = EditField(parent, 200);
    comment = EditField(parent, 200);
  }
  void MakeUnit(QWidget* parent) {
    point = NumberList(parent, 0, 3);
    unit = EditField(parent, 100);
  }

  template <class Ch>
  void BindNames(FieldBindings& fields, Ch& ch) {
    fields.Text(name, ch.NAME);
    fields.Text(comment, ch.COMMENT);
  }
  template <class Ch>
  void BindUnit(FieldBindings& fields, Ch& ch) {
    fields.Choice(point, ch.POINT);
    fields.Text(unit, ch.UNIT);
  }

  void AddNameRows(QFormLayout* form) const {
    AddRow(form, text::kColumnChName, name);
    AddRow(form, text::kColumnChComment, comment);
  }
  void AddUnitRows(QFormLayout* form) const {
    AddRow(form, text::kDecimalPlaces, point);
    AddRow(form, text::kEngineeringUnit, unit);
  }

  bool CheckNames(const FieldChecks& checks, Scope scope) const {
    return checks.Text(name, 16, text::kChNameError, scope) && checks.Text(comment, 16, text::kChCommentError, scope);
  }
  bool CheckUnit(const FieldChecks& checks, Scope scope) const {
    return checks.Text(unit, 8, text::kEngineeringUnitError, scope);
  }
};

}  // namespace tk48
