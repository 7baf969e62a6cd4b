// Passwords: which fields the schema marks secret, and how the record diff
// lists a changed one (no value unless the values are asked for).
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "model/field_path.h"
#include "model/record_diff.h"
#include "tests/model/section_doc.h"

namespace tk48 {
namespace {

// Every password of the configuration, from the field tables: the device's
// access accounts (AUTH0..AUTH7), the web identities (AUTH0..AUTH31), the FTP
// server, SMTP and POP-before-SMTP authentication and the FTP client.
std::set<std::string> Passwords() {
  const struct {
    const char* path;  // "%d" for the account number
    int first, last;
  } groups[] = {
      {"TK48GCFG.AUTH[%d].PASSWORD", 0, 7},
      {"COM.WEB.AUTH[%d].PASSWORD", 0, 31},
      {"COM.FTP.PASSWORD", 0, 0},
      {"COM.SMTP_POP3.SMTP_AUTH.PASSWORD", 0, 0},
      {"COM.SMTP_POP3.POP_BEFORE_SMTP_AUTH.PASSWORD", 0, 0},
      {"COM.FTPC.FTP_PASSWORD", 0, 0},
  };
  std::set<std::string> paths;
  for (const auto& g : groups) {
    for (int n = g.first; n <= g.last; ++n) {
      char path[64];
      std::snprintf(path, sizeof path, g.path, n);
      paths.insert(path);
    }
  }
  return paths;
}

TEST(SecretFields, EveryPasswordAndNothingElse) {
  const std::set<std::string> passwords = Passwords();
  ASSERT_EQ(passwords.size(), 44u);
  auto r = testing::Defaults();
  std::size_t found = 0;
  ForEachField(*r, [&](const std::string& path, const FieldRef& f) {
    const bool password = passwords.count(path) != 0;
    found += password;
    EXPECT_EQ(f.node->secret, password) << path;
  });
  EXPECT_EQ(found, passwords.size());  // each path of the table is a field
}

TEST(SecretFields, DiffListsAChangedPasswordWithoutItsValues) {
  auto before = testing::Defaults();
  auto after = testing::Defaults();
  const struct {
    const char* path;
    const char* value;  // as the file writes it
    const char* hidden;
    const char* shown;
  } cases[] = {
      {"TK48GCFG.AUTH[1].PASSWORD", "acc3ss", "TK48GCFG.AUTH[1].PASSWORD: (changed)",
       "TK48GCFG.AUTH[1].PASSWORD:  -> acc3ss"},
      {"COM.WEB.AUTH[2].LOGIN", "op2", "COM.WEB.AUTH[2].LOGIN: kvmpt -> op2", "COM.WEB.AUTH[2].LOGIN: kvmpt -> op2"},
      {"COM.WEB.AUTH[2].PASSWORD", "n3w-pw", "COM.WEB.AUTH[2].PASSWORD: (changed)",
       "COM.WEB.AUTH[2].PASSWORD: kvmpt -> n3w-pw"},
      // Emptied: still no hint of what it held.
      {"COM.FTP.PASSWORD", "", "COM.FTP.PASSWORD: (changed)", "COM.FTP.PASSWORD: PX52 -> "},
      {"COM.FTPC.FTP_PASSWORD", "up#Sload", "COM.FTPC.FTP_PASSWORD: (changed)", "COM.FTPC.FTP_PASSWORD:  -> up#Sload"},
  };
  for (const auto& c : cases) {
    const auto field = FindField(*after, c.path);
    ASSERT_TRUE(field && SetFieldText(*field, c.value)) << c.path;
  }
  // A password set to what it already holds is no change.
  ASSERT_TRUE(SetFieldText(*FindField(*after, "COM.WEB.AUTH[3].PASSWORD"), "kvmpt"));

  const auto hidden = DiffRecords(*before, *after);
  const auto shown = DiffRecords(*before, *after, Secrets::Shown);
  ASSERT_EQ(hidden.size(), std::size(cases));
  ASSERT_EQ(shown.size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(ChangeLine(hidden[i]), cases[i].hidden);
    EXPECT_EQ(ChangeLine(shown[i]), cases[i].shown);
    EXPECT_FALSE(shown[i].hidden) << cases[i].path;
    if (!hidden[i].hidden) continue;
    // Nothing of the values travels with a hidden change.
    EXPECT_TRUE(hidden[i].before.empty() && hidden[i].after.empty()) << cases[i].path;
    EXPECT_EQ(hidden[i].section, shown[i].section) << cases[i].path;
  }
}

}  // namespace
}  // namespace tk48
