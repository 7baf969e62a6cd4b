#pragma once
// "Grouped digital output (GDO)": the list of the 32 GDOs, "GDO%02d" (one GDO:
// its texts and colours, its 32 member slots on a working copy, its I/O
// mapping and "Control on browser") and the member screen of one slot.
#include <array>

#include "editors/io/output_editor.h"
#include "editors/toolkit/list_screen.h"

namespace tk48 {

using GdoMembers = std::array<ChannelRef, 32>;

class CDlgSetIoGdoCh : public OutputEditor {
  Q_OBJECT

 public:
  CDlgSetIoGdoCh(QWidget* parent, SettingData& record, int index, UiPort& ui);

  QComboBox* mode;
  ListView* members;
  const GdoMembers& Members() const { return slots_; }

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  bool CrossCheck() override;
  void Commit() override;

 private:
  SettingData& record_;
  GdoCh& ch_;
  int index_;
  GdoMembers slots_;
};

// One member slot: Type "Disable" / "DO" / "MD" and its CH. A DO that follows
// an I/O mapping cannot be a member (checked on OK).
class CDlgSetIoGdoIncCh : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetIoGdoIncCh(QWidget* parent, const SettingData& record, ChannelRef& slot, UiPort& ui);

  enum Type { kTypeNone, kTypeDo, kTypeMd };
  QComboBox* type;
  QComboBox* channel;

 protected:
  void UpdateEnables() override;
  bool Validate() override { return true; }
  bool CrossCheck() override;
  void Commit() override;

 private:
  const SettingData& record_;
  ChannelRef& slot_;
  int loadedType_ = -1;
};

// Whether a member slot is a DO that follows an I/O mapping.
bool MappedDoMember(const SettingData& record, const ChannelRef& slot);

ListScreenSetup GdoListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
