// Every registered screen: opened on a random record made of values the
// screens can show, an OK without edits leaves the record byte-identical; and
// no input widget or list goes without an accessible name. A screen added to
// the registry is covered here without a line of its own.
#include "editors/screen_registry.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <string>

#include "editors/toolkit/item_editor.h"
#include "model/record_diff.h"
#include "tests/editors/editor_fixture.h"
#include "tests/editors/screen_walk.h"
#include "tests/editors/showable_record.h"

namespace tk48 {
namespace {

class Registry : public test::EditorTest {
 protected:
  Registry() { settings.usb = true; }
  ScreenEnv Env() {
    return {nullptr, *record, ui, &device, [this](const SettingData&, DeviceContext&) { return true; }};
  }
  ConnectionSettings settings;
  LoginState login;
  DeviceContext device{settings, login, ui, {}};
};

TEST_F(Registry, OkWithoutEditsLeavesEveryScreensRecordByteIdentical) {
  ASSERT_FALSE(ScreenRegistry().empty());
  for (const unsigned seed : {1u, 2u, 3u, 4u}) {
    for (const ScreenEntry& entry : ScreenRegistry()) {
      SCOPED_TRACE(std::string(entry.id) + " seed " + std::to_string(seed));
      ApplyDefaults(*record);
      test::ShowableRecord(seed).Fill(*record);
      const auto before = Snapshot();
      const int item = static_cast<int>(seed * 7919u % static_cast<unsigned>(entry.items));
      ui.messages.clear();
      const auto screen = entry.make(Env(), item);
      test::ShowActive(*screen);
      screen->accept();
      EXPECT_FALSE(screen->isVisible()) << (ui.messages.empty() ? "" : ui.Last());
      std::string changes;
      for (const FieldChange& c : DiffRecords(*before, *record, Secrets::Shown)) changes += "\n  " + ChangeLine(c);
      EXPECT_TRUE(SameRecord(*record, *before)) << changes;
    }
  }
}

// Records that hold values some screens cannot show (a moving-average count
// the list lacks, a time unit beyond the list, an SLMP code no list holds, a
// slave sharing one numbered above it): an OK without edits stores what the
// screen showed by its Load rule. Opened again, the screen shows the same; a
// second OK changes nothing; and confirming every value as shown (each field
// taken as edited) stores nothing else than the first OK did.
TEST_F(Registry, OkWithoutEditsStoresWhatTheScreenShowed) {
  int screens = 0;
  for (const unsigned seed : {11u, 12u, 13u, 14u}) {
    for (const ScreenEntry& entry : ScreenRegistry()) {
      const int item = static_cast<int>(seed * 7919u % static_cast<unsigned>(entry.items));
      SCOPED_TRACE(std::string(entry.id) + "[" + std::to_string(item) + "] seed " + std::to_string(seed));
      ApplyDefaults(*record);
      test::ShowableRecord(seed, test::ShowableRecord::kUnlisted).Fill(*record);
      ui.messages.clear();
      const auto first = entry.make(Env(), item);
      if (!dynamic_cast<ItemEditor*>(first.get())) continue;
      ++screens;
      test::ShowActive(*first);
      const QStringList shown = test::ShownValues(*first);
      first->accept();
      ASSERT_FALSE(first->isVisible()) << (ui.messages.empty() ? "" : ui.Last());
      const auto stored = Snapshot();

      const auto again = entry.make(Env(), item);
      test::ShowActive(*again);
      EXPECT_EQ(test::ShownValues(*again), shown);
      again->accept();
      EXPECT_TRUE(SameRecord(*record, *stored));

      const auto confirmed = entry.make(Env(), item);
      test::ShowActive(*confirmed);
      dynamic_cast<ItemEditor&>(*confirmed).OkStepAsShown();
      ASSERT_FALSE(confirmed->isVisible()) << (ui.messages.empty() ? "" : ui.Last());
      std::string changes;
      for (const FieldChange& c : DiffRecords(*stored, *record, Secrets::Shown)) changes += "\n  " + ChangeLine(c);
      EXPECT_TRUE(changes.empty()) << "the screen showed other values than OK stored:" << changes;
    }
  }
  EXPECT_GT(screens, 50);
}

bool InsideList(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p)) return true;
  return false;
}

TEST_F(Registry, EveryInputWidgetAndListHasAnAccessibleName) {
  ApplyDefaults(*record);
  for (const ScreenEntry& entry : ScreenRegistry()) {
    const auto screen = entry.make(Env(), 0);
    for (const QWidget* w : screen->findChildren<QWidget*>()) {
      const bool input = qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
                         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
                         qobject_cast<const QRadioButton*>(w) || qobject_cast<const QAbstractItemView*>(w);
      // A list's column header and a drop-down list's popup belong to their list.
      if (!input || InsideList(w) || qobject_cast<const QHeaderView*>(w)) continue;
      EXPECT_FALSE(w->accessibleName().isEmpty())
          << entry.id << ": a " << w->metaObject()->className() << " without a name";
    }
  }
}

TEST_F(Registry, ScreensAreFoundByTheirIds) {
  EXPECT_NE(FindScreen("CDlgSetSystem"), nullptr);
  EXPECT_NE(FindScreen("list:MD"), nullptr);
  EXPECT_EQ(FindScreen("CDlgNoSuchScreen"), nullptr);
  // A name names the field, not its value: the System screen's lists are named by their labels.
  ApplyDefaults(*record);
  const auto screen = FindScreen("CDlgSetSystem")->make(Env(), 0);
  QStringList names;
  for (const QComboBox* list : screen->findChildren<QComboBox*>()) names << list->accessibleName();
  EXPECT_TRUE(names.contains("Language"));
  EXPECT_TRUE(names.contains("Start (Month)"));
  QStringList fields;
  for (const QLineEdit* field : screen->findChildren<QLineEdit*>()) fields << field->accessibleName();
  EXPECT_TRUE(fields.contains("Time zone (Hour)"));
  fields.clear();
  const auto network = FindScreen("CDlgBaseIpAddress")->make(Env(), 0);
  for (const QLineEdit* field : network->findChildren<QLineEdit*>()) fields << field->accessibleName();
  EXPECT_TRUE(fields.contains("Subnet mask (part 2 of 4)"));
  EXPECT_TRUE(fields.contains("Alternate DNS"));  // the free text a stored non-address shows in
}

}  // namespace
}  // namespace tk48
