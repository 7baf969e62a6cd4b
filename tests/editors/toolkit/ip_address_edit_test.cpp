// The four-part address field: what a record text shows, and what it writes back.
#include "editors/toolkit/ip_address_edit.h"
#include "tests/editors/editor_fixture.h"

namespace tk48 {
namespace {

TEST(IpAddressEdit, RecordTextsInAndOut) {
  struct Case {
    const char* record;
    const char* shown;  // "" when the field is blank
    bool dotted;        // false: shown as it stands, in one text field
  };
  const Case cases[] = {
      {"192.168.0.1", "192.168.0.1", true},     {"0.0.0.0", "0.0.0.0", true},
      {"255.255.255.255", "255.255.255.255", true}, {"192.168.000.001", "192.168.0.1", true},
      {"", "", true},                           {"256.1.1.1", "256.1.1.1", false},
      {"1.2.3", "1.2.3", false},                {"1.2.3.4.5", "1.2.3.4.5", false},
      {"1.2..4", "1.2..4", false},              {" 1.2.3.4", " 1.2.3.4", false},
      {"1.2.3.4 ", "1.2.3.4 ", false},          {"a.b.c.d", "a.b.c.d", false},
      {"1000.1.1.1", "1000.1.1.1", false},
  };
  IpAddressEdit field(nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.record);
    field.SetAddress(QString::fromUtf8(c.record));
    EXPECT_EQ(field.Address(), QString::fromUtf8(c.shown));
    EXPECT_EQ(field.IsBlank(), *c.shown == '\0');
    EXPECT_EQ(field.IsDotted(), c.dotted);
  }
}

TEST(IpAddressEdit, AStoredTextPutRightBringsBackTheParts) {
  IpAddressEdit field(nullptr);
  test::ShowActive(field);
  field.SetAddress("10.0.0");
  ASSERT_FALSE(field.IsDotted());
  field.rawText()->setFocus();
  QTest::keyClicks(field.rawText(), ".9");
  EXPECT_TRUE(field.IsDotted());
  EXPECT_EQ(field.Address(), "10.0.0.9");
  EXPECT_TRUE(field.part(0)->isVisible());
}

// Types `keys` one by one into whichever part has the focus, as a keyboard does.
void Type(const char* keys) {
  for (; *keys; ++keys) QTest::keyClick(QApplication::focusWidget(), *keys);
}

TEST(IpAddressEdit, TypingKeepsEachPartWithinAByte) {
  IpAddressEdit field(nullptr);
  test::ShowActive(field);
  field.part(0)->setFocus();
  Type("10.2565");  // '.' moves on; 256 cannot be typed, so the 6 is refused
  EXPECT_EQ(field.part(0)->text(), "10");
  EXPECT_EQ(field.part(1)->text(), "255");
  EXPECT_EQ(QApplication::focusWidget(), field.part(2));  // three digits move on by themselves
  Type("7");
  EXPECT_EQ(field.Address(), "10.255.7.0");
}

}  // namespace
}  // namespace tk48
