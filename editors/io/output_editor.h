#pragma once
// What the DO and GDO screens share: name and comment, the ON and OFF display
// comments with their colours, the I/O mapping (Type "Disable" / "DI" / "MD"
// and its CH) and "Control on browser", which only an output without a
// mapping offers. A mapped output belongs to its mapping alone; the screens
// state which holders they refuse.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>

#include "editors/toolkit/colour_swatch.h"
#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

class QGridLayout;

namespace tk48 {

class OutputEditor : public ItemEditor {
  Q_OBJECT

 public:
  QLineEdit* name;
  QLineEdit* comment;
  QLineEdit* onText;
  ColourSwatch* onColour;
  QLineEdit* offText;
  ColourSwatch* offColour;
  QComboBox* mappingType;
  QComboBox* mappingChannel;
  QComboBox* web;
  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;

  enum Mapping { kNoMapping, kMapDi, kMapMd };

 protected:
  // The fields of one output record.
  struct Item {
    char (&name)[49];
    char (&comment)[49];
    OutputStatusPair& status;
    ChannelRef& mapping;
    std::int32_t& web;
  };
  OutputEditor(QWidget* parent, UiPort& ui, const SettingData& record, const Item& item);

  // Name, comment, states, mapping and browser rows; `beforeMapping`, when
  // given, stands on a row of its own between the states and the mapping.
  QGridLayout* CommonLayout(QWidget* beforeMapping = nullptr);
  // Everything shared off, or on by the rules: mapping CH with a mapping,
  // "Control on browser" without one.
  void EnableCommon(bool on);
  // 295, 296, 510, 514: whatever the enables on OK.
  bool CheckTexts() const;
  // The mapping rule applies: a mapping is chosen, and during a guarded
  // change only while the mapping Type is in use.
  bool MappingRuleApplies() const;
};

}  // namespace tk48
