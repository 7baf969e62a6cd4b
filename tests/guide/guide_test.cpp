// The user guide step: one picture per registered screen, a guide that names
// every screen under the "Configuration" screen's buttons in their order, and
// its HTML form beside it.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

#include "docs/guide/guide.h"
#include "editors/screen_registry.h"
#include "editors/toolkit/editor_text.h"
#include "resources/text_ids.h"
#include "tests/e2e/cli_run.h"

namespace tk48 {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) { return test::ReadAll(path.string()); }

// The screens show Japanese texts (the calendar's holiday mark, a list's
// "名称" heading, users' own names): the pictures draw them only when a font
// has their glyphs. The build machine gets one from scripts/setup.sh.
TEST(UserGuide, AFontDrawsTheJapaneseTexts) {
  const QString texts = QString::fromUtf8("祝名称・");
  bool drawn = false;
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    const QFontMetrics metrics{QFont(family)};
    bool all = true;
    for (const QChar c : texts) all = all && metrics.inFont(c);
    drawn = drawn || all;
  }
  EXPECT_TRUE(drawn) << "no font draws " << texts.toStdString() << ": scripts/setup.sh installs one";
}

TEST(UserGuide, PicturesEveryRegisteredScreenAndNamesItInHubOrder) {
  const fs::path dir = fs::temp_directory_path() / ("tk48-guide-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "images");
  std::ofstream(dir / "images" / "CDlgGone.png") << "stale";  // a screen no longer registered
  ASSERT_TRUE(WriteUserGuide(dir));

  std::set<std::string> pictures;
  for (const auto& f : fs::directory_iterator(dir / "images")) {
    pictures.insert(f.path().filename().string());
    const QImage image(QString::fromStdString(f.path().string()));
    EXPECT_FALSE(image.isNull()) << f.path();
    EXPECT_GT(image.width(), 50) << f.path();
  }
  EXPECT_EQ(pictures.size(), ScreenRegistry().size());
  EXPECT_FALSE(pictures.count("CDlgGone.png"));

  const std::string guide = Read(dir / "user-guide.md");
  for (const ScreenEntry& entry : ScreenRegistry()) {
    const std::string id(entry.id);
    const std::size_t at = guide.find("(`" + id + "`)");
    ASSERT_NE(at, std::string::npos) << id;
    EXPECT_NE(guide.find(".png)", at), std::string::npos) << id;
  }
  EXPECT_TRUE(pictures.count("list_AI.png"));
  // The System screen's fields by their labels.
  const std::size_t system = guide.find("(`CDlgSetSystem`)");
  EXPECT_NE(guide.find("- Time zone (Hour)", system), std::string::npos);

  // The chapters follow the hub's buttons; each screen sits under its own.
  std::size_t last = 0;
  for (int title : {text::kSystem, text::kInputOutput, text::kCommunication, text::kEmail, text::kGraphDisplay,
                    text::kRecord, text::kScheduler, text::kProcessMonitor, text::kGuideMainWindow}) {
    const std::size_t at = guide.find("\n## " + Tx(title).toStdString() + "\n");
    ASSERT_NE(at, std::string::npos) << title;
    EXPECT_GT(at, last) << title;
    last = at;
  }
  EXPECT_LT(guide.find("## " + Tx(text::kRecord).toStdString()), guide.find("(`CDlgSetRecordLoggingPenConf`)"));
  EXPECT_GT(guide.find("## " + Tx(text::kScheduler).toStdString()), guide.find("(`CDlgSetRecordLoggingPenConf`)"));
  EXPECT_EQ(guide.find("## " + Tx(text::kGuideOther).toStdString()), std::string::npos);

  const std::string html = Read(dir / "user-guide.html");
  EXPECT_NE(html.find("<img src=\"images/CDlgSetSystem.png\""), std::string::npos);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tk48
