#include "editors/toolkit/field_checks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "checks/c_number.h"
#include "checks/checks.h"
#include "checks/time_order.h"
#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {
template <class Check>
bool FieldChecks::Run(const QWidget* field, Scope scope, Check check) const {
  const QString text = FieldText(field);
  const std::u16string_view units = Units(text);
  const bool runs = field->isEnabled() || (scope == Scope::Always && !guarding_);
  if (runs) return check(units, kShowMessage, &ui_);
  if (!check(units, 0, nullptr)) held_.insert(field);
  return true;
}

QString FieldText(const QWidget* field) {
  if (const auto* line = qobject_cast<const QLineEdit*>(field)) return line->text();
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field)) return WithCrLf(plain->toPlainText());
  if (const auto* list = qobject_cast<const QComboBox*>(field)) return list->currentText();
  return {};
}

bool FieldChecks::Text(const QWidget* field, int maxChars, int messageId, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckText(u, maxChars, messageId, show, port);
  });
}

bool FieldChecks::Ascii(const QWidget* field, int maxChars, int messageId, int extraId, int extraArg,
                        Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckAsciiText(u, maxChars, messageId, extraId, extraArg, show, port);
  });
}

bool FieldChecks::Length(const QWidget* field, int maxChars, int messageId, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckLength(u, maxChars, messageId, show, port);
  });
}

bool FieldChecks::Int(const QWidget* field, std::int32_t min, std::int32_t max, int messageId, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckInt(u, min, max, messageId, show, port);
  });
}

bool FieldChecks::UInt(const QWidget* field, std::uint32_t min, std::uint32_t max, int messageId, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckUInt(u, min, max, messageId, show, port);
  });
}

bool FieldChecks::Hex(const QWidget* field, std::uint32_t min, std::uint32_t max, int messageId, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckHex(u, min, max, messageId, show, port);
  });
}

bool FieldChecks::Real(const QWidget* field, int messageId, double min, double max, int places, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckReal(u, messageId, places, show, min, max, port);
  });
}

bool FieldChecks::RealNonZero(const QWidget* field, int messageId, double min, double max, int places,
                              Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    return CheckRealNonZero(u, messageId, places, show, min, max, port);
  });
}

bool FieldChecks::EndAfterStart(TimeFields start, TimeFields end, std::string_view message) const {
  if (tk48::EndAfterStart(start.hour->currentIndex(), start.minute->currentIndex(), end.hour->currentIndex(),
                          end.minute->currentIndex()))
    return true;
  return Refuse(message);
}

bool FieldChecks::UniquePort(const QWidget* field, const SettingData& record, PortService self, Scope scope) const {
  return Run(field, scope, [&](std::u16string_view u, int show, UiPort* port) {
    const auto value = ParseLong(u);
    if (!value.Whole(u.size()) || !PortTakenByOther(record, self, value.value)) return true;
    if (show == kShowMessage && port) ShowError(*port, LoadText(text::kDuplicatePort));
    return false;
  });
}

bool FieldChecks::Refuse(std::string_view message) const {
  ShowError(ui_, message);
  return false;
}

}  // namespace tk48
