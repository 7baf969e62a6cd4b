#pragma once
// The input checks on screen fields, each showing its message through the
// editor's UI port. A check runs only while its field is in use (enabled):
// UpdateEnables has already decided which fields the current choices use, so a
// value that an unused field still holds can never keep the editor from
// closing. A screen that tests a field whether it is in use or not says so
// with Scope::Always.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>

namespace tk48 {

class UiPort;

enum class Scope : std::uint8_t { InUse, Always };

// The text a field holds: line edit, multi-line edit, editable list.
QString FieldText(const QWidget* field);

class FieldChecks {
 public:
  explicit FieldChecks(UiPort& ui) : ui_(ui) {}

  bool Text(const QWidget* field, int maxChars, int messageId, Scope scope = Scope::InUse) const;
  bool Ascii(const QWidget* field, int maxChars, int messageId, int extraId, int extraArg,
             Scope scope = Scope::InUse) const;
  bool Length(const QWidget* field, int maxChars, int messageId, Scope scope = Scope::InUse) const;
  bool Int(const QWidget* field, std::int32_t min, std::int32_t max, int messageId,
           Scope scope = Scope::InUse) const;
  bool UInt(const QWidget* field, std::uint32_t min, std::uint32_t max, int messageId,
            Scope scope = Scope::InUse) const;
  bool Hex(const QWidget* field, std::uint32_t min, std::uint32_t max, int messageId,
           Scope scope = Scope::InUse) const;
  // Three decimal places, as every editor uses them, unless `places` says otherwise.
  bool Real(const QWidget* field, int messageId, double min, double max, int places = 3,
            Scope scope = Scope::InUse) const;
  bool RealNonZero(const QWidget* field, int messageId, double min, double max, int places = 3,
                   Scope scope = Scope::InUse) const;

  // A rule of the editor's own failed: its message in an error box; false.
  bool Refuse(std::string_view message) const;

  UiPort& ui() const { return ui_; }

 private:
  UiPort& ui_;
};

}  // namespace tk48
