#include "docs/guide/guide.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "editors/screen_registry.h"
#include "editors/toolkit/editor_text.h"
#include "model/defaults.h"
#include "model/schema_reference.h"
#include "port/scripted_ui.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

// The chapters in the order of the "Configuration" screen's buttons, then the
// screens the main window opens; a registry id goes to the first chapter one of
// whose prefixes it starts with, and to "Other screens" when none matches.
struct ChapterRow {
  int title;
  std::vector<std::string_view> prefixes;
};
const std::vector<ChapterRow>& Chapters() {
  static const std::vector<ChapterRow> rows = {
      {text::kSystem, {"CDlgSetSystem"}},
      {text::kInputOutput, {"CDlgSetIo", "list:"}},
      {text::kCommunication, {"CDlgSetCom"}},
      {text::kEmail, {"CDlgSetRep"}},
      {text::kGraphDisplay, {"CDlgSetDisp"}},
      {text::kRecord, {"CDlgSetRecord"}},
      {text::kScheduler, {"CDlgSetSch"}},
      {text::kProcessMonitor, {"CDlgSetOpemon"}},
      {text::kGuideMainWindow, {"CDlgBase"}},
      {text::kGuideOther, {""}},
  };
  return rows;
}

std::size_t ChapterOf(std::string_view id) {
  const auto& rows = Chapters();
  for (std::size_t c = 0; c < rows.size(); ++c)
    for (std::string_view prefix : rows[c].prefixes)
      if (id.substr(0, prefix.size()) == prefix) return c;
  return rows.size() - 1;
}

struct GuideScreen {
  std::string id;
  QString title;
  QStringList fields;   // the labels of its fields, in screen order
  QStringList columns;  // a list's column headings
  std::string picture;  // relative to the guide
};

// The input widgets and lists a user fills in, as the accessibility test counts them.
bool IsField(const QWidget* w) {
  return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
         qobject_cast<const QRadioButton*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

// The fields under `parent` in reading order: each widget's children top to
// bottom, left to right, a group box whole before its right-hand neighbour;
// what is not shown (other tab pages) after, in the order it was made.
void CollectFields(const QWidget& parent, std::vector<const QWidget*>& out) {
  std::vector<const QWidget*> children;
  for (const QObject* o : parent.children())
    if (o->isWidgetType()) children.push_back(static_cast<const QWidget*>(o));
  const auto place = [](const QWidget* w) {
    const bool shown = !w->isHidden();
    return std::make_tuple(!shown, shown ? w->y() : 0, shown ? w->x() : 0);
  };
  std::stable_sort(children.begin(), children.end(),
                   [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
  for (const QWidget* w : children) {
    if (IsField(w))
      out.push_back(w);  // a field's own parts (a list's popup, a header) are no fields of the screen
    else
      CollectFields(*w, out);
  }
}

void Describe(QDialog& screen, GuideScreen& out) {
  out.title = screen.windowTitle();
  std::vector<const QWidget*> fields;
  CollectFields(screen, fields);
  for (const QWidget* w : fields) {
    const QString name = w->accessibleName();
    if (!name.isEmpty() && !out.fields.contains(name)) out.fields << name;
    const auto* view = qobject_cast<const QAbstractItemView*>(w);
    if (!view || !view->model() || !out.columns.isEmpty()) continue;
    for (int c = 0; c < view->model()->columnCount(); ++c)
      out.columns << view->model()->headerData(c, Qt::Horizontal).toString();
  }
}

// "list:AI" -> "list_AI": a file name every file system and URL takes.
std::string FileName(std::string_view id) {
  std::string name(id);
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

std::string Md(const QString& text) { return MarkdownText(text.toStdString()); }

std::string Markdown(const std::vector<std::vector<GuideScreen>>& chapters) {
  std::string out = "# " + std::string(LoadText(text::kGuideTitle)) + "\n\n" + std::string(LoadText(text::kGuideIntro)) +
                    "\n";
  for (std::size_t c = 0; c < chapters.size(); ++c) {
    if (chapters[c].empty()) continue;
    out += "\n## " + Md(Tx(Chapters()[c].title)) + "\n";
    for (const GuideScreen& s : chapters[c]) {
      const std::string title = Md(s.title.isEmpty() ? QString::fromUtf8(s.id.data()) : s.title);
      out += "\n### " + title + " (`" + s.id + "`)\n\n![" + title + "](" + s.picture + ")\n";
      if (!s.fields.isEmpty()) {
        out += "\n" + std::string(LoadText(text::kGuideFields)) + "\n\n";
        for (const QString& f : s.fields) out += "- " + Md(f) + "\n";
      }
      if (!s.columns.isEmpty())
        out += "\n" + MarkdownText(FormatText(text::kGuideColumns, s.columns.join(", ").toStdString().c_str())) + "\n";
    }
  }
  return out;
}

bool Save(const fs::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (file) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

}  // namespace

bool WriteUserGuide(const fs::path& dir) {
  std::error_code error;
  fs::remove_all(dir / "images", error);  // no picture of a screen that is gone
  fs::create_directories(dir / "images", error);
  QApplication::setStyle(QStringLiteral("Fusion"));  // the same pictures on every desktop

  auto record = NewSettingData();
  ApplyDefaults(*record);
  ScriptedUi ui;
  ConnectionSettings settings;
  LoginState login;
  DeviceContext device{settings, login, ui, {}};
  const ScreenEnv env{nullptr, *record, ui, &device, [](const SettingData&, DeviceContext&) { return false; }};

  std::vector<std::vector<GuideScreen>> chapters(Chapters().size());
  for (const ScreenEntry& entry : ScreenRegistry()) {
    GuideScreen shown{std::string(entry.id), {}, {}, {}, "images/" + FileName(entry.id) + ".png"};
    const auto screen = entry.make(env, 0);
    screen->setAttribute(Qt::WA_DontShowOnScreen);  // laid out and painted, never put on a screen
    screen->show();
    QApplication::processEvents();
    Describe(*screen, shown);
    if (!screen->grab().save(QString::fromStdString((dir / shown.picture).string()), "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", (dir / shown.picture).c_str());
      return false;
    }
    screen->reject();
    chapters[ChapterOf(entry.id)].push_back(std::move(shown));
  }

  const std::string markdown = Markdown(chapters);
  QTextDocument html;
  html.setMarkdown(QString::fromStdString(markdown));
  return Save(dir / "user-guide.md", markdown) && Save(dir / "user-guide.html", html.toHtml().toStdString());
}

}  // namespace tk48
