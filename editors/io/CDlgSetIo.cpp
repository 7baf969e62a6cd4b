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
#include "editors/toolkit/list_screen.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// Opens the list screen that `Setup` describes.
template <ListScreenSetup (*Setup)(SettingData&, UiPort&)>
void RunList(QWidget* parent, SettingData& record, UiPort& ui) {
  RunListScreen(parent, Setup(record, ui));
}

}  // namespace

// Each section's list screen fills in its opener here when it arrives.
const IoMenuEntry (&IoMenuEntries())[9] {
  static const IoMenuEntry entries[9] = {
      {text::kIoSlaveSetting, &RunSlaveList},
      {text::kAnalogInput, &RunList<&AiListSetup>},
      {text::kDiscreteInput, &RunList<&DiListSetup>},
      {text::kPulseInput, &RunList<&PiListSetup>},
      {text::kAnalogFunctionRegister, &RunList<&MaListSetup>},
      {text::kDigitalFunctionRegister, &RunList<&MdListSetup>},
      {text::kAnalogOutput, &RunList<&AoListSetup>},
      {text::kDiscreteOutput, &RunList<&DoListSetup>},
      {text::kGroupedDigitalOutput, &RunList<&GdoListSetup>},
  };
  return entries;
}

CDlgSetIo::CDlgSetIo(QWidget* parent, SettingData& record, UiPort& ui)
    : MenuScreen(parent, text::kInputOutput, IoMenuEntries(), record, ui) {}

}  // namespace tk48
