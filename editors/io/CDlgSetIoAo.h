#pragma once
// "Analog output (AO)": the list of the 64 AOs; "AO%02d", one AO (IO.AO[n]):
// where it writes (I/O module, Modbus/TCP holding register, SLMP word
// device), its texts, "Control on browser" with its range, scaling and
// initial value; and "AO I/O mapping" on the editor's working copy of the
// mapping block. A mapped AO offers no control on the browser.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "editors/io/channel_point.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "editors/toolkit/working_copy.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoAoCh : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoAoCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  enum Kind { kDisable, kIoModule, kModbusTcp, kSlmp };

  ChannelPoint point;
  QLineEdit* name;
  QLineEdit* comment;
  QComboBox* web;
  QLineEdit* lower;
  QLineEdit* upper;
  QLineEdit* scale;
  QComboBox* places;
  QLineEdit* unit;
  QLineEdit* init;
  QPushButton* mappingButton;
  QPushButton* okButton;
  QPushButton* cancelButton;

  const AoMapping& Mapping() const { return mapping_.get(); }

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  void EditMapping();

  SettingData& record_;
  AoCh& ch_;
  int index_;
  WorkingCopy<AoMapping> mapping_;
};

// "AO I/O mapping" on a mapping block: "None", "Analog" (AI or MA and its CH)
// or "Discrete" (16 bits, each fixed 0, fixed 1, a DI or an MD). A Mode pick
// clears the block while the lists keep what they show; OK then stores the
// chosen mode's part from the lists, even when Mode was picked back to the
// one loaded. No check.
class CDlgSetIoAoMap : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoAoMap(QWidget* parent, const SettingData& record, AoMapping& block, UiPort& ui);

  enum Mode { kModeNone, kModeAnalog, kModeDiscrete };
  enum BitType { kBitLow, kBitHigh, kBitDi, kBitMd };

  QComboBox* mode;
  QComboBox* analogType;
  QComboBox* analogChannel;
  std::array<QComboBox*, 16> bitType;
  std::array<QComboBox*, 16> bitChannel;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
  void Load() override;
  void Commit() override;

 private:
  struct Shown {
    int analogType, analogChannel;
    std::array<int, 16> bitType, bitChannel;
    int mode;
  };
  Shown Showing() const;

  const SettingData& record_;
  AoMapping& block_;
  Shown loaded_{};
  bool modePicked_ = false;  // the user picked a Mode: the block was cleared
};

ListScreenSetup AoListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
