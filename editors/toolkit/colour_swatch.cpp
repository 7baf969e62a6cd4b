#include "editors/toolkit/colour_swatch.h"

#include <QPixmap>

#include "port/ui_port.h"

namespace tk48 {

ColourSwatch::ColourSwatch(QWidget* parent, UiPort& ui) : QPushButton(QStringLiteral("..."), parent), ui_(ui) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, &ColourSwatch::Choose);
  SetColour(0);
}

void ColourSwatch::SetColour(std::uint32_t rgb) {
  rgb_ = rgb & 0xFFFFFFu;
  QPixmap swatch(16, 16);
  swatch.fill(QColor::fromRgb(rgb_));
  setIcon(swatch);
}

void ColourSwatch::Choose() {
  if (const auto chosen = ui_.ChooseColor(0)) {
    SetColour(*chosen);
    ++picks_;
  }
}

}  // namespace tk48
