#pragma once
// A colour field: a swatch and a "..." button that opens the colour chooser
// through the UI port, initially on black. A confirmed colour becomes the
// field's colour and the swatch is repainted; cancelling keeps the old one.
#include <QPushButton>
#include <cstdint>

namespace tk48 {

class UiPort;

class ColourSwatch : public QPushButton {
  Q_OBJECT

 public:
  ColourSwatch(QWidget* parent, UiPort& ui);

  void SetColour(std::uint32_t rgb);  // 0x00RRGGBB
  std::uint32_t Colour() const { return rgb_; }
  // How many colours the user confirmed since the screen opened.
  int Picks() const { return picks_; }
  // The chooser, as a click opens it.
  void Choose();

 private:
  UiPort& ui_;
  std::uint32_t rgb_ = 0;
  int picks_ = 0;
};

}  // namespace tk48
