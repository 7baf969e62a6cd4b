#pragma once
// "Alarm zone setting": the one zone editor of AI, PI and MA channels. It edits
// a copy of the channel editor's zone block (ZoneBlock): "Partitions" (none or
// 2 to 5 zones; a smaller count is guarded, a larger one free), the "Basic"
// page with names, colours, limits and the action lists of each zone, and the
// "Upward" and "Downward" pages with the event-log entries and mail templates
// sent when the value enters a zone. OK commits the zones in use only.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "editors/io/action_lists.h"
#include "editors/toolkit/colour_swatch.h"
#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/zone_block.h"
#include "model/setting_data.h"

namespace tk48 {

class CDlgSetIoArea : public ItemEditor {
  Q_OBJECT

 public:
  // `titleId` is "Alarm zone setting (AI%03d)" (460), PI (680) or MA (780),
  // formatted with `channelNo`; `record` gives the action lists and the mail
  // templates their rows; `owner` (may be null) is the channel as its screen holds it.
  CDlgSetIoArea(QWidget* parent, const SettingData& record, ZoneBlock& zones, int titleId, int channelNo,
                UiPort& ui, const ZoneOwner* owner = nullptr);

  enum Page { kBasic, kUpward, kDownward };
  static constexpr int kActionButtons = 5;  // MD, DO, GDO, PI, MA

  struct ZoneRow {
    QLineEdit* name;
    ColourSwatch* colour;
    QLineEdit* lower;
    QLineEdit* upper;
    QPushButton* actions[kActionButtons];
  };
  struct EventRow {
    QCheckBox* eventLog;
    QComboBox* eventNo;
    QLineEdit* message;
    QPushButton* mail;
  };

  QComboBox* partitions;
  QTabWidget* pages;
  ZoneRow zone[kAreaCount];
  EventRow upward[kAreaCount - 1];    // zones 2 to 5
  EventRow downward[kAreaCount - 1];  // zones 1 to 4
  QPushButton* okButton;
  QPushButton* cancelButton;

  // The zone count the Partitions list shows.
  int Count() const;

 protected:
  void UpdateEnables() override;
  bool Validate() override;
  void Commit() override;

 private:
  bool BasicChecks(int n);
  int OrderMessage(int n) const;
  bool EventChecks(const EventRow* rows, int first, int last, int firstZone);
  bool FailOn(Page page);
  void OpenActions(int zoneIndex, int button);

  const SettingData& record_;
  ZoneBlock& zones_;
  const ZoneOwner* owner_;
};

// A channel in use must keep its zones in order, since the reader refuses a
// file with one that does not: false, after the order message, when they are not.
bool ZonesInOrder(const FieldChecks& checks, const ZoneBlock& zones);

// Runs the zone editor on `zones`; true on OK.
bool RunZoneEditor(QWidget* parent, const SettingData& record, ZoneBlock& zones, int titleId, int channelNo,
                   UiPort& ui, const ZoneOwner* owner = nullptr);

}  // namespace tk48
