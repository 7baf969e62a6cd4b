// The real-number checks: the decimal form, the whole-text parse, the range.
#include "checks/c_number.h"
#include "checks/check_message.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// The suffix of a range failure by decimal places (0: the field message stands alone).
int RangeSuffix(bool nonZero, int places) {
  if (places == 3) return nonZero ? text::kSuffixRealRangeNonZero : text::kSuffixRealRange;
  if (places == 4 && nonZero) return text::kSuffixReal4RangeNonZero;
  return 0;
}

bool CheckRealRange(std::u16string_view text, int messageId, int places, int show, double min, double max,
                    UiPort* ui, bool nonZero) {
  auto alone = [&] { return detail::FieldMessage(messageId); };
  if (!CheckDecimalFormat(text, places)) return detail::Fail(show, ui, alone);
  const CNumber<double> n = ParseDouble(text);
  if (!n.Whole(text.size())) return detail::Fail(show, ui, alone);
  if (n.value >= min && n.value <= max && !(nonZero && n.value == 0.0)) return true;
  return detail::Fail(show, ui, [&] {
    const int suffix = RangeSuffix(nonZero, places);
    return suffix ? alone() + FormatText(suffix, min, max) : alone();
  });
}

}  // namespace

bool CheckDecimalFormat(std::u16string_view text, int places) {
  if (text.empty()) return false;
  bool point = false;
  int decimals = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'+' || c == u'-') {
      if (i != 0) return false;
    } else if (c == u'.') {
      if (point) return false;
      point = true;
    } else if (c >= u'0' && c <= u'9') {
      // Decimals past the allowed places may only be zeros.
      if (point && ++decimals > places && c != u'0') return false;
    } else {
      return false;
    }
  }
  return true;
}

bool CheckReal(std::u16string_view text, int messageId, int places, int show, double min, double max, UiPort* ui) {
  return CheckRealRange(text, messageId, places, show, min, max, ui, false);
}

bool CheckRealNonZero(std::u16string_view text, int messageId, int places, int show, double min, double max,
                      UiPort* ui) {
  return CheckRealRange(text, messageId, places, show, min, max, ui, true);
}

}  // namespace tk48
