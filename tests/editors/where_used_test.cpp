// "Where is it used" in a channel list's context menu: the references to the
// row's channel in the result list, and a double-click on one opens the
// screen that holds it.
#include "editor_fixture.h"
#include "editors/io/CDlgSetIoAiCh.h"
#include "editors/io/CDlgSetIoDo.h"
#include "editors/mail/CDlgSetRepForm.h"
#include "editors/toolkit/find_results.h"

namespace tk48::test {
namespace {

constexpr std::int32_t kAiKind = 1;  // the attachment's family list: NONE, AI, DI, ...

class WhereUsedTest : public EditorTest {};

TEST_F(WhereUsedTest, TheChannelListsReferencesOpenTheirScreens) {
  record->MAIL_REPORT.FORM[2].MODE = 1;
  record->MAIL_REPORT.FORM[2].CH[3] = {kAiKind, 5};
  record->MAIL_REPORT.FORM[6].CH[0] = {kAiKind, 6};  // AI006: not listed for AI005
  ListScreen list(nullptr, AiListSetup(*record, ui));
  ShowActive(list);

  std::vector<std::string> paths;
  QString title;
  bool opened = false;
  WhenModal<WhereUsedView>([&](WhereUsedView& view) {
    title = view.windowTitle();
    for (const FindHit& hit : view.Results()->Hits()) paths.push_back(hit.path);
    // The attachment's screen comes up in its template's channel chooser;
    // all three close.
    WhenModal<CDlgSetRepChConf>([&](CDlgSetRepChConf& screen) {
      opened = true;
      WhenModal<ListScreen>([](ListScreen& chooser) {
        WhenModal<CDlgSetRepFormConf>([](CDlgSetRepFormConf& form) { form.reject(); });
        chooser.reject();
      });
      screen.reject();
    });
    for (std::size_t i = 0; i < paths.size(); ++i)
      if (paths[i] == "MAIL_REPORT.FORM[3].CH[4]") DoubleClick(*view.Results(), static_cast<int>(i));
    view.reject();
  });
  ASSERT_TRUE(UseListMenu(*list.list(), 4, "Where is it used"));
  EXPECT_EQ(title, "Where is AI005 used");
  EXPECT_NE(std::find(paths.begin(), paths.end(), "MAIL_REPORT.FORM[3].CH[4]"), paths.end());
  EXPECT_EQ(std::find(paths.begin(), paths.end(), "MAIL_REPORT.FORM[7].CH[1]"), paths.end());
  EXPECT_TRUE(opened);

  // Copy and Paste stay where they were, above the new entry.
  WhenMenu([](QMenu& menu) {
    ASSERT_EQ(menu.actions().size(), 4);
    EXPECT_EQ(menu.actions()[0]->text(), "Copy");
    EXPECT_EQ(menu.actions()[1]->text(), "Paste");
    EXPECT_TRUE(menu.actions()[2]->isSeparator());
    menu.close();
  });
  RightClick(*list.list(), 4);
}

TEST_F(WhereUsedTest, AnOutputListOffersItToo) {
  ListScreen list(nullptr, DoListSetup(*record, ui));
  ShowActive(list);
  WhenModal<WhereUsedView>([](WhereUsedView& view) {
    EXPECT_EQ(view.windowTitle(), "Where is DO001 used");
    view.reject();
  });
  EXPECT_TRUE(UseListMenu(*list.list(), 0, "Where is it used"));
}

}  // namespace
}  // namespace tk48::test
