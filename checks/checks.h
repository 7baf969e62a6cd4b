#pragma once
// The input checks. Every value typed into an editor is held as text (UTF-16
// units, exactly as the edit field holds it) and tested by one of these before
// it is stored; the CSV import runs the same checks silently.
//
// Each check returns true when the text passes. On failure, when `show` is 1
// and a UI is given, it shows one error box: the field's message followed by
// the rule that was broken (string-table entries 5000 to 5008). Any other value
// of `show` keeps it silent; the verdict is the same either way.
#include <cstdint>
#include <string_view>

namespace tk48 {

class UiPort;

// The only value of the show argument that shows a message.
inline constexpr int kShowMessage = 1;

// A modal error box with a single OK button.
void ShowError(UiPort& ui, std::string_view text);

// Free text: N characters when it holds anything but plain ASCII, 2 x N when it
// is plain ASCII (CR LF counts as two ASCII units; TAB, a lone CR or LF do not).
bool CheckText(std::u16string_view text, int maxChars, int messageId, int show, UiPort* ui = nullptr);

// Printable ASCII without the backslash, at most `maxChars` units. The extra
// part ("(ID%d)" with the row number) follows the field message when
// `extraId` is not 0.
bool CheckAsciiText(std::u16string_view text, int maxChars, int messageId, int extraId, int extraArg,
                    int show, UiPort* ui = nullptr);

// Any characters, at most `maxChars` units.
bool CheckLength(std::u16string_view text, int maxChars, int messageId, int show, UiPort* ui = nullptr);

// 32-bit integers in a closed range, parsed as the C library's string-to-long
// conversions do (leading white space, a sign; hexadecimal also takes "0x").
// A malformed text fails with the field message alone.
bool CheckInt(std::u16string_view text, std::int32_t min, std::int32_t max, int messageId, int show,
              UiPort* ui = nullptr);
bool CheckUInt(std::u16string_view text, std::uint32_t min, std::uint32_t max, int messageId, int show,
               UiPort* ui = nullptr);
bool CheckHex(std::u16string_view text, std::uint32_t min, std::uint32_t max, int messageId, int show,
              UiPort* ui = nullptr);

// The form of a real number with at most `places` significant decimals (further
// decimals must be 0). No message of its own.
bool CheckDecimalFormat(std::u16string_view text, int places);

// A real number in [min, max]; the range message carries the bounds only with 3
// places. The non-zero form also refuses 0 (bounds with 3 or 4 places).
bool CheckReal(std::u16string_view text, int messageId, int places, int show, double min, double max,
               UiPort* ui = nullptr);
bool CheckRealNonZero(std::u16string_view text, int messageId, int places, int show, double min, double max,
                      UiPort* ui = nullptr);

}  // namespace tk48
