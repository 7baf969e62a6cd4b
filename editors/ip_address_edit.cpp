#include "editors/ip_address_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QStringList>

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
  const QStringList parts = dotted.split(u'.');
  bool valid = parts.size() == 4;
  for (int i = 0; valid && i < 4; ++i) {
    const auto match = PartPattern().match(parts[i], 0, QRegularExpression::NormalMatch,
                                           QRegularExpression::AnchorAtOffsetMatchOption);
    valid = !parts[i].isEmpty() && match.hasMatch() && match.capturedLength() == parts[i].size();
  }
  for (int i = 0; i < 4; ++i) parts_[i]->setText(valid ? parts[i] : QString());
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
