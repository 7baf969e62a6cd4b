#include "editors/io/CDlgSetIo.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoAo.h"
#include "editors/io/CDlgSetIoDiCh.h"
#include "editors/io/CDlgSetIoDo.h"
#include "editors/io/CDlgSetIoGdo.h"
#include "editors/io/CDlgSetIoMaCh.h"
#include "editors/io/CDlgSetIoMdCh.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/CDlgSetIoPiCh.h"
#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"

namespace tk48 {

// Each section's list screen fills in its opener here when it arrives.
const IoMenuEntry (&IoMenuEntries())[9] {
  static const IoMenuEntry entries[9] = {
      {text::kIoSlaveSetting, &RunSlaveList},
      {text::kAnalogInput, &RunAiList},
      {text::kDiscreteInput, &RunDiList},
      {text::kPulseInput, &RunPiList},
      {text::kAnalogFunctionRegister, &RunMaList},
      {text::kDigitalFunctionRegister, &RunMdList},
      {text::kAnalogOutput, &RunAoList},
      {text::kDiscreteOutput, &RunDoList},
      {text::kGroupedDigitalOutput, &RunGdoList},
  };
  return entries;
}

CDlgSetIo::CDlgSetIo(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kInputOutput, IoMenuEntries(), record, ui) {}

}  // namespace tk48
