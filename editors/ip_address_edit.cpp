#include "editors/ip_address_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <algorithm>

namespace tk48 {
namespace {

// Every prefix of a valid part is itself valid, so typing never passes
// through a state the field would refuse.
const QRegularExpression& PartPattern() {
  static const QRegularExpression pattern(QStringLiteral("(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])?"));
  return pattern;
}

}  // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (int i = 0; i < 4; ++i) {
    if (i > 0) layout->addWidget(new QLabel(QStringLiteral("."), this));
    parts_[i] = new QLineEdit(this);
    parts_[i]->setValidator(new QRegularExpressionValidator(PartPattern(), parts_[i]));
    parts_[i]->setMaxLength(3);
    parts_[i]->setFixedWidth(40);
    parts_[i]->setAlignment(Qt::AlignCenter);
    parts_[i]->installEventFilter(this);
    layout->addWidget(parts_[i]);
  }
  // Three digits move on to the next part, as '.' does.
  for (int i = 0; i < 3; ++i) {
    connect(parts_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      if (text.size() == 3) parts_[i + 1]->setFocus();
    });
  }
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Period) {
    for (int i = 0; i < 3; ++i) {
      if (watched == parts_[i]) {
        parts_[i + 1]->setFocus();
        parts_[i + 1]->selectAll();
        return true;
      }
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void IpAddressEdit::SetAddress(const QString& dotted) {
  // Each part one to three digits up to 255 ("192.168.000.001" reads as 192.168.0.1).
  const QStringList parts = dotted.split(u'.');
  int values[4] = {};
  bool valid = parts.size() == 4;
  for (int i = 0; valid && i < 4; ++i) {
    const QString& part = parts[i];
    valid = !part.isEmpty() && part.size() <= 3 &&
            std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    values[i] = valid ? part.toInt() : 0;
    valid = valid && values[i] <= 255;
  }
  for (int i = 0; i < 4; ++i) parts_[i]->setText(valid ? QString::number(values[i]) : QString());
}

bool IpAddressEdit::IsBlank() const {
  for (const QLineEdit* part : parts_)
    if (!part->text().isEmpty()) return false;
  return true;
}

QString IpAddressEdit::Address() const {
  if (IsBlank()) return {};
  QStringList out;
  for (const QLineEdit* part : parts_) out << QString::number(part->text().toInt());
  return out.join(u'.');
}

}  // namespace tk48
