#include "editors/io/slmp_device_choice.h"

#include "checks/c_number.h"
#include "checks/slave_checks.h"
#include "editors/toolkit/editor_text.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {

SlmpDeviceChoice::SlmpDeviceChoice(QWidget* parent, std::span<const SlmpDevice> devices)
    : device(new QComboBox(parent)), decimal(new QLineEdit(parent)), hex(new QLineEdit(parent)), devices_(devices) {
  for (const SlmpDevice& d : devices_) device->addItem(Tx(d.textId));
  device->setMinimumContentsLength(40);  // the longest text shows whole
  device->setMinimumWidth(300);
}

bool SlmpDeviceChoice::Hex() const {
  const int i = device->currentIndex();
  return i >= 0 && devices_[static_cast<std::size_t>(i)].hex;
}

std::uint16_t SlmpDeviceChoice::Code() const {
  const int i = device->currentIndex();
  return i >= 0 ? devices_[static_cast<std::size_t>(i)].code : 0;
}

void SlmpDeviceChoice::Show(std::uint32_t number) {
  hexShown_ = Hex();
  decimal->setText(hexShown_ ? QStringLiteral("0") : QString::number(number));
  hex->setText(QStringLiteral("%1").arg(hexShown_ ? number : 0u, 8, 16, QChar(u'0')));
}

std::uint32_t SlmpDeviceChoice::Number() const {
  const QString text = hexShown_ ? hex->text() : decimal->text();
  const auto parsed = ParseULong(Units(text), hexShown_ ? 16 : 10);
  return parsed.Whole(Units(text).size()) ? static_cast<std::uint32_t>(parsed.value) : 0u;
}

void SlmpDeviceChoice::Bind(FieldBindings& fields, std::uint16_t& code, std::uint32_t& number,
                            std::function<bool()> slmpKind) {
  std::uint16_t* c = &code;
  std::uint32_t* n = &number;
  // A code the list does not hold shows the first entry; an SLMP channel
  // stores that entry's code on OK, so that what it reads is what it shows
  // (and what the duplicate checks compare). Another kind keeps its code
  // (0 for a new channel) while the list is not in use.
  fields.Custom(
      device,
      [this, c] {
        const int i = SlmpDeviceIndex(devices_, *c);
        device->setCurrentIndex(i >= 0 ? i : 0);
      },
      [this, slmpKind] { return QStringLiteral("%1/%2").arg(slmpKind()).arg(device->currentIndex()); },
      [this, c, slmpKind] {
        if (slmpKind() && device->currentIndex() >= 0)
          *c = devices_[static_cast<std::size_t>(device->currentIndex())].code;
      },
      [this, c, slmpKind] { return !slmpKind() || SlmpDeviceIndex(devices_, *c) >= 0; });
  // Load runs in binding order: the list is set before the boxes.
  fields.Custom(
      decimal, [this, n] { Show(*n); },
      [this] { return QStringLiteral("%1/%2/%3").arg(device->currentIndex()).arg(decimal->text(), hex->text()); },
      [this, n] {
        const QString text = Hex() ? hex->text() : decimal->text();
        const auto parsed = ParseULong(Units(text), Hex() ? 16 : 10);
        if (parsed.Whole(Units(text).size()) && Fits<std::uint32_t>(parsed.value))
          *n = static_cast<std::uint32_t>(parsed.value);
      });
}

void SlmpDeviceChoice::Carry() {
  if (Hex() != hexShown_) Show(Number());
}

void SlmpDeviceChoice::Enable(bool on) const {
  device->setEnabled(on);
  decimal->setEnabled(on && !Hex());
  hex->setEnabled(on && Hex());
}

bool SlmpDeviceChoice::Check(const FieldChecks& checks) const {
  return checks.Hex(hex, 0, 0xFFFFFFFFu, text::kSlmpDeviceNoHexError, Scope::Always) &&
         checks.UInt(decimal, 0, 0xFFFFFFFFu, text::kSlmpDeviceNoDecError, Scope::Always);
}

bool CheckSlaveRef(const FieldChecks& checks, const NodeConf& nodes, std::int32_t kind, const QLineEdit* slaveNo) {
  const QString text = slaveNo->text();
  const auto parsed = ParseLong(Units(text));
  const int slave = parsed.Whole(Units(text).size()) ? static_cast<int>(parsed.value) : -1;
  if (const int message = SlaveRefMessage(nodes, kind, slave)) return checks.Refuse(LoadText(message));
  return true;
}

}  // namespace tk48
