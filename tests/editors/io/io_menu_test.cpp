// The "Input/Output" menu: nine section buttons in order, each enabled only
// once its list screen exists, and Back, Enter and Esc close it.
#include <QPushButton>

#include "editors/io/CDlgSetIo.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

class IoMenu : public test::EditorTest {};

TEST_F(IoMenu, NineSectionButtonsEnabledByTheirLists) {
  CDlgSetIo menu(nullptr, *record, ui);
  EXPECT_EQ(menu.windowTitle(), "Input/Output");
  const char* texts[] = {"I/O Slave setting",
                         "Analog input (AI)",
                         "Discrete input (DI)",
                         "Pulse input (PI)",
                         "Analog function register (MA)",
                         "Digital function register (MD)",
                         "Analog output (AO)",
                         "Discrete output (DO)",
                         "Grouped digital output (GDO)"};
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(menu.button(i)->text(), texts[i]);
    EXPECT_EQ(menu.button(i)->isEnabled(), IoMenuEntries()[i].open != nullptr) << texts[i];
  }
}

TEST_F(IoMenu, EnterAndEscCloseLikeBack) {
  const auto before = Snapshot();
  for (const auto key : {Qt::Key_Return, Qt::Key_Escape}) {
    CDlgSetIo menu(nullptr, *record, ui);
    test::ShowActive(menu);
    QTest::keyClick(&menu, key);
    EXPECT_FALSE(menu.isVisible()) << key;
  }
  EXPECT_TRUE(SameRecord(*record, *before));
}

}  // namespace
}  // namespace tk48
