#include "editors/field_checks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "editors/checks/checks.h"
#include "editors/editor_text.h"

namespace tk48 {
namespace {

bool Skipped(const QWidget* field, Scope scope) { return scope == Scope::InUse && !field->isEnabled(); }

}  // namespace

QString FieldText(const QWidget* field) {
  if (const auto* line = qobject_cast<const QLineEdit*>(field)) return line->text();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field)) return plain->toPlainText();
  if (const auto* list = qobject_cast<const QComboBox*>(field)) return list->currentText();
  return {};
}

bool FieldChecks::Text(const QWidget* field, int maxChars, int messageId, Scope scope) const {
  return Skipped(field, scope) || CheckText(Units(FieldText(field)), maxChars, messageId, kShowMessage, &ui_);
}

bool FieldChecks::Ascii(const QWidget* field, int maxChars, int messageId, int extraId, int extraArg,
                        Scope scope) const {
  return Skipped(field, scope) ||
         CheckAsciiText(Units(FieldText(field)), maxChars, messageId, extraId, extraArg, kShowMessage, &ui_);
}

bool FieldChecks::Length(const QWidget* field, int maxChars, int messageId, Scope scope) const {
  return Skipped(field, scope) || CheckLength(Units(FieldText(field)), maxChars, messageId, kShowMessage, &ui_);
}

bool FieldChecks::Int(const QWidget* field, std::int32_t min, std::int32_t max, int messageId, Scope scope) const {
  return Skipped(field, scope) || CheckInt(Units(FieldText(field)), min, max, messageId, kShowMessage, &ui_);
}

bool FieldChecks::UInt(const QWidget* field, std::uint32_t min, std::uint32_t max, int messageId,
                       Scope scope) const {
  return Skipped(field, scope) || CheckUInt(Units(FieldText(field)), min, max, messageId, kShowMessage, &ui_);
}

bool FieldChecks::Hex(const QWidget* field, std::uint32_t min, std::uint32_t max, int messageId,
                      Scope scope) const {
  return Skipped(field, scope) || CheckHex(Units(FieldText(field)), min, max, messageId, kShowMessage, &ui_);
}

bool FieldChecks::Real(const QWidget* field, int messageId, double min, double max, int places, Scope scope) const {
  return Skipped(field, scope) ||
         CheckReal(Units(FieldText(field)), messageId, places, kShowMessage, min, max, &ui_);
}

bool FieldChecks::RealNonZero(const QWidget* field, int messageId, double min, double max, int places,
                              Scope scope) const {
  return Skipped(field, scope) ||
         CheckRealNonZero(Units(FieldText(field)), messageId, places, kShowMessage, min, max, &ui_);
}

bool FieldChecks::Refuse(std::string_view message) const {
  ShowError(ui_, message);
  return false;
}

}  // namespace tk48
