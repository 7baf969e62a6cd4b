// The process operation monitor: the process list and the process screen.
#include <QMenu>
#include <cstring>
#include <functional>

#include "editors/opemon/CDlgSetOpemon.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

using test::Pick;
using test::Put;
using test::ShowActive;

// Kinds as stored, and list entries of Channels 2 to 5.
constexpr int kNone = 0, kAi = 1, kPi = 2, kMa = 3, kDi = 4, kMd = 5;
constexpr int kEntryDi = 1, kEntryMd = 2;

class OpemonTest : public test::EditorTest {
 protected:
  OpemonProc& Proc(int n) { return record->OPEMON.PROC[n - 1]; }
  bool Same(const SettingData& before) const { return std::memcmp(record.get(), &before, sizeof before) == 0; }
};

TEST_F(OpemonTest, ProcessScreenEdgeCases) {
  const QColor red(255, 0, 0), green(0, 255, 0), black(0, 0, 0);
  struct Case {
    const char* what;
    std::function<void(SettingData&)> setup;
    std::function<void(CDlgSetOpemonProc&)> act;  // then OK
    std::function<void(CDlgSetOpemonProc&, const OpemonProc&)> check;
  } cases[] = {
      {"defaults: everything None and off",
       [](SettingData&) {},
       [&](CDlgSetOpemonProc& s) {
         for (int k = 0; k < 5; ++k) {
           EXPECT_EQ(s.type[k]->currentIndex(), 0);
           EXPECT_EQ(s.channel[k]->count(), 0);
           EXPECT_FALSE(s.channel[k]->isEnabled());
           if (k > 0) {
             EXPECT_FALSE(s.type[k]->isEnabled()) << k;
           }
           EXPECT_EQ(s.status[k].swatch->Filled(), black);
         }
         EXPECT_TRUE(s.type[0]->isEnabled());
         EXPECT_FALSE(s.mainType->isEnabled());
         for (QComboBox* sub : s.subType) EXPECT_FALSE(sub->isEnabled());
         EXPECT_FALSE(s.StatusOffShown());
         // The hidden row takes its captions and swatch along: no caption stands alone.
         const PreviewRow& off = s.statusOff;
         for (const QWidget* w : std::initializer_list<const QWidget*>{off.label, off.colourCaption, off.swatch,
                                                                       off.commentCaption, off.text})
           EXPECT_FALSE(w->isVisible());
         EXPECT_EQ(s.statusOff.swatch->Filled(), s.palette().color(QPalette::Window));
       },
       [](CDlgSetOpemonProc&, const OpemonProc& p) {
         EXPECT_EQ(p.CH[0].kind, kNone);
         EXPECT_EQ(p.CH[0].no, 1);
       }},
      {"Channel 1 DI previews its OFF and ON states",
       [](SettingData& r) {
         r.IO.DI[0].TYPE = 1;
         Put(r.IO.DI[0].STATUS.OFF.DISP_STRING, "OFF");
         r.IO.DI[0].STATUS.OFF.DISP_COLOR = 0x00FF0000;
         Put(r.IO.DI[0].STATUS.ON.DISP_STRING, "ON");
         r.IO.DI[0].STATUS.ON.DISP_COLOR = 0x0000FF00;
       },
       [&](CDlgSetOpemonProc& s) {
         Pick(s.type[0], kDi);
         EXPECT_EQ(s.channel[0]->currentIndex(), 0);
         EXPECT_TRUE(s.StatusOffShown());
         EXPECT_TRUE(s.statusOff.label->isVisible());
         EXPECT_TRUE(s.statusOff.colourCaption->isVisible());
         EXPECT_TRUE(s.statusOff.commentCaption->isVisible());
         EXPECT_EQ(s.statusOff.text->text(), "OFF");
         EXPECT_EQ(s.statusOff.swatch->Filled(), red);
         EXPECT_EQ(s.status[0].text->text(), "ON");
         EXPECT_EQ(s.status[0].swatch->Filled(), green);
         EXPECT_TRUE(s.type[1]->isEnabled());
         EXPECT_TRUE(s.mainType->isEnabled());
         EXPECT_TRUE(s.subType[0]->isEnabled());
         Pick(s.channel[0], 1);  // DI002 not in use: blank, black
         EXPECT_EQ(s.statusOff.text->text(), "");
         EXPECT_EQ(s.status[0].swatch->Filled(), black);
         Pick(s.channel[0], 0);
       },
       [](CDlgSetOpemonProc&, const OpemonProc& p) {
         EXPECT_EQ(p.CH[0].kind, kDi);
         EXPECT_EQ(p.CH[0].no, 1);
       }},
      {"the enable chain: a None Channel 2 closes Channel 3, which still stores DI",
       [](SettingData& r) { Put(r.IO.MD[9].STATUS.ON.DISP_STRING, "Run"); },
       [&](CDlgSetOpemonProc& s) {
         Pick(s.type[0], kDi);
         Pick(s.type[1], kEntryMd);
         Pick(s.channel[1], 9);
         EXPECT_EQ(s.status[1].text->text(), "Run");
         Pick(s.type[2], kEntryDi);
         EXPECT_TRUE(s.channel[2]->isEnabled());
         EXPECT_TRUE(s.type[3]->isEnabled());
         EXPECT_FALSE(s.channel[3]->isEnabled());
         Pick(s.type[1], 0);
         EXPECT_FALSE(s.channel[1]->isEnabled());
         EXPECT_FALSE(s.type[2]->isEnabled());
         EXPECT_FALSE(s.channel[2]->isEnabled());
         EXPECT_FALSE(s.type[3]->isEnabled());
         EXPECT_EQ(s.type[2]->currentText(), "DI");
       },
       [](CDlgSetOpemonProc&, const OpemonProc& p) {
         EXPECT_EQ(p.CH[1].kind, kNone);
         EXPECT_EQ(p.CH[1].no, 1);  // a None reference stores 1
         EXPECT_EQ(p.CH[2].kind, kDi);
         EXPECT_EQ(p.CH[2].no, 1);
       }},
      {"Channel 1 DI to AI resets Channels 2 to 5 and the main display, not the subs",
       [](SettingData& r) {
         OpemonProc& p = r.OPEMON.PROC[0];
         p.CH[0] = {kDi, 3};
         p.CH[1] = {kMd, 10};
         p.CH[2] = {kDi, 2};
         p.NUM_MAIN = {kMa, 5};
         p.NUM_SUB[0] = {kPi, 3};
       },
       [&](CDlgSetOpemonProc& s) {
         EXPECT_TRUE(s.channel[2]->isEnabled());
         Pick(s.type[0], kAi);
         for (int k = 1; k < 5; ++k) {
           EXPECT_EQ(s.type[k]->currentIndex(), 0);
           EXPECT_EQ(s.channel[k]->count(), 0);
           EXPECT_FALSE(s.type[k]->isEnabled());
         }
         EXPECT_EQ(s.mainType->currentIndex(), 0);
         EXPECT_EQ(s.mainChannel->count(), 0);
         EXPECT_EQ(s.subType[0]->currentIndex(), kPi);
         EXPECT_EQ(s.subChannel[0]->currentIndex(), 2);
         EXPECT_TRUE(s.subChannel[0]->isEnabled());
         EXPECT_FALSE(s.StatusOffShown());
       },
       [](CDlgSetOpemonProc&, const OpemonProc& p) {
         EXPECT_EQ(p.CH[0].kind, kAi);
         EXPECT_EQ(p.CH[0].no, 1);
         for (int k = 1; k < 5; ++k) {
           EXPECT_EQ(p.CH[k].kind, kNone);
           EXPECT_EQ(p.CH[k].no, 1);
         }
         EXPECT_EQ(p.NUM_MAIN.kind, kNone);
         EXPECT_EQ(p.NUM_MAIN.no, 1);
         EXPECT_EQ(p.NUM_SUB[0].kind, kPi);
         EXPECT_EQ(p.NUM_SUB[0].no, 3);
       }},
      {"Channel 1 AI with three zones previews them",
       [](SettingData& r) {
         AiCh& ai = r.IO.AI[4];
         ai.TYPE = 1;
         ai.USE_AREAS = 3;
         const char* names[] = {"Low", "Mid", "High", "X4", "X5"};
         for (int z = 0; z < 5; ++z) {
           Put(ai.AREA[z].AREA_NAME, names[z]);
           ai.AREA[z].AREA_COLOR = 0x00000010u * static_cast<std::uint32_t>(z + 1);
         }
         r.OPEMON.PROC[0].CH[0] = {kAi, 5};
       },
       [&](CDlgSetOpemonProc& s) {
         EXPECT_EQ(s.status[0].text->text(), "Low");
         EXPECT_EQ(s.status[2].text->text(), "High");
         EXPECT_EQ(s.status[2].swatch->Filled(), QColor(0, 0, 0x30));
         EXPECT_EQ(s.status[3].text->text(), "");
         EXPECT_EQ(s.status[4].swatch->Filled(), black);
         EXPECT_FALSE(s.type[1]->isEnabled());
         EXPECT_FALSE(s.mainType->isEnabled());
         EXPECT_TRUE(s.subType[2]->isEnabled());
       },
       [](CDlgSetOpemonProc&, const OpemonProc& p) { EXPECT_EQ(p.CH[0].no, 5); }},
      {"CH3 behind a None CH2 is kept",
       [](SettingData& r) {
         OpemonProc& p = r.OPEMON.PROC[0];
         p.CH[0] = {kDi, 1};
         p.CH[2] = {kMd, 7};
       },
       [&](CDlgSetOpemonProc& s) {
         EXPECT_FALSE(s.type[2]->isEnabled());
         EXPECT_EQ(s.type[2]->currentIndex(), kEntryMd);
         EXPECT_EQ(s.channel[2]->currentIndex(), 6);
       },
       [](CDlgSetOpemonProc&, const OpemonProc& p) {
         EXPECT_EQ(p.CH[2].kind, kMd);
         EXPECT_EQ(p.CH[2].no, 7);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    record = NewSettingData();
    ApplyDefaults(*record);
    c.setup(*record);
    const auto before = Snapshot();
    CDlgSetOpemonProc screen(nullptr, *record, 0, ui);
    ShowActive(screen);
    EXPECT_EQ(screen.windowTitle(), "Process 1");
    c.act(screen);
    screen.OkStep();
    EXPECT_FALSE(screen.isVisible());
    c.check(screen, Proc(1));
    if (std::string(c.what).starts_with("CH3")) {
      EXPECT_TRUE(Same(*before)) << "an OK without edits writes nothing";
    }
  }
}

TEST_F(OpemonTest, LongNameIsRefusedAndCancelWritesNothing) {
  const auto before = Snapshot();
  CDlgSetOpemonProc screen(nullptr, *record, 2, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.name->text(), "Process3");
  screen.name->setText(QString(33, u'\u00e9'));
  Pick(screen.type[0], kMd);
  screen.OkStep();
  EXPECT_TRUE(screen.isVisible());
  EXPECT_EQ(ui.Last(), "Setting error: Proccess name\nMax. 32 characters (alphanumerical: 64 characters)");
  EXPECT_TRUE(Same(*before));
  EXPECT_EQ(screen.type[0]->currentIndex(), kMd) << "the screen keeps what was chosen";
  screen.reject();
  EXPECT_TRUE(Same(*before));
}

TEST_F(OpemonTest, KindsTheListsDoNotOfferBecomeNone) {
  OpemonProc& p = Proc(4);
  p.CH[0] = {kMd, 2};
  p.CH[1] = {kAi, 7};      // Channels 2 to 5 offer DI and MD only
  p.NUM_MAIN = {kDi, 3};   // the main display offers AI, PI and MA only
  p.NUM_SUB[1] = {kMa, 9};
  CDlgSetOpemonProc screen(nullptr, *record, 3, ui);
  ShowActive(screen);
  EXPECT_EQ(screen.type[1]->currentText(), "None");
  EXPECT_EQ(screen.channel[1]->count(), 0);
  EXPECT_EQ(screen.mainType->currentText(), "None");
  screen.OkStep();
  EXPECT_FALSE(screen.isVisible());
  EXPECT_EQ(p.CH[1].kind, kNone);
  EXPECT_EQ(p.CH[1].no, 1);
  EXPECT_EQ(p.NUM_MAIN.kind, kNone);
  EXPECT_EQ(p.NUM_MAIN.no, 1);
  EXPECT_EQ(p.CH[0].kind, kMd);
  EXPECT_EQ(p.CH[0].no, 2);
  EXPECT_EQ(p.NUM_SUB[1].kind, kMa);
  EXPECT_EQ(p.NUM_SUB[1].no, 9);
}

TEST_F(OpemonTest, PasteCopiesAWholeProcess) {
  OpemonProc& from = Proc(2);
  Put(from.NAME, "Boiler");
  from.CH[0] = {kDi, 4};
  from.CH[3] = {kMd, 12};
  from.NUM_SUB[2] = {kPi, 8};
  ListScreen list(nullptr, OpemonListSetup(*record, ui));
  ShowActive(list);
  EXPECT_EQ(list.windowTitle(), "Process operation monitor");
  ListView* view = list.list();
  EXPECT_EQ(view->model()->rowCount(), 32);
  EXPECT_EQ(view->model()->index(1, 1).data().toString(), "Boiler");
  auto menuOn = [view](int row, const char* entry) {
    view->SelectRow(row);
    test::WhenMenu([entry](QMenu& menu) { test::Choose(menu, test::Entry(menu, entry)); });
    view->ContextMenu({});
  };
  menuOn(1, "Copy");
  menuOn(6, "Paste");
  EXPECT_EQ(std::memcmp(&Proc(7), &from, sizeof from), 0);
  EXPECT_EQ(view->model()->index(6, 1).data().toString(), "Boiler");
  EXPECT_EQ(view->model()->index(6, 0).data().toString(), "7");
}

}  // namespace
}  // namespace tk48
