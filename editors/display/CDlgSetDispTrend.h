#pragma once
// The trend pages: the list of the sixteen pages ("Trend page setting";
// Paste copies a whole page) and the page screen with its name, speed, hour
// and four pens.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "editors/toolkit/colour_swatch.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetDispTrendPage : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetDispTrendPage(QWidget* parent, const SettingData& record, TrendPage& page, int index, UiPort& ui);

  struct Pen {
    QComboBox* type;
    QComboBox* channel;
    QCheckBox* thick;
    ColourSwatch* colour;
    QLineEdit* lower;
    QLineEdit* upper;
    QLineEdit* unit;  // read-only: the chosen channel's engineering unit
  };

  QLineEdit* name;
  QComboBox* speed;
  QComboBox* hour;
  std::array<Pen, 4> pens;

 protected:
  void UpdateEnables() override;
  bool Validate() override;

 private:
  // Pen `p`'s limits, upper first; they run on disabled fields too.
  bool LimitsPass(int p) const;
  void ShowUnit(int p);

  const SettingData& record_;
};

// The list over the record's pages: double-click opens a page, Copy and
// Paste copy whole pages, Back closes.
ListScreenSetup TrendPageListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
