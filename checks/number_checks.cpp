// The integer checks: whole-text parse, then the closed range.
#include "checks/c_number.h"
#include "checks/check_message.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

template <class T, class Suffix>
bool CheckParsed(const CNumber<T>& n, std::size_t size, T min, T max, int messageId, int show, UiPort* ui,
                 Suffix suffix) {
  if (!n.Whole(size)) return detail::Fail(show, ui, [&] { return detail::FieldMessage(messageId); });
  if (n.value >= min && n.value <= max) return true;
  return detail::Fail(show, ui, [&] { return detail::FieldMessage(messageId) + suffix(); });
}

}  // namespace

bool CheckInt(std::u16string_view text, std::int32_t min, std::int32_t max, int messageId, int show, UiPort* ui) {
  return CheckParsed(ParseLong(text), text.size(), min, max, messageId, show, ui,
                     [&] { return FormatText(text::kSuffixIntRange, static_cast<int>(min), static_cast<int>(max)); });
}

bool CheckUInt(std::u16string_view text, std::uint32_t min, std::uint32_t max, int messageId, int show,
               UiPort* ui) {
  return CheckParsed(ParseULong(text, 10), text.size(), min, max, messageId, show, ui, [&] {
    return FormatText(text::kSuffixUIntRange, static_cast<unsigned>(min), static_cast<unsigned>(max));
  });
}

bool CheckHex(std::u16string_view text, std::uint32_t min, std::uint32_t max, int messageId, int show,
              UiPort* ui) {
  return CheckParsed(ParseULong(text, 16), text.size(), min, max, messageId, show, ui, [&] {
    return FormatText(text::kSuffixHexRange, static_cast<unsigned>(min), static_cast<unsigned>(max));
  });
}

}  // namespace tk48
