// The text checks: free text with the double limit, restricted ASCII, length.
#include <algorithm>

#include "checks/check_message.h"
#include "model/text_codec.h"
#include "resources/text_ids.h"

namespace tk48 {

void ShowError(UiPort& ui, std::string_view text) { ui.Message(text, Icon::Error, Buttons::Ok); }

namespace {
// A control character a configuration file cannot carry never reaches the record.
bool RefusesControl(std::u16string_view text, int messageId, int show, UiPort* ui) {
  if (std::ranges::none_of(text, [](char16_t c) { return IsXmlForbiddenControl(c); })) return false;
  detail::Fail(show, ui, [&] {
    return detail::FieldMessage(messageId) + std::string(LoadText(text::kSuffixControlCharacter));
  });
  return true;
}
}  // namespace

bool CheckText(std::u16string_view text, int maxChars, int messageId, int show, UiPort* ui) {
  if (text.empty()) return true;
  if (RefusesControl(text, messageId, show, ui)) return false;
  bool wide = false;
  for (std::size_t i = 0; i < text.size() && !wide; ++i) {
    const char16_t c = text[i];
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      ++i;  // CR LF: two alphanumerical units
    } else {
      wide = c < 0x20 || c > 0x7E;
    }
  }
  const std::size_t limit = wide ? static_cast<std::size_t>(maxChars) : 2 * static_cast<std::size_t>(maxChars);
  if (text.size() <= limit) return true;
  return detail::Fail(show, ui, [&] {
    return detail::FieldMessage(messageId) + FormatText(text::kSuffixFreeTextLength, maxChars, 2 * maxChars);
  });
}

bool CheckAsciiText(std::u16string_view text, int maxChars, int messageId, int extraId, int extraArg, int show,
                    UiPort* ui) {
  auto head = [&] {
    return detail::FieldMessage(messageId) + (extraId != 0 ? FormatText(extraId, extraArg) : std::string());
  };
  // Position by position: a bad unit before the limit is reported as such even
  // when the text is also too long.
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x20 || c > 0x7E || c == u'\\') return detail::Fail(show, ui, head);
    if (i >= static_cast<std::size_t>(maxChars))
      return detail::Fail(show, ui, [&] { return head() + FormatText(text::kSuffixAsciiTextLength, maxChars); });
  }
  return true;
}

bool CheckLength(std::u16string_view text, int maxChars, int messageId, int show, UiPort* ui) {
  if (RefusesControl(text, messageId, show, ui)) return false;
  if (text.size() <= static_cast<std::size_t>(maxChars)) return true;
  return detail::Fail(show, ui, [&] {
    return detail::FieldMessage(messageId) + FormatText(text::kSuffixLength, maxChars);
  });
}

}  // namespace tk48
