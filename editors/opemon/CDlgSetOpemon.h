#pragma once
// "Process operation monitor": the list of the 32 processes and the process
// screen. The process screen shows, beside each channel, the colours and
// display texts the channels themselves hold (zones of AI, PI and MA; the ON
// and OFF states of DI and MD); it never changes them.
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <initializer_list>

#include "editors/toolkit/item_editor.h"
#include "editors/toolkit/list_screen.h"
#include "model/setting_data.h"

namespace tk48 {

// A filled colour swatch that only shows a colour.
class PreviewSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit PreviewSwatch(QWidget* parent);
  void Fill(const QColor& colour);
  QColor Filled() const { return colour_; }

 private:
  QColor colour_;
};

// One preview row: a swatch and the read-only display text.
struct PreviewRow {
  QLabel* label;
  PreviewSwatch* swatch;
  QLineEdit* text;
  QLabel* colourCaption;   // "Color"
  QLabel* commentCaption;  // "Display comment"
  // The whole row, captions included, on or off the screen.
  void SetVisible(bool on) const {
    for (QWidget* w : std::initializer_list<QWidget*>{label, colourCaption, swatch, commentCaption, text})
      w->setVisible(on);
  }
};

class CDlgSetOpemonProc : public ItemEditor {
  Q_OBJECT

 public:
  CDlgSetOpemonProc(QWidget* parent, SettingData& record, int index, UiPort& ui);

  QLineEdit* name;
  QComboBox* type[5];      // Channel 1 to 5
  QComboBox* channel[5];
  QComboBox* mainType;
  QComboBox* mainChannel;
  QComboBox* subType[3];
  QComboBox* subChannel[3];
  PreviewRow statusOff;    // "Status(OFF)": only for a DI or MD Channel 1
  PreviewRow status[5];    // under each of Channels 1 to 5

  // Whether the "Status(OFF)" row shows (hidden, it is painted in the background colour).
  bool StatusOffShown() const { return statusOffShown_; }

 protected:
  void Load() override;
  void UpdateEnables() override;
  bool Validate() override;

 private:
  void ResetAfterChannel1();
  void ShowPreviews();
  void ShowStatus(PreviewRow& row, const StatusBlock* state);

  const SettingData& record_;
  int channel1Was_ = 0;
  bool statusOffShown_ = false;
};

// The process list over the record: double-click opens a process, Copy and
// Paste copy whole processes.
ListScreenSetup OpemonListSetup(SettingData& record, UiPort& ui);

}  // namespace tk48
