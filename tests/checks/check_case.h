#pragma once
// Runs one check shown and silent: shown, a failure puts up exactly one error
// box with the expected text; silent (any show value but 1), the verdict is the
// same and nothing is shown.
#include <gtest/gtest.h>

#include <string>

#include "checks/checks.h"
#include "port/scripted_ui.h"

namespace tk48::test {

// `message` empty: the check must pass.
template <class Run>
void ExpectCheck(Run run, const std::string& message) {
  const bool pass = message.empty();
  ScriptedUi ui;
  EXPECT_EQ(run(kShowMessage, &ui), pass);
  if (pass) {
    EXPECT_TRUE(ui.messages.empty());
  } else if (ui.messages.size() != 1) {
    ADD_FAILURE() << ui.messages.size() << " messages shown, expected one: " << message;
  } else {
    EXPECT_EQ(ui.messages[0].text, message);
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(ui.messages[0].buttons, Buttons::Ok);
  }
  for (const int show : {0, 2, -1}) {
    ScriptedUi silent;
    EXPECT_EQ(run(show, &silent), pass) << "show " << show;
    EXPECT_TRUE(silent.messages.empty()) << "show " << show;
  }
}

// A readable name for a UTF-16 test text.
inline std::string Printable(std::u16string_view s) {
  std::string out;
  for (const char16_t c : s) {
    if (c >= 0x20 && c < 0x7F) out += static_cast<char>(c);
    else out += "<" + std::to_string(static_cast<unsigned>(c)) + ">";
  }
  return out;
}

}  // namespace tk48::test
