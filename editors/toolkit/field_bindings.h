#pragma once
// The fields of one editor screen and the record fields they edit. Load fills
// the screen from the record (texts decoded, integers as "%d" or "%u", reals
// as the file writes them, lists selected by value); Commit writes a field
// back only when the user changed what Load showed, so an OK without edits
// leaves the record byte-identical (a stored 0.0625 stays 0.0625 although the
// screen shows "0.062"). A field whose stored value it cannot show shows what
// its Load rule says (a moving-average count of 10 shows "4"), and Commit
// writes that as if the user had picked it: what OK stores is what the screen
// showed. A changed field is written with the C conversions,
// fields not in use included, except one held by its skipped check
// (FieldChecks) or one whose text does not convert cleanly: that keeps the
// record's value, never "abc" as 0 or a wrapped number.
// An editor that works on a working copy binds to the copy.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <type_traits>
#include <utility>
#include <vector>

#include "checks/c_number.h"
#include "editors/toolkit/channel_chooser.h"
#include "editors/toolkit/colour_swatch.h"
#include "editors/toolkit/editor_text.h"
#include "editors/toolkit/field_checks.h"
#include "editors/toolkit/ip_address_edit.h"
#include "model/real_text.h"
#include "model/sections/common.h"

namespace tk48 {

// Whether `value` fits the record field type T.
template <class T, class V>
bool Fits(V value) {
  return std::in_range<T>(value);
}

class FieldBindings {
 public:
  template <std::size_t N>
  void Text(QLineEdit* field, char (&target)[N]) {
    auto* t = &target;
    Add(t, field, [=] { field->setText(FromRecord(*t)); }, [=] { return field->text(); },
        [=] { ToRecord(*t, field->text()); });
  }

  // A multi-line text: the record's CR LF line breaks show as lines and are
  // written back as CR LF.
  template <std::size_t N>
  void Text(QPlainTextEdit* field, char (&target)[N]) {
    auto* t = &target;
    Add(t, field, [=] { field->setPlainText(WithLf(FromRecord(*t))); }, [=] { return field->toPlainText(); },
        [=] { ToRecord(*t, WithCrLf(field->toPlainText())); });
  }

  // Signed and narrow fields take the text-to-int conversion; unsigned 32-bit
  // ones the unsigned conversion and "%u".
  template <class T>
  void Int(QLineEdit* field, T& target) {
    static_assert(std::is_integral_v<T>);
    auto* t = &target;
    if constexpr (std::is_same_v<T, std::uint32_t>) {
      Add(t, field, [=] { field->setText(QString::number(*t)); }, [=] { return field->text(); },
          [=] { Store(*t, ParseULong(Units(field->text()), 10), field->text()); });
    } else {
      Add(t, field, [=] { field->setText(QString::number(static_cast<int>(*t))); }, [=] { return field->text(); },
          [=] { Store(*t, ParseLong(Units(field->text())), field->text()); });
    }
  }

  // Hexadecimal with `digits` zero-padded lower-case digits ("%08x").
  template <class T>
  void Hex(QLineEdit* field, T& target, int digits) {
    auto* t = &target;
    Add(t, field,
        [=] { field->setText(QStringLiteral("%1").arg(static_cast<std::uint32_t>(*t), digits, 16, QChar(u'0'))); },
        [=] { return field->text(); }, [=] { Store(*t, ParseULong(Units(field->text()), 16), field->text()); });
  }

  // Shown as the file writes it ("%.3f", or "%.4f" with 4 places).
  void Real(QLineEdit* field, double& target, int places = 3) {
    auto* t = &target;
    Add(t, field, [=] { field->setText(QString::fromStdString(FormatReal(*t, places))); },
        [=] { return field->text(); },
        [=] {
          const QString text = field->text();
          const auto parsed = ParseDouble(Units(text));
          if (parsed.Whole(Units(text).size())) *t = parsed.value;
        });
  }

  // A list whose entry index plus `offset` is the stored value. A value with no
  // entry leaves the list without a selection and the record as it was.
  template <class T>
  void Choice(QComboBox* list, T& target, int offset = 0) {
    auto* t = &target;
    Add(t, list,
        [=] {
          const int index = static_cast<int>(*t) - offset;
          list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
        },
        [=] { return QString::number(list->currentIndex()); },
        [=] {
          if (list->currentIndex() >= 0) *t = static_cast<T>(list->currentIndex() + offset);
        });
  }

  // A list over a value table: entry i stores values[i] (storing rates, code
  // lists, the sharing list's -1 as 0xFF). A value not in the table leaves the
  // list without a selection and the record as it was.
  template <class T, class V>
  void Values(QComboBox* list, T& target, std::span<const V> values) {
    auto* t = &target;
    Add(t, list,
        [=] {
          int index = -1;
          for (std::size_t i = 0; i < values.size() && index < 0; ++i)
            if (static_cast<T>(values[i]) == *t) index = static_cast<int>(i);
          list->setCurrentIndex(index);
        },
        [=] { return QString::number(list->currentIndex()); },
        [=] {
          if (list->currentIndex() >= 0) *t = static_cast<T>(values[static_cast<std::size_t>(list->currentIndex())]);
        });
  }

  // One bit of a bit set as a check box.
  template <class T>
  void Bit(QCheckBox* box, T& word, int bit) {
    static_assert(std::is_unsigned_v<T>);
    auto* t = &word;
    const T mask = static_cast<T>(T{1} << bit);
    Add(t, box, [=] { box->setChecked((*t & mask) != 0); }, [=] { return QString::number(box->isChecked()); },
        [=] { *t = static_cast<T>(box->isChecked() ? *t | mask : *t & ~mask); });
  }

  // A two-state field (0/1, NOUSE/USE) as a check box: ticked stores 1, unticked 0.
  template <class T>
  void Flag(QCheckBox* box, T& target) {
    auto* t = &target;
    Add(t, box, [=] { box->setChecked(*t != 0); }, [=] { return QString::number(box->isChecked()); },
        [=] { *t = static_cast<T>(box->isChecked() ? 1 : 0); });
  }

  // A field with rules of its own (a value made of several fields, a list
  // whose entries depend on the item): `load` shows the record, `shown` tells
  // what the screen shows, `commit` writes it when that changed. `holds`, when
  // given, tells whether the record holds what Load showed; when it does not,
  // Commit writes the shown value without an edit.
  void Custom(const QWidget* field, std::function<void()> load, std::function<QString()> shown,
              std::function<void()> commit, std::function<bool()> holds = {}) {
    Add(nullptr, field, std::move(load), std::move(shown), std::move(commit), std::move(holds));
  }

  // A colour (0x00RRGGBB): written when the user picked one, and when the
  // record holds bits above the colour, which the swatch cannot show.
  void Colour(ColourSwatch* swatch, std::uint32_t& target) {
    auto* t = &target;
    Add(
        t, swatch, [=] { swatch->SetColour(*t); }, [=] { return QString::number(swatch->Picks()); },
        [=] { *t = swatch->Colour(); }, [=] { return (*t & 0xFF000000u) == 0; });
  }

  // An h:mm time as its hour and minute lists (entry index = value; an end
  // hour list may run to 24). Lists show a time with HourMinuteText.
  template <class T>
  void Time(QComboBox* hour, QComboBox* minute, T& time) {
    Choice(hour, time.HOUR);
    Choice(minute, time.MIN);
  }

  // A dotted IP address text. A stored text that is no dotted address is shown
  // as it stands and kept unless edited; the screen decides whether to refuse it.
  template <std::size_t N>
  void Address(IpAddressEdit* field, char (&target)[N]) {
    auto* t = &target;
    Add(t, field, [=] { field->SetAddress(FromRecord(*t)); }, [=] { return field->Address(); },
        [=] { ToRecord(*t, field->Address()); });
  }

  // A channel reference: a type list over `kinds` and the channel list of the
  // picked family ("%03d %s"). The editor refills the channel list when the
  // type changes (ItemEditor::ChannelChoice).
  void Channel(QComboBox* type, QComboBox* channel, ChannelRef& ref, std::span<const RefKind> kinds,
               const SettingData& record) {
    Channel(type, channel, ref.kind, ref.no, kinds, record);
  }

  // The same over a type field and a channel number held apart (a pen's
  // PEN_TYPE and CH). A type without a family stores `noneNo` when given and
  // leaves the number otherwise.
  void Channel(QComboBox* type, QComboBox* channel, std::int32_t& kind, std::int16_t& no,
               std::span<const RefKind> kinds, const SettingData& record,
               std::optional<std::int16_t> noneNo = std::nullopt) {
    auto* k = &kind;
    auto* n = &no;
    Add(k, type,
        [=, &record] {
          int index = -1;
          for (std::size_t i = 0; i < kinds.size() && index < 0; ++i)
            if (kinds[i].kind == *k) index = static_cast<int>(i);
          type->setCurrentIndex(index);
          FillChannels(channel, record, index >= 0 ? kinds[static_cast<std::size_t>(index)].family : nullptr);
          channel->setCurrentIndex(*n >= 1 && *n <= channel->count() ? *n - 1 : -1);
        },
        [=] { return QStringLiteral("%1/%2").arg(type->currentIndex()).arg(channel->currentIndex()); },
        [=] {
          if (type->currentIndex() < 0) return;
          const RefKind& picked = kinds[static_cast<std::size_t>(type->currentIndex())];
          *k = picked.kind;
          if (picked.family && channel->currentIndex() >= 0) {
            *n = static_cast<std::int16_t>(channel->currentIndex() + 1);
          } else if (!picked.family && noneNo) {
            *n = *noneNo;
          }
        });
  }

  // A channel number alone, 0 for none: a list "None" / `family` and the
  // family's channel list ("%03d %s"). Stores the channel's number, or 0 with
  // "None"; a stored number beyond the family leaves both lists without a
  // selection and the record as it was.
  template <class T>
  void ChannelNumber(QComboBox* type, QComboBox* channel, T& target, const ChannelFamily& family,
                     const SettingData& record) {
    auto* t = &target;
    const ChannelFamily* f = &family;
    Add(t, type,
        [=, &record] {
          const int no = static_cast<int>(*t);
          const bool known = no >= 0 && no <= f->count;
          type->setCurrentIndex(!known ? -1 : no == 0 ? 0 : 1);
          FillChannels(channel, record, known && no > 0 ? f : nullptr);
          channel->setCurrentIndex(known && no > 0 ? no - 1 : -1);
        },
        [=] { return QStringLiteral("%1/%2").arg(type->currentIndex()).arg(channel->currentIndex()); },
        [=] {
          if (type->currentIndex() == 0) *t = 0;
          if (type->currentIndex() == 1 && channel->currentIndex() >= 0) *t = static_cast<T>(channel->currentIndex() + 1);
        });
  }

  void Load() {
    for (auto& b : bindings_) {
      b.load();
      // A null text differs from every shown one: a field whose record does
      // not hold what it shows is written on OK.
      b.loaded = !b.holds || b.holds() ? b.shown() : QString();
    }
  }
  // Takes every field as edited, so that Commit writes each as the screen
  // shows it: what an OK stores when the user confirms every value as shown.
  void TakeAllAsEdited() {
    for (auto& b : bindings_) b.loaded = QString();
  }
  // The screen field bound to the record field at `target` (a bit set: its
  // first bit's box), or nullptr: the search puts the focus there.
  const QWidget* FieldOf(const void* target) const {
    for (const auto& b : bindings_)
      if (target && b.target == target) return b.field;
    return nullptr;
  }
  // Writes the fields the user changed; a field `checks` holds keeps the record's value.
  void Commit(const FieldChecks& checks) const {
    for (const auto& b : bindings_)
      if (b.shown() != b.loaded && !checks.IsHeld(b.field)) b.commit();
  }

 private:
  struct Binding {
    const QWidget* field;
    std::function<void()> load;
    std::function<QString()> shown;  // what the screen shows, to tell an edit
    std::function<void()> commit;
    QString loaded;
    const void* target;  // the bound record field (a custom binding: none)
    std::function<bool()> holds;  // empty: the record always holds what is shown
  };
  void Add(const void* target, const QWidget* field, std::function<void()> load, std::function<QString()> shown,
           std::function<void()> commit, std::function<bool()> holds = {}) {
    bindings_.push_back({field, std::move(load), std::move(shown), std::move(commit), {}, target, std::move(holds)});
  }
  // A text that converted cleanly and fits the field; anything else keeps the record.
  template <class T, class Parsed>
  static void Store(T& target, const Parsed& parsed, const QString& text) {
    if (parsed.Whole(Units(text).size()) && Fits<T>(parsed.value)) target = static_cast<T>(parsed.value);
  }
  std::vector<Binding> bindings_;
};

}  // namespace tk48
