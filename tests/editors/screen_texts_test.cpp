// Every registered screen, and every screen it opens, read as a user reads
// it on a record where every channel is in use: no label, button, tab, column
// header or list entry is blank (but those listed as blank on purpose), none
// shows an unfilled format, and every choice list holds the entries its
// table gives. A list without a table, or a table no list uses, fails too.
#include <QComboBox>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editors/screen_registry.h"
#include "model/field_path.h"
#include "tests/editors/editor_fixture.h"
#include "tests/editors/screen_lists.h"
#include "tests/editors/screen_walk.h"
#include "tests/editors/showable_record.h"

namespace tk48 {
namespace {

// Every channel in use and every function chosen, so that each screen's
// buttons lead on to the screens they open.
class PopulatedRecord : public test::ShowableRecord {
 public:
  using ShowableRecord::ShowableRecord;

 private:
  void Settle(SettingData& r) override {
    ShowableRecord::Settle(r);
    // Every two-way mode (logging, report, services, templates, units...) in use.
    ForEachField(r, [](const std::string& path, const FieldRef& f) {
      const bool mode = path.size() >= 4 && path.compare(path.size() - 4, 4, "MODE") == 0;
      if (mode && f.node->kind == Kind::Keyword && f.node->keywords->size() == 2) StoreI32(f.slot.value, 1);
    });
    for (AiCh& ch : r.IO.AI) ch.TYPE = kTypeCard;
    for (DiCh& ch : r.IO.DI) ch.TYPE = kTypeCard;
    for (PiCh& ch : r.IO.PI) ch.TYPE = kTypeCard;
    for (AoCh& ch : r.IO.AO) ch.TYPE = kTypeCard;
    for (DoCh& ch : r.IO.DO) ch.TYPE = kTypeCard;
    for (GdoCh& ch : r.IO.GDO)
      if (ch.MODE == 0) ch.MODE = 1;
    for (int i = 0; i < kMaCount; ++i) r.IO.MA[i].TYPE = 1 + i % 16;
    for (int i = 0; i < kMdCount; ++i)
      if (r.IO.MD[i].TYPE == 0) r.IO.MD[i].TYPE = 1;
  }
};

std::vector<test::ScreenTables> AllTables() {
  return {test::SystemAndComTables(), test::InputTables(), test::OutputTables(), test::RecordAndScheduleTables(),
          test::MailDisplayMonitorTables()};
}

// The rows of every group's table, the empty placeholder rows left out.
std::vector<test::ListRule> AllRules() {
  std::vector<test::ListRule> all;
  for (const test::ScreenTables& t : AllTables())
    for (const test::ListRule& r : t.lists)
      if (!r.screen.empty()) all.push_back(r);
  return all;
}

bool BlankAllowed(const std::string& screen, const QString& widget) {
  for (const test::ScreenTables& t : AllTables())
    for (const test::BlankRule& b : t.blanks)
      if (!b.screen.empty() && test::NameMatches(b.screen, screen) && test::NameMatches(b.widget, widget.toStdString()))
        return true;
  return false;
}

// The item a walk opens a registered screen on: every item of a short list
// (the functions, the months), one from the middle of a long one.
std::vector<int> WalkedItems(const ScreenEntry& entry) {
  if (entry.items <= 16) {
    std::vector<int> all;
    for (int i = 0; i < entry.items; ++i) all.push_back(i);
    return all;
  }
  return {entry.items / 2 + 2};
}

QString Quoted(const QStringList& entries) {
  const qsizetype shown = std::min<qsizetype>(entries.size(), 6);
  QStringList head = entries.mid(0, shown);
  for (QString& e : head) e = u'"' + e + u'"';
  return head.join(QStringLiteral(", ")) +
         (entries.size() > shown ? QStringLiteral(", ... (%1)").arg(entries.size()) : QString());
}

// The type list beside a channel list, as the list's table names it; nullptr
// for a list without one.
QComboBox* TypeListOf(const QDialog& screen, const QComboBox& list, const test::Entries& entries) {
  if (entries.typeFrom.empty()) return nullptr;
  const auto q = [](std::string_view v) { return QString::fromUtf8(v.data(), static_cast<qsizetype>(v.size())); };
  QString name = list.accessibleName();
  const qsizetype cut = name.lastIndexOf(q(entries.typeFrom));
  if (cut < 0) return nullptr;
  name.replace(cut, q(entries.typeFrom).size(), q(entries.typeTo));
  for (QComboBox* type : screen.findChildren<QComboBox*>())
    if (type->accessibleName() == name) return type;
  return nullptr;
}

// What the walk found, and what it counted.
class TextCheck {
 public:
  TextCheck() : rules_(AllRules()), used_(rules_.size(), 0) {}

  // One screen met on the walk of registered screen `entry` on item `item`.
  void Screen(const SettingData& record, const ScreenEntry& entry, int item, const test::Visit& at) {
    ++visits_;
    const std::string cls = test::ScreenClass(at.screen);
    classes_.insert(cls);
    const std::string where = std::string(entry.id) + "[" + std::to_string(item) + "] " + at.path + ": ";
    for (const test::ShownText& t : test::ShownTexts(at.screen)) {
      ++texts_;
      const std::string what = t.kind.toStdString() + " of " + t.widget.toStdString();
      if (t.text.trimmed().isEmpty() && !BlankAllowed(cls, t.widget)) faults_.push_back(where + "blank " + what);
      if (format_.match(t.text).hasMatch())
        faults_.push_back(where + "unfilled format in " + what + ": \"" + t.text.toStdString() + "\"");
    }
    for (QWidget* w : test::ShownWidgets(at.screen))
      if (auto* list = qobject_cast<QComboBox*>(w)) List(record, cls, where, item, at.screen, *list);
  }

  // The tables no list met, then every fault.
  std::vector<std::string> Faults() const {
    std::vector<std::string> all = faults_;
    for (std::size_t r = 0; r < rules_.size(); ++r)
      if (!used_[r])
        all.push_back("no list met the table of " + std::string(rules_[r].screen) + " \"" +
                      std::string(rules_[r].list) + "\"");
    return all;
  }
  void Print() const {
    std::printf("screen texts: %zu screen classes, %d screens opened, %d texts, %d lists, %d type picks\n",
                classes_.size(), visits_, texts_, lists_, typePicks_);
  }

 private:
  void List(const SettingData& record, const std::string& cls, const std::string& where, int item,
            QDialog& screen, QComboBox& list) {
    ++lists_;
    const std::string name = list.accessibleName().toStdString();
    std::size_t r = 0;
    while (r < rules_.size() && !(rules_[r].screen == cls && test::NameMatches(rules_[r].list, name))) ++r;
    if (r == rules_.size()) {
      faults_.push_back(where + "list \"" + name + "\" has no table");
      return;
    }
    ++used_[r];
    const test::Entries& entries = rules_[r].entries;
    const auto compare = [&](const std::string& beside) {
      QStringList shown;
      for (int i = 0; i < list.count(); ++i) shown << list.itemText(i);
      const QStringList expected = entries({record, screen, list, item});
      if (shown != expected)
        faults_.push_back(where + "list \"" + name + "\"" + beside + " holds " + Quoted(shown).toStdString() +
                          "; its table gives " + Quoted(expected).toStdString());
    };
    compare("");
    // A channel list is held against every entry of its type list, each
    // picked as a user picks it (a guard may keep the old one).
    QComboBox* type = TypeListOf(screen, list, entries);
    if (!type || !type->isEnabled()) return;
    const int was = type->currentIndex();
    for (int t = 0; t < type->count(); ++t) {
      if (t == was) continue;
      test::Pick(type, t);
      if (type->currentIndex() != t) continue;
      ++typePicks_;
      compare(" beside \"" + type->currentText().toStdString() + "\"");
    }
    test::Pick(type, was);
  }

  const std::vector<test::ListRule> rules_;
  std::vector<int> used_;
  const QRegularExpression format_{QStringLiteral("%[-+ #0]*[0-9]*(\\.[0-9]+)?(l|ll|h)?[diouxXfeEgGcs]")};
  std::vector<std::string> faults_;
  std::set<std::string> classes_;
  int visits_ = 0, texts_ = 0, lists_ = 0, typePicks_ = 0;
};

class ScreenTexts : public test::EditorTest {
 protected:
  ScreenTexts() { settings.usb = true; }
  ScreenEnv Env() {
    return {nullptr, *record, ui, &device, [](const SettingData&, DeviceContext&) { return true; }};
  }
  ConnectionSettings settings;
  LoginState login;
  DeviceContext device{settings, login, ui, {}};
};

TEST_F(ScreenTexts, EveryScreenShowsItsTextsAndItsListsHoldTheirEntries) {
  TextCheck check;
  // Two records, so that lists show other values the second time.
  for (const unsigned seed : {7u, 8u}) {
    for (const ScreenEntry& entry : ScreenRegistry()) {
      for (const int item : WalkedItems(entry)) {
        ApplyDefaults(*record);
        PopulatedRecord(seed).Fill(*record);
        const auto screen = entry.make(Env(), item);
        test::ShowActive(*screen);
        test::WalkScreen(*screen, [&](const test::Visit& at) { check.Screen(*record, entry, item, at); });
        if (screen->isVisible()) screen->done(QDialog::Rejected);
      }
    }
  }
  check.Print();
  for (const std::string& f : check.Faults()) ADD_FAILURE() << f;
}

}  // namespace
}  // namespace tk48
