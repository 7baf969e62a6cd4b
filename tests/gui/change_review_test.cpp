// The change review: its rows grouped by section with their counts, the filter,
// and what its buttons answer in both modes.
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "app/change_review.h"
#include "gui_fixture.h"
#include "model/defaults.h"

namespace tk48::test {
namespace {

std::vector<std::string> Rows(const CDlgChangeReview& review) {
  std::vector<std::string> rows;
  const auto& m = review.Model();
  for (int r = 0; r < m.rowCount(); ++r) rows.push_back(m.index(r).data().toString().toStdString());
  return rows;
}

class ChangeReviewTest : public GuiTest {
 protected:
  ChangeReviewTest() {
    ApplyDefaults(*before);
    *after = *before;
  }
  std::unique_ptr<SettingData> before = NewSettingData(), after = NewSettingData();
};

TEST_F(ChangeReviewTest, GroupsChangesUnderTheirSectionsAndFilters) {
  std::strcpy(after->SYSTEM.NAME1, "Boiler 2");
  after->SYSTEM.TIMEZONE = 3;
  after->COM.FTP.PORT = 2121;
  after->IO.AI[11].SCALE_100 = 5;
  CDlgChangeReview review(*before, *after, CDlgChangeReview::Mode::Upload);
  Show(review);
  EXPECT_EQ(Rows(review), (std::vector<std::string>{
                              "SYSTEM (2)",
                              "SYSTEM.NAME1: TK48 -> Boiler 2",
                              "SYSTEM.TIMEZONE: 9 -> 3",
                              "IO (1)",
                              "IO.AI[12].SCALE_100: 100.000 -> 5.000",
                              "COM (1)",
                              "COM.FTP.PORT: 21 -> 2121",
                          }));
  EXPECT_TRUE(review.Model().IsSectionRow(0));
  EXPECT_FALSE(review.Model().IsSectionRow(1));
  EXPECT_EQ(review.Summary()->text(), "4 changed fields in 3 sections.");

  // Path or value, either case; a longer needle narrows, a shorter one widens again.
  const struct {
    const char* filter;
    std::vector<std::string> rows;
    const char* summary;
  } cases[] = {
      {"timezone", {"SYSTEM (1 of 2)", "SYSTEM.TIMEZONE: 9 -> 3"}, "1 of 4 changed fields shown."},
      {"21", {"COM (1)", "COM.FTP.PORT: 21 -> 2121"}, "1 of 4 changed fields shown."},
      {"2", {"SYSTEM (1 of 2)", "SYSTEM.NAME1: TK48 -> Boiler 2", "IO (1)", "IO.AI[12].SCALE_100: 100.000 -> 5.000",
             "COM (1)", "COM.FTP.PORT: 21 -> 2121"},
       "3 of 4 changed fields shown."},
      {"r 2", {"SYSTEM (1 of 2)", "SYSTEM.NAME1: TK48 -> Boiler 2"}, "1 of 4 changed fields shown."},
      {"no such thing", {}, "0 of 4 changed fields shown."},
      {"", {"SYSTEM (2)", "SYSTEM.NAME1: TK48 -> Boiler 2", "SYSTEM.TIMEZONE: 9 -> 3", "IO (1)",
            "IO.AI[12].SCALE_100: 100.000 -> 5.000", "COM (1)", "COM.FTP.PORT: 21 -> 2121"},
       "4 changed fields in 3 sections."},
  };
  for (const auto& c : cases) {
    review.Filter()->setText(QString::fromUtf8(c.filter));
    EXPECT_EQ(Rows(review), c.rows) << c.filter;
    EXPECT_EQ(review.Summary()->text().toStdString(), c.summary) << c.filter;
  }

  // Typed as a user does: Enter in the filter box does not upload.
  review.Filter()->clear();
  QTest::keyClicks(review.Filter(), "BOILER");
  EXPECT_EQ(Rows(review), (std::vector<std::string>{"SYSTEM (1 of 2)", "SYSTEM.NAME1: TK48 -> Boiler 2"}));
  QTest::keyClick(review.Filter(), Qt::Key_Return);
  EXPECT_TRUE(review.isVisible());
}

// A changed web password reads "(changed)": neither value is in its row, its
// tooltip or anything the filter can find it by.
TEST_F(ChangeReviewTest, PasswordsShowAsChangedWithoutTheirValues) {
  std::strcpy(after->COM.WEB.AUTH[2].PASSWORD, "n3w-pw");
  std::strcpy(after->COM.WEB.AUTH[2].LOGIN, "op2");
  CDlgChangeReview review(*before, *after, CDlgChangeReview::Mode::Upload);
  Show(review);
  const std::vector<std::string> all = {"COM (2)", "COM.WEB.AUTH[2].LOGIN: kvmpt -> op2",
                                        "COM.WEB.AUTH[2].PASSWORD: (changed)"};
  EXPECT_EQ(Rows(review), all);
  EXPECT_EQ(review.Model().index(2).data(Qt::ToolTipRole).toString().toStdString(), all[2]);
  const struct {
    const char* filter;
    std::vector<std::string> rows;
  } cases[] = {
      {"n3w", {}},
      {"kvmpt", {"COM (1 of 2)", "COM.WEB.AUTH[2].LOGIN: kvmpt -> op2"}},  // the old password's value too
      {"password", {"COM (1 of 2)", "COM.WEB.AUTH[2].PASSWORD: (changed)"}},
      {"(CHANGED)", {"COM (1 of 2)", "COM.WEB.AUTH[2].PASSWORD: (changed)"}},
  };
  for (const auto& c : cases) {
    review.Filter()->setText(QString::fromUtf8(c.filter));
    EXPECT_EQ(Rows(review), c.rows) << c.filter;
  }
}

// Upload accepts, Cancel and Escape reject; with nothing changed it says so and
// still offers the upload; comparing has no upload at all.
TEST_F(ChangeReviewTest, ButtonsOfBothModes) {
  const struct {
    bool changed;
    CDlgChangeReview::Mode mode;
    const char* press;  // "upload", "close" or "escape"
    int result;
    const char* summary;
  } cases[] = {
      {true, CDlgChangeReview::Mode::Upload, "upload", QDialog::Accepted, "1 changed fields in 1 sections."},
      {true, CDlgChangeReview::Mode::Upload, "close", QDialog::Rejected, "1 changed fields in 1 sections."},
      {true, CDlgChangeReview::Mode::Upload, "escape", QDialog::Rejected, "1 changed fields in 1 sections."},
      {false, CDlgChangeReview::Mode::Upload, "upload", QDialog::Accepted,
       "No field changes: the upload sends the same configuration again."},
      {false, CDlgChangeReview::Mode::Compare, "close", QDialog::Rejected, "The two configurations are the same."},
      {true, CDlgChangeReview::Mode::Compare, "escape", QDialog::Rejected, "1 changed fields in 1 sections."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.press) + (c.changed ? " changed" : " unchanged"));
    *after = *before;
    if (c.changed) after->RECORD.LOGGING.LINE = 7;
    CDlgChangeReview review(*before, *after, c.mode);
    review.SetCaption("against the defaults");
    int result = -1;
    QObject::connect(&review, &QDialog::finished, [&](int r) { result = r; });
    Show(review);
    EXPECT_EQ(review.Caption()->text(), "against the defaults");
    EXPECT_EQ(review.Summary()->text().toStdString(), c.summary);
    EXPECT_EQ(review.Model().rowCount(), c.changed ? 2 : 0);
    if (c.mode == CDlgChangeReview::Mode::Upload) {
      ASSERT_NE(review.UploadButton(), nullptr);
      EXPECT_EQ(review.UploadButton()->text(), "Upload");
      EXPECT_EQ(review.CloseButton()->text(), "Cancel");
    } else {
      EXPECT_EQ(review.UploadButton(), nullptr);
      EXPECT_EQ(review.CloseButton()->text(), "Close");
    }
    if (std::strcmp(c.press, "upload") == 0) Click(review.UploadButton());
    if (std::strcmp(c.press, "close") == 0) Click(review.CloseButton());
    if (std::strcmp(c.press, "escape") == 0) QTest::keyClick(review.Filter(), Qt::Key_Escape);
    EXPECT_EQ(result, c.result);
    EXPECT_FALSE(review.isVisible());
  }
}

}  // namespace
}  // namespace tk48::test
