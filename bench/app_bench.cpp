// The desktop application on the offscreen platform: start-up to the main
// window shown, and "Read file" of the full 5.4 MB default configuration to the
// configuration hub shown. The goal for each is under 300 ms. A list screen of
// 256 rows (the MD list) built and on screen: the goal is under 50 ms. The
// "Web server" screen and the channel control screen (736 check rows on five
// pages) built and on screen: the goal for each is under 100 ms.
// The input/output screens on a fully populated record (every slave addressed,
// every channel in use and named, five zones each), built and on screen: the
// AI list, the slave list, the MD and MA action lists and the AI editor; the
// goal for each is under 100 ms.
// The logging and report pen lists, the pattern list and the mail template
// list, rows filled: under 100 ms. The e-mailing calendar with its twelve
// month displays drawn: under 100 ms; its "Set" (1,020 months rewritten and
// the displays drawn again) is measured beside it.
// The search's result list given 100,000 hits, built and on screen: under
// 100 ms.
// The change review before an upload of a record that differs from the
// defaults in every field (some 180,000 rows), compared and on screen: under
// 300 ms; one keystroke in its filter box over all those rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/CDlgSetMain.h"
#include "app/CTK48CFGApp.h"
#include "app/CTK48CFGDlg.h"
#include "app/change_review.h"
#include "editors/com/CDlgSetComWebAuth.h"
#include "editors/com/CDlgSetComWebAuthCtrl.h"
#include "editors/display/CDlgSetDisp.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoAo.h"
#include "editors/io/CDlgSetIoDiCh.h"
#include "editors/io/CDlgSetIoDo.h"
#include "editors/io/CDlgSetIoDoUsed.h"
#include "editors/io/CDlgSetIoGdo.h"
#include "editors/io/CDlgSetIoMaCh.h"
#include "editors/io/CDlgSetIoMaFunc.h"
#include "editors/io/CDlgSetIoMdCh.h"
#include "editors/io/CDlgSetIoMdUsed.h"
#include "editors/io/CDlgSetIoNode.h"
#include "editors/io/action_lists.h"
#include "editors/mail/CDlgSetRepCalendar.h"
#include "editors/mail/CDlgSetRepForm.h"
#include "editors/record/record_pens.h"
#include "editors/schedule/CDlgSetSchedule.h"
#include "editors/toolkit/find_results.h"
#include "editors/toolkit/standard_lists.h"
#include "editors/toolkit/zone_block.h"
#include "model/defaults.h"
#include "model/field_path.h"
#include "model/file_io.h"
#include "model/record_diff.h"
#include "model/writer.h"
#include "port/scripted_ui.h"
#include "tests/model/random_record.h"

namespace tk48 {
namespace {

double applicationMs = 0;  // constructing the QApplication, once per process

bool Exposed(QWidget& w) { return w.isVisible() && w.windowHandle() && w.windowHandle()->isExposed(); }

// Application object, preferences, main window, until the window is on screen.
void BM_StartupToMainWindowShown(benchmark::State& state) {
  Preferences prefs;
  ScriptedUi ui;
  for (auto _ : state) {
    CTK48CFGApp app(prefs, ui);
    app.ReadPreferences();
    CTK48CFGDlg window(app);
    window.show();
    while (!Exposed(window)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    state.PauseTiming();
    window.close();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["qapplication_ms"] = applicationMs;
}

struct ConfigFile {
  QTemporaryDir dir;
  std::string path = (dir.path() + "/tk48gcfg.xml").toStdString();
  std::size_t bytes = 0;
  ConfigFile() {
    auto record = NewSettingData();
    ApplyDefaults(*record);
    const std::string text = ConfigurationText(*record);
    bytes = text.size();
    WriteFileAtomically(path, text);
  }
};

// "Read file" from the main window: the file read, the record loaded, the hub
// built and on screen. The clock stops when the hub is exposed.
void BM_ReadFileToHubShown(benchmark::State& state) {
  static const ConfigFile file;
  Preferences prefs;
  ScriptedUi ui;
  CTK48CFGApp app(prefs, ui);
  app.ReadPreferences();
  CTK48CFGDlg window(app);
  window.show();
  for (auto _ : state) {
    ui.files = {file.path};
    std::optional<std::chrono::steady_clock::time_point> shown;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      auto* hub = qobject_cast<CDlgSetMain*>(QApplication::activeModalWidget());
      if (!hub || !Exposed(*hub)) return;
      shown = std::chrono::steady_clock::now();
      watch.stop();
      hub->done(QDialog::Rejected);
    });
    watch.start(0);
    const auto start = std::chrono::steady_clock::now();
    window.ReadFile();
    if (!shown || !ui.messages.empty()) {
      state.SkipWithError("the hub did not open");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(*shown - start).count());
  }
  state.counters["file_bytes"] = static_cast<double>(file.bytes);
}

// The MD list: 256 rows of label, name and comment, built and exposed.
void BM_ListScreenOf256RowsShown(benchmark::State& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  const ChannelFamily& md = FamilyOf(FamilyId::Md);
  for (auto _ : state) {
    ListScreen screen(nullptr, FamilyListSetup(*record, md, {}, QStringLiteral("MD")));
    screen.show();
    while (!Exposed(screen)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    state.PauseTiming();
    screen.close();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["rows"] = md.count;
}

// Every slave addressed, every channel in use and named, five zones each.
std::unique_ptr<SettingData> PopulatedRecord() {
  auto r = NewSettingData();
  ApplyDefaults(*r);
  for (int n = 0; n < kNodeCount; ++n) std::snprintf(r->IO.NODE_CONF.NODE[n], 32, "192.168.10.%d", n + 1);
  const auto name = [](auto& ch, const char* family, int n) {
    std::snprintf(ch.NAME, sizeof ch.NAME, "%s channel name %03d", family, n + 1);
    std::snprintf(ch.COMMENT, sizeof ch.COMMENT, "%s comment %03d", family, n + 1);
  };
  for (int n = 0; n < kAiCount; ++n) {
    AiCh& ai = r->IO.AI[n];
    ai.TYPE = kTypeModbusTcp;
    ai.MOD_NODE = static_cast<std::int16_t>(n % kNodeCount);
    ai.USE_AREAS = 5;
    for (std::uint32_t& word : ai.AREA[4].MD_ON) word = 0xAAAAAAAAu;
    name(ai, "AI", n);
  }
  for (int n = 0; n < kMdCount; ++n) name(r->IO.MD[n], "MD", n);
  for (int n = 0; n < kMaCount; ++n) name(r->IO.MA[n], "MA", n);
  for (int n = 0; n < kDiCount; ++n) {
    r->IO.DI[n].TYPE = 6;  // demo
    name(r->IO.DI[n], "DI", n);
  }
  for (int n = 0; n < kPiCount; ++n) {
    r->IO.PI[n].TYPE = 8;  // demo
    name(r->IO.PI[n], "PI", n);
  }
  return r;
}

// A screen built by `make` until it is on screen.
void ShownEach(benchmark::State& state, const std::function<std::unique_ptr<QDialog>()>& make) {
  for (auto _ : state) {
    auto screen = make();
    screen->show();
    while (!Exposed(*screen)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    state.PauseTiming();
    screen->close();
    screen.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

// "Web server": protocol, port and the list of 32 identities on its working copy.
void BM_WebServerScreenShown(benchmark::State& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetComWebAuth>(nullptr, *record, ui); });
}

// "CH" of an identity: the pages MA, MD, AO, DO and GDO, 736 check rows.
void BM_ChannelControlScreenShown(benchmark::State& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  ScriptedUi ui;
  WebAccount& account = record->COM.WEB.AUTH[0];
  ShownEach(state, [&] { return std::make_unique<CDlgSetComWebAuthCtrlCh>(nullptr, account, *record, ui); });
  state.counters["rows"] = kMaCount + kMdCount + kAoCount + kDoCount + kGdoCount;
}

// "Data view setting": the eight pages of all 1,248 channels, named.
void BM_DataViewShown(benchmark::State& state) {
  auto record = PopulatedRecord();
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetDispData>(nullptr, *record, ui); });
  state.counters["rows"] = kAiCount + kDiCount + kPiCount + kMaCount + kMdCount + kAoCount + kDoCount + kGdoCount;
}

void BM_AiListShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<ListScreen>(nullptr, AiListSetup(*record, ui)); });
}

void BM_SlaveListShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetIoNode>(nullptr, *record, ui); });
}

void BM_ActionListShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  const auto kind = static_cast<ActionKind>(state.range(0));
  AlarmArea& area = record->IO.AI[0].AREA[4];
  const std::span<std::uint32_t> bits = kind == ActionKind::Md ? std::span<std::uint32_t>(area.MD_ON)
                                                               : std::span<std::uint32_t>(area.RESET_MA);
  ShownEach(state, [&] { return std::make_unique<ActionListDialog>(nullptr, *record, kind, bits); });
  state.counters["rows"] = 256;
}

void BM_AiEditorShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetIoAiCh>(nullptr, *record, 6, ui); });
}

// The record's pen lists, the scheduler's pattern list and the mail template
// list: built over a record whose every row has something to show, on screen,
// every row's texts asked for once (what a full scroll through the list does).
enum class FilledList { LoggingPens, ReportPens, Patterns, MailTemplates };
constexpr const char* kFilledListLabels[] = {"logging pens", "report pens", "patterns", "mail templates"};

ListScreenSetup PenOrPatternList(int which, SettingData& record, ScriptedUi& ui) {
  switch (static_cast<FilledList>(which)) {
    case FilledList::LoggingPens: return LoggingPenListSetup(record, record.RECORD.LOGGING.PEN, ui);
    case FilledList::ReportPens: return ReportPenListSetup(record, record.RECORD.REPORT.PEN, ui);
    case FilledList::Patterns: return PatternListSetup(record, ui);
    case FilledList::MailTemplates: return FormListSetup(record, ui);
  }
  return PatternListSetup(record, ui);
}

void BM_RecordAndPatternListsShown(benchmark::State& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  for (int p = 0; p < 128; ++p) {
    record->RECORD.LOGGING.PEN[p] = {1 + p % 8, static_cast<std::int16_t>(1 + p % 32), 1, {}, 0, 0, {}};
    record->RECORD.REPORT.PEN[p].PEN_TYPE = 1 + p % 3;
    record->RECORD.REPORT.PEN[p].CH = static_cast<std::int16_t>(1 + p);
  }
  for (int t = 0; t < kMailTemplateCount; ++t) {
    MailForm& form = record->MAIL_REPORT.FORM[t];
    form.MODE = t % 2;
    std::snprintf(form.TITLE, sizeof form.TITLE, "Alarm report of line %03d", t + 1);
  }
  ScriptedUi ui;
  int rows = 0;
  for (auto _ : state) {
    ListScreen screen(nullptr, PenOrPatternList(static_cast<int>(state.range(0)), *record, ui));
    screen.show();
    while (!Exposed(screen)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    const QAbstractItemModel* model = screen.list()->model();
    rows = model->rowCount();
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < model->columnCount(); ++c) benchmark::DoNotOptimize(model->index(r, c).data());
    state.PauseTiming();
    screen.close();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["rows"] = rows;
  state.SetLabel(kFilledListLabels[state.range(0)]);
}

// "E-mailing calendar" on the default calendar: six periods, the day rows
// and twelve month displays, built and drawn.
void BM_CalendarShown(benchmark::State& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetRepCalendar>(nullptr, *record, ui); });
}

// "Set" on the holiday row with "Sun", "Sat" and "祝": every month of 2015 to
// 2099 rewritten, then the twelve displays drawn again.
void BM_CalendarSet(benchmark::State& state) {
  auto record = NewSettingData();
  ApplyDefaults(*record);
  ScriptedUi ui;
  CDlgSetRepCalendar screen(nullptr, *record, ui);
  screen.show();
  while (!Exposed(screen)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
  for (int box : {0, 6, 7}) screen.dayBoxes[1][static_cast<std::size_t>(box)]->setChecked(true);
  for (auto _ : state) {
    screen.setButtons[1]->click();
    for (CDlgSetRepCalendarDsp* month : screen.months) month->repaint();
  }
  state.counters["months"] = kCalendarYears * 12;
}

// The populated record with every output in use and named by every holder
// kind: slaves' error outputs, all five zones of every AI, PI and MA, full
// GDOs, the FTP client, every mail template, every pattern output.
std::unique_ptr<SettingData> OutputsRecord() {
  auto r = PopulatedRecord();
  const auto name = [](auto& ch, const char* family, int n) {
    std::snprintf(ch.NAME, sizeof ch.NAME, "%s name %03d", family, n + 1);
    std::snprintf(ch.COMMENT, sizeof ch.COMMENT, "%s comment %03d", family, n + 1);
  };
  IoSection& io = r->IO;
  for (int n = 0; n < kAoCount; ++n) {
    AoCh& ao = io.AO[n];
    ao.TYPE = kTypeCard;
    name(ao, "AO", n);
    ao.IO_MAPPING.MODE = 2;
    for (int k = 0; k < 16; ++k) ao.IO_MAPPING.BIT[k] = {2, static_cast<std::int16_t>(n * 4 + k + 1)};
  }
  for (int n = 0; n < kDoCount; ++n) {
    io.DO[n].TYPE = kTypeCard;
    name(io.DO[n], "DO", n);
  }
  for (int n = 0; n < kGdoCount; ++n) {
    GdoCh& g = io.GDO[n];
    g.MODE = 1;
    name(g, "GDO", n);
    for (int k = 0; k < 32; ++k) g.CH[k] = {k % 2 ? 2 : 1, static_cast<std::int16_t>((n * 32 + k) % kDoCount + 1)};
  }
  for (int n = 0; n < kNodeCount; ++n) {
    io.NODE_CONF.ERROUT_KIND[n] = 2 + n % 2;  // DO, GDO
    io.NODE_CONF.ERROUT_NO[n] = static_cast<std::int16_t>(n + 1);
  }
  auto allOutputs = [](AlarmArea (&areas)[kAreaCount]) {
    for (AlarmArea& a : areas) {
      for (std::uint32_t& w : a.DO_ON) w = 0xFFFFFFFFu;
      a.GDO_ON1 = 0xFFFFFFFFu;
    }
  };
  for (AiCh& ai : io.AI) allOutputs(ai.AREA);
  for (PiCh& pi : io.PI) {
    pi.TYPE = kTypeCard;
    pi.USE_AREAS = 5;
    allOutputs(pi.AREA);
  }
  for (MaCh& ma : io.MA) {
    ma.USE_AREAS = 5;
    allOutputs(ma.AREA);
  }
  r->COM.FTPC.MODE = 1;
  r->COM.FTPC.ERROR = {2, 1};
  for (int t = 0; t < 128; ++t) {
    r->MAIL_REPORT.FORM[t].MODE = 1;
    r->MAIL_REPORT.FORM[t].SUCCESS = {1, {1 + t % 2, static_cast<std::int16_t>(t % 32 + 1)}};
  }
  r->MAIL_REPORT.ERROR = {2, {1, 1}};
  for (int p = 0; p < 64; ++p)
    for (int o = 0; o < 8; ++o)
      r->SCHEDULE.PATTERN[p].OUT[o].CH = {1 + o % 2, static_cast<std::int16_t>((p * 8 + o) % kGdoCount + 1)};
  return r;
}

// The output lists, the AO mapping screen, the GDO screen and the two
// who-uses views, each built on the fully referenced record and exposed.
enum class OutputScreen { AoList, DoList, GdoList, AoMapping, Gdo, DoView, GdoView };

void BM_OutputScreenShown(benchmark::State& state) {
  const auto record = OutputsRecord();
  ScriptedUi ui;
  AoMapping mapping = record->IO.AO[0].IO_MAPPING;
  const auto screen = static_cast<OutputScreen>(state.range(0));
  ShownEach(state, [&]() -> std::unique_ptr<QDialog> {
    switch (screen) {
      case OutputScreen::AoList: return std::make_unique<ListScreen>(nullptr, AoListSetup(*record, ui));
      case OutputScreen::DoList: return std::make_unique<ListScreen>(nullptr, DoListSetup(*record, ui));
      case OutputScreen::GdoList: return std::make_unique<ListScreen>(nullptr, GdoListSetup(*record, ui));
      case OutputScreen::AoMapping: return std::make_unique<CDlgSetIoAoMap>(nullptr, *record, mapping, ui);
      case OutputScreen::Gdo: return std::make_unique<CDlgSetIoGdoCh>(nullptr, *record, 0, ui);
      case OutputScreen::DoView: return std::make_unique<CDlgSetIoDoUsed>(nullptr, *record, ui);
      case OutputScreen::GdoView: return std::make_unique<CDlgSetIoGdoUsed>(nullptr, *record, ui);
    }
    return nullptr;
  });
}

// The DI, MA and MD lists: 256 rows each.
void BM_FunctionFamilyListShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  using Setup = ListScreenSetup (*)(SettingData&, UiPort&);
  const Setup setups[] = {&DiListSetup, &MaListSetup, &MdListSetup};
  const Setup setup = setups[state.range(0)];
  ShownEach(state, [&] { return std::make_unique<ListScreen>(nullptr, setup(*record, ui)); });
  state.counters["rows"] = 256;
}

// "MD%03d": three 256-entry channel lists (two inputs and the run's start) and two states.
void BM_MdEditorShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetIoMdCh>(nullptr, *record, 249, ui); });
}

// "Function setting (Addition/Subtraction)": three inputs on MA, 256 entries each.
void BM_MaFunctionScreenShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  MaFunctionBlock block{};
  ResetFunction(block, kMaAdd);
  for (ChannelRef& x : block.INPUT.X) x = {3, 200};
  ShownEach(state, [&] { return std::make_unique<CDlgSetIoMaFunc>(nullptr, *record, kMaAdd, block, ui); });
}

// "Which functions assigned to MD?": the whole record scanned, 256 MDs and more rows.
void BM_MdUsedShown(benchmark::State& state) {
  const auto record = PopulatedRecord();
  ScriptedUi ui;
  ShownEach(state, [&] { return std::make_unique<CDlgSetIoMdUsed>(nullptr, *record, ui); });
}

// The result list of the hub's search given 100,000 hits (the first 100,000
// fields of a populated record, as a path search of "*" finds them), built
// and on screen.
void BM_FindResultsOf100000HitsShown(benchmark::State& state) {
  auto record = PopulatedRecord();
  ScriptedUi ui;
  std::vector<FindHit> all = FindPath(*record, "*");
  all.resize(std::min<std::size_t>(all.size(), 100000));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<FindHit> hits = all;
    state.ResumeTiming();
    FindResults results(nullptr, *record, ui);
    results.resize(760, 420);
    results.SetHits(std::move(hits));
    results.show();
    while (!Exposed(results)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    state.PauseTiming();
    results.close();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["hits"] = static_cast<double>(all.size());
}

// A record that differs from the defaults in every field that can differ:
// random values, and where one happens to equal the default, another seed's.
std::unique_ptr<SettingData> EveryFieldChanged(const SettingData& defaults) {
  auto r = NewSettingData();
  *r = defaults;
  test::RandomRecord(1).Fill(*r);
  auto alt = NewSettingData();
  for (unsigned seed = 2; seed < 12; ++seed) {
    *alt = defaults;
    test::RandomRecord(seed).Fill(*alt);
    ForEachField(*r, [&](const std::string&, const FieldRef& f) {
      const std::string def = FieldText(SameFieldIn(f, *r, defaults));
      if (FieldText(f) != def) return;
      const std::string other = FieldText(SameFieldIn(f, *r, *alt));
      if (other != def) SetFieldText(f, other);
    });
  }
  return r;
}

struct ReviewRecords {
  std::unique_ptr<SettingData> defaults = NewSettingData(), changed;
  std::size_t rows = 0;
  ReviewRecords() {
    ApplyDefaults(*defaults);
    changed = EveryFieldChanged(*defaults);
    rows = DiffRecords(*defaults, *changed).size();
  }
};

// The review before an upload of a record that differs from the defaults in
// every field: the comparison made, the dialog built and on screen. The goal
// is under 300 ms.
void BM_ChangeReviewOfEveryFieldShown(benchmark::State& state) {
  static const ReviewRecords records;
  ShownEach(state, [&] {
    return std::make_unique<CDlgChangeReview>(*records.defaults, *records.changed, CDlgChangeReview::Mode::Upload);
  });
  state.counters["rows"] = static_cast<double>(records.rows);
}

// Typing into its filter box: each keystroke of "timezone" narrows the list
// of all those rows, then clearing it brings them back. Per keystroke the goal
// is well under 100 ms.
void BM_ChangeReviewFilterKeystroke(benchmark::State& state) {
  static const ReviewRecords records;
  CDlgChangeReview review(*records.defaults, *records.changed, CDlgChangeReview::Mode::Upload);
  review.show();
  while (!Exposed(review)) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
  const std::string word = "timezone";
  std::size_t keystrokes = 0;
  for (auto _ : state) {
    for (std::size_t n = 1; n <= word.size(); ++n) {
      review.Filter()->setText(QString::fromStdString(word.substr(0, n)));
      QCoreApplication::processEvents();
    }
    review.Filter()->clear();
    QCoreApplication::processEvents();
    keystrokes += word.size() + 1;
  }
  state.counters["ms_per_keystroke"] = benchmark::Counter(
      static_cast<double>(keystrokes), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["rows"] = static_cast<double>(records.rows);
}

BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFileToHubShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListScreenOf256RowsShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebServerScreenShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChannelControlScreenShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AiListShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DataViewShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlaveListShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActionListShown)
    ->Arg(static_cast<int>(ActionKind::Md))
    ->Arg(static_cast<int>(ActionKind::ResetMa))
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AiEditorShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordAndPatternListsShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalendarShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalendarSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutputScreenShown)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FunctionFamilyListShown)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MdEditorShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaFunctionScreenShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MdUsedShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindResultsOf100000HitsShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeReviewOfEveryFieldShown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangeReviewFilterKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tk48

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir store;  // never the user's preferences
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
  QElapsedTimer clock;
  clock.start();
  QApplication application(argc, argv);
  tk48::applicationMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
