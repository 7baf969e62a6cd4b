#pragma once
// The fields of one editor screen and the record fields they edit. Load fills
// the screen from the record (texts decoded, integers as "%d" or "%u", reals
// as "%.3f", lists selected by value); Commit writes every bound field back
// with the C conversions, fields not in use included, from what they hold.
// An editor that works on a working copy binds to the copy.
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

#include "editors/checks/c_number.h"
#include "editors/editor_text.h"

namespace tk48 {

class FieldBindings {
 public:
  template <std::size_t N>
  void Text(QLineEdit* field, char (&target)[N]) {
    auto* t = &target;
    Add([=] { field->setText(FromRecord(*t)); }, [=] { ToRecord(*t, field->text()); });
  }

  // Signed and narrow fields take the text-to-int conversion; unsigned 32-bit
  // ones the unsigned conversion and "%u".
  template <class T>
  void Int(QLineEdit* field, T& target) {
    static_assert(std::is_integral_v<T>);
    auto* t = &target;
    if constexpr (std::is_same_v<T, std::uint32_t>) {
      Add([=] { field->setText(QString::number(*t)); },
          [=] { *t = ParseULong(Units(field->text()), 10).value; });
    } else {
      Add([=] { field->setText(QString::number(static_cast<int>(*t))); },
          [=] { *t = static_cast<T>(ParseLong(Units(field->text())).value); });
    }
  }

  // Hexadecimal with `digits` zero-padded lower-case digits ("%08x").
  template <class T>
  void Hex(QLineEdit* field, T& target, int digits) {
    auto* t = &target;
    Add([=] { field->setText(QStringLiteral("%1").arg(static_cast<std::uint32_t>(*t), digits, 16, QChar(u'0'))); },
        [=] { *t = static_cast<T>(ParseULong(Units(field->text()), 16).value); });
  }

  void Real(QLineEdit* field, double& target, int places = 3) {
    auto* t = &target;
    Add([=] { field->setText(QString::number(*t, 'f', places)); },
        [=] { *t = ParseDouble(Units(field->text())).value; });
  }

  // A list whose entry index plus `offset` is the stored value. A value with no
  // entry leaves the list without a selection and the record as it was.
  template <class T>
  void Choice(QComboBox* list, T& target, int offset = 0) {
    auto* t = &target;
    Add([=] {
          const int index = static_cast<int>(*t) - offset;
          list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
        },
        [=] {
          if (list->currentIndex() >= 0) *t = static_cast<T>(list->currentIndex() + offset);
        });
  }

  void Load() const {
    for (const auto& b : bindings_) b.load();
  }
  void Commit() const {
    for (const auto& b : bindings_) b.commit();
  }

 private:
  struct Binding {
    std::function<void()> load;
    std::function<void()> commit;
  };
  void Add(std::function<void()> load, std::function<void()> commit) {
    bindings_.push_back({std::move(load), std::move(commit)});
  }
  std::vector<Binding> bindings_;
};

}  // namespace tk48
