#pragma once
// A four-part IP address field. It is blank while all four parts are empty;
// otherwise an empty part counts as 0.
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tk48 {

class IpAddressEdit : public QWidget {
  Q_OBJECT

 public:
  explicit IpAddressEdit(QWidget* parent);

  // A dotted address "a.b.c.d" (each 0 to 255) fills the parts; anything
  // else leaves the field blank.
  void SetAddress(const QString& dotted);
  bool IsBlank() const;
  // "%d.%d.%d.%d", or empty when blank.
  QString Address() const;
  QLineEdit* part(int i) const { return parts_[i]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* parts_[4];
};

}  // namespace tk48
