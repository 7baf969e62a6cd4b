#pragma once
// The screen of one input channel (AI, DI, PI): an item editor with the
// channel's point (InputPoint) and its name and comment (ChannelLabels), and
// what the three do alike: the point's guarded lists, the check of the slave
// the point reads from, and the two columns over "OK" and "Cancel".
#include <QPushButton>

#include "editors/io/channel_labels.h"
#include "editors/io/channel_zones.h"
#include "editors/io/input_point.h"
#include "editors/io/value_filter.h"
#include "editors/toolkit/item_editor.h"
#include "model/setting_data.h"

class QLayout;

namespace tk48 {

class InputEditor : public ItemEditor, public InputPoint, public ChannelLabels {
  Q_OBJECT

 public:
  // The "CH setting" entries every input has; a screen's own follow from
  // kOwnKinds.
  enum PointKind { kDisable, kIoModule, kModbusTcp, kSlmp, kOwnKinds };

  QPushButton* okButton = nullptr;
  QPushButton* cancelButton = nullptr;

 protected:
  // `labelId` is the title ("AI%03d"), formatted with the channel's number.
  InputEditor(QWidget* parent, SettingData& record, UiPort& ui, const InputPointSetup& setup, int labelId, int index);

  // "CH setting" and "SLMP device" are guarded lists; a picked device takes
  // over the number shown (SlmpDeviceChoice::Carry).
  void GuardPoint();
  // A Modbus/TCP or SLMP point reads from a slave the node configuration has.
  bool CrossCheck() override;
  // `left` and `right` side by side over "OK" and "Cancel".
  void LayOut(QLayout* left, QLayout* right);

  SettingData& record_;
};

// An input that measures a value (AI, PI): its filter (ValueFilter) and its
// alarm zones (ChannelZones), which its OK stores with the fields.
class MeasuredInputEditor : public InputEditor, public ValueFilter, public ChannelZones {
  Q_OBJECT

 protected:
  template <class Ch>
  MeasuredInputEditor(QWidget* parent, SettingData& record, UiPort& ui, const InputPointSetup& setup, int labelId,
                      int index, Ch& ch, int zoneTitleId)
      : InputEditor(parent, record, ui, setup, labelId, index), ChannelZones(record, ch, zoneTitleId, index) {}

  // A channel in use keeps its zones in order.
  bool ZonesChecked() const { return ZonesInOrderIfUsed(checks_, kind->currentIndex() != kDisable); }
  void Commit() override;
};

}  // namespace tk48
