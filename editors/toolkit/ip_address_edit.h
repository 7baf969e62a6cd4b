#pragma once
// A four-part IP address field. It is blank while all four parts are empty;
// otherwise an empty part counts as 0. A stored text that is no dotted address
// is shown as it stands, in one free text field, until the user puts it right
// (an address or nothing brings the four parts back).
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tk48 {

// A dotted address as "%d.%d.%d.%d" ("192.168.000.001" gives 192.168.0.1);
// a text that is no dotted address as it stands.
QString ReformattedAddress(const QString& text);

class IpAddressEdit : public QWidget {
  Q_OBJECT

 public:
  explicit IpAddressEdit(QWidget* parent);

  // A dotted address "a.b.c.d" (each 0 to 255) fills the parts; an empty text
  // leaves the field blank; anything else is shown as it stands.
  void SetAddress(const QString& dotted);
  bool IsBlank() const;
  // False while the field shows a text that is no dotted address.
  bool IsDotted() const { return raw_->isHidden(); }
  // "%d.%d.%d.%d", empty when blank, or the text as it stands.
  QString Address() const;
  QLineEdit* part(int i) const { return parts_[i]; }
  QLineEdit* rawText() const { return raw_; }
  // Names the field and its parts for screen readers: "IP address (part 1 of 4)".
  void SetName(const QString& name);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* parts_[4];
  QWidget* dots_[3];
  QLineEdit* raw_;
};

}  // namespace tk48
