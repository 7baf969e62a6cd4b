#include "editors/toolkit/ip_address_edit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// Every prefix of a valid part is itself valid, so typing never passes
// through a state the field would refuse.
const QRegularExpression& PartPattern() {
  static const QRegularExpression pattern(QStringLiteral("(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])?"));
  return pattern;
}

std::optional<std::array<int, 4>> Dotted(const QString& dotted) {
  // Each part one to three digits up to 255 ("192.168.000.001" reads as 192.168.0.1).
  const QStringList parts = dotted.split(u'.');
  if (parts.size() != 4) return std::nullopt;
  std::array<int, 4> values{};
  for (int i = 0; i < 4; ++i) {
    const QString& part = parts[i];
    if (part.isEmpty() || part.size() > 3 ||
        !std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
      return std::nullopt;
    values[i] = part.toInt();
    if (values[i] > 255) return std::nullopt;
  }
  return values;
}

}  // namespace

QString ReformattedAddress(const QString& text) {
  const auto values = Dotted(text);
  if (!values) return text;
  return QStringLiteral("%1.%2.%3.%4").arg((*values)[0]).arg((*values)[1]).arg((*values)[2]).arg((*values)[3]);
}

IpAddressEdit::IpAddressEdit(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (int i = 0; i < 4; ++i) {
    if (i > 0) {
      dots_[i - 1] = new QLabel(QStringLiteral("."), this);
      layout->addWidget(dots_[i - 1]);
    }
    parts_[i] = new QLineEdit(this);
    parts_[i]->setValidator(new QRegularExpressionValidator(PartPattern(), parts_[i]));
    parts_[i]->setMaxLength(3);
    parts_[i]->setFixedWidth(40);
    parts_[i]->setAlignment(Qt::AlignCenter);
    parts_[i]->installEventFilter(this);
    layout->addWidget(parts_[i]);
  }
  raw_ = new QLineEdit(this);
  raw_->hide();
  layout->addWidget(raw_);
  // Put right (an address, or nothing), the text gives way to the four parts.
  connect(raw_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!Dotted(text) && !text.isEmpty()) return;
    SetAddress(text);
    parts_[0]->setFocus();
  });
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
  const auto values = Dotted(dotted);
  const bool raw = !values && !dotted.isEmpty();
  for (int i = 0; i < 4; ++i) {
    parts_[i]->setText(values ? QString::number((*values)[i]) : QString());
    parts_[i]->setVisible(!raw);
  }
  for (QWidget* dot : dots_) dot->setVisible(!raw);
  raw_->setText(raw ? dotted : QString());
  raw_->setVisible(raw);
}

void IpAddressEdit::SetName(const QString& name) {
  setAccessibleName(name);
  raw_->setAccessibleName(name);
  const std::string whole = name.toStdString();
  for (int i = 0; i < 4; ++i)
    parts_[i]->setAccessibleName(QString::fromStdString(FormatText(text::kAddressPart, whole.c_str(), i + 1)));
}

bool IpAddressEdit::IsBlank() const {
  if (!IsDotted()) return raw_->text().isEmpty();
  for (const QLineEdit* part : parts_)
    if (!part->text().isEmpty()) return false;
  return true;
}

QString IpAddressEdit::Address() const {
  if (!IsDotted()) return raw_->text();
  if (IsBlank()) return {};
  QStringList out;
  for (const QLineEdit* part : parts_) out << QString::number(part->text().toInt());
  return out.join(u'.');
}

}  // namespace tk48
