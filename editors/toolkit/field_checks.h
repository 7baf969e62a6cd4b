#pragma once
// The input checks on screen fields, each showing its message through the
// editor's UI port. One scope rule for every screen:
//  - the OK step checks the fields in use (enabled) and, on disabled fields
//    too, the checks a screen runs whatever the choices (Scope::Always);
//  - a guarded choice change checks only the fields in use at that moment, so
//    a value read from a file never traps the user: picking the choice that
//    enables its field is always allowed, then the field can be put right;
//  - a field whose check was skipped and would fail it is held: the commit
//    leaves the record's value as it was (FieldBindings asks IsHeld).
#include <QComboBox>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <set>
#include <string_view>

#include "model/service_ports.h"

namespace tk48 {

class UiPort;

enum class Scope : std::uint8_t { InUse, Always };

// An h:mm time as two number lists whose entry index is the value (hour 0 to
// 23 or 24, minute 0 to 59).
struct TimeFields {
  const QComboBox* hour;
  const QComboBox* minute;
};

// The text a field holds: line edit, multi-line edit (line breaks as CR LF,
// as the record stores them), editable list.
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

  // The end after the start (an end hour may be 24); otherwise `message` in an
  // error box and false. A relation of the screen's own: it runs whatever the
  // fields' enable states.
  bool EndAfterStart(TimeFields start, TimeFields end, std::string_view message) const;
  // A service's port (a field that already passed its integer check) that is
  // the port of another service: "Setting error: Duplicate port address".
  bool UniquePort(const QWidget* field, const SettingData& record, PortService self,
                  Scope scope = Scope::InUse) const;

  // A rule of the editor's own failed: its message in an error box; false.
  bool Refuse(std::string_view message) const;

  UiPort& ui() const { return ui_; }

  // The editor sets these around its steps.
  void BeginOkStep() { held_.clear(); }
  void SetGuarding(bool guarding) { guarding_ = guarding; }
  bool Guarding() const { return guarding_; }
  bool IsHeld(const QWidget* field) const { return held_.count(field) != 0; }

 private:
  // Runs `check` (text, show, port) on the field's text when its scope says
  // so; otherwise silently, holding the field when it would fail.
  template <class Check>
  bool Run(const QWidget* field, Scope scope, Check check) const;

  UiPort& ui_;
  bool guarding_ = false;
  mutable std::set<const QWidget*> held_;
};

}  // namespace tk48
