// Values a screen cannot show: the screen shows what its Load rule says, and
// an OK without edits stores exactly that. One row per kind of value found.
#include <QComboBox>
#include <QLineEdit>
#include <cstring>
#include <functional>
#include <string>

#include "checks/slave_checks.h"
#include "editors/io/CDlgSetIoMaFunc.h"
#include "editors/screen_registry.h"
#include "editors/toolkit/colour_swatch.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

// What a named field shows: a list's entry, an edit field's text.
QString Shows(const QDialog& screen, const QString& name) {
  for (const QComboBox* list : screen.findChildren<QComboBox*>())
    if (list->accessibleName() == name) return list->currentText();
  for (const QLineEdit* field : screen.findChildren<QLineEdit*>())
    if (field->accessibleName() == name) return field->text();
  return QStringLiteral("<no field %1>").arg(name);
}

// Channel `ch` reads an SLMP device of a code no list holds, on SLMP slave 0.
template <class Ch>
void OnSlmpSlave(SettingData& r, Ch& ch) {
  std::strcpy(r.IO.NODE_CONF.NODE[0], "10.0.0.1");
  r.IO.NODE_CONF.NODE_TYPE[0] = kSlaveSlmp;
  ch.TYPE = kTypeSlmp;
  ch.MOD_NODE = 0;
  ch.SLMP_DEV_CODE = 0x1234;
}

struct Case {
  const char* what;
  const char* screen;
  int item;
  std::function<void(SettingData&)> prepare;
  std::vector<std::pair<QString, QString>> shown;  // field name, what it shows
  std::function<void(const SettingData&)> stored;
};

class ShownStored : public test::EditorTest {
 protected:
  ScreenEnv Env() { return {nullptr, *record, ui, nullptr}; }
};

TEST_F(ShownStored, AValueTheScreenCannotShowIsStoredAsShown) {
  const int movingAverage = kMaMovingAverage - 1, delay = kMaDelayBuffer - 1, accumulation = kMaAnalogSum - 1;
  const Case cases[] = {
      {"a moving-average count the list lacks",
       "CDlgSetIoMaFunc",
       movingAverage,
       [](SettingData& r) { r.IO.MA[0].CONST.K[1] = 10; },
       {{"Moving average samples", "4"}},
       [](const SettingData& r) { EXPECT_EQ(r.IO.MA[0].CONST.K[1], 4); }},
      {"a delay that is no whole number",
       "CDlgSetIoMaFunc",
       delay,
       [](SettingData& r) { r.IO.MA[0].CONST.K[1] = 4.7; },
       {{"Time constant", "4"}},
       [](const SettingData& r) { EXPECT_EQ(r.IO.MA[0].CONST.K[1], 4); }},
      {"a counter rate that is no whole number and a time unit beyond the list",
       "CDlgSetIoMaFunc",
       accumulation,
       [](SettingData& r) {
         r.IO.MA[0].CONST.K[1] = 4.7;
         r.IO.MA[0].CONST.K[2] = 5;
         r.IO.MA[0].CONST.K[5] = 100;
       },
       {{"Counter rate", "4"}, {"Time unit", "Minute"}},
       [](const SettingData& r) {
         EXPECT_EQ(r.IO.MA[0].CONST.K[1], 4);
         EXPECT_EQ(r.IO.MA[0].CONST.K[2], 0);
       }},
      {"an AI of kind Time read with other values",
       "CDlgSetIoAiCh",
       6,
       [](SettingData& r) {
         AiCh& ai = r.IO.AI[6];
         ai.TYPE = 5;  // TIME
         ai.AI_DATA_TYPE = 0;
         ai.SCALE = 2.5;
         ai.FILTER = 1;
         ai.POINT = 2;
       },
       {{"Data type", "Int (integer)"},
        {"Scaling Int", "1.000"},
        {"Filter", "None"},
        {"Number of decimal places", "0"}},
       [](const SettingData& r) {
         const AiCh& ai = r.IO.AI[6];
         EXPECT_EQ(ai.AI_DATA_TYPE, 1);
         EXPECT_EQ(ai.SCALE, 1.0);
         EXPECT_EQ(ai.FILTER, 0);
         EXPECT_EQ(ai.POINT, 0);
       }},
      {"an SLMP code no list holds (AI)",
       "CDlgSetIoAiCh",
       3,
       [](SettingData& r) { OnSlmpSlave(r, r.IO.AI[3]); },
       {{"SLMP device", "00A9H_Special register (SD)"}},
       [](const SettingData& r) { EXPECT_EQ(r.IO.AI[3].SLMP_DEV_CODE, 0x00A9); }},
      {"an SLMP code no list holds (DI)",
       "CDlgSetIoDiCh",
       3,
       [](SettingData& r) { OnSlmpSlave(r, r.IO.DI[3]); },
       {},
       [](const SettingData& r) { EXPECT_NE(r.IO.DI[3].SLMP_DEV_CODE, 0x1234); }},
      {"an SLMP code no list holds (PI)",
       "CDlgSetIoPiCh",
       3,
       [](SettingData& r) { OnSlmpSlave(r, r.IO.PI[3]); },
       {},
       [](const SettingData& r) { EXPECT_NE(r.IO.PI[3].SLMP_DEV_CODE, 0x1234); }},
      {"an SLMP code no list holds (AO)",
       "CDlgSetIoAoCh",
       3,
       [](SettingData& r) { OnSlmpSlave(r, r.IO.AO[3]); },
       {{"SLMP device", "00A9H_Special register (SD)"}},
       [](const SettingData& r) { EXPECT_EQ(r.IO.AO[3].SLMP_DEV_CODE, 0x00A9); }},
      {"an SLMP code no list holds (DO)",
       "CDlgSetIoDoCh",
       3,
       [](SettingData& r) { OnSlmpSlave(r, r.IO.DO[3]); },
       {},
       [](const SettingData& r) { EXPECT_NE(r.IO.DO[3].SLMP_DEV_CODE, 0x1234); }},
      // A channel that reads no SLMP device keeps its code (0 in a new one):
      // the list is not in use.
      {"an SLMP code no list holds, not in use",
       "CDlgSetIoAiCh",
       4,
       [](SettingData& r) { r.IO.AI[4].SLMP_DEV_CODE = 0x1234; },
       {{"SLMP device", "00A9H_Special register (SD)"}},
       [](const SettingData& r) { EXPECT_EQ(r.IO.AI[4].SLMP_DEV_CODE, 0x1234); }},
      {"a slave sharing one numbered above it",
       "CDlgSetIoNodeConf",
       3,
       [](SettingData& r) { r.IO.NODE_CONF.SHAR_ID[3] = 5; },
       {{"Connection sharing", "Disable"}},
       [](const SettingData& r) { EXPECT_EQ(r.IO.NODE_CONF.SHAR_ID[3], kNotShared); }},
      {"a colour with bits above it",
       "CDlgSetIoDoCh",
       2,
       [](SettingData& r) {
         r.IO.DO[2].TYPE = 1;
         r.IO.DO[2].STATUS.ON.DISP_COLOR = 0x12345678;
       },
       {},
       [](const SettingData& r) { EXPECT_EQ(r.IO.DO[2].STATUS.ON.DISP_COLOR, 0x00345678u); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ApplyDefaults(*record);
    c.prepare(*record);
    const auto screen = FindScreen(c.screen)->make(Env(), c.item);
    test::ShowActive(*screen);
    for (const auto& [field, text] : c.shown) EXPECT_EQ(Shows(*screen, field).toStdString(), text.toStdString());
    screen->accept();
    ASSERT_FALSE(screen->isVisible()) << ui.Last();
    c.stored(*record);
    // Opened again it shows the same, and OK keeps every byte.
    const auto before = Snapshot();
    const auto again = FindScreen(c.screen)->make(Env(), c.item);
    test::ShowActive(*again);
    for (const auto& [field, text] : c.shown) EXPECT_EQ(Shows(*again, field).toStdString(), text.toStdString());
    again->accept();
    EXPECT_TRUE(SameRecord(*record, *before));
  }
}

}  // namespace
}  // namespace tk48
