#include "link/device_result.h"

#include <algorithm>
#include <iterator>

#include "link/transfers.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

// Result code -> string-table entry. The entry numbered 210 is a slave-editor
// text, so the codes cannot be looked up by number.
struct ResultRow {
  std::int32_t code;
  int textId;
};
constexpr ResultRow kResultTexts[] = {
    {1, text::kDeviceProcessing},
    {3, text::kFailedToSaveSetting},
    {101, text::kUnsupportedSettingValues},  // takes the device's message
    {102, text::kSettingDataCorrupted},
    {103, text::kLoggingSettingLocked},
    {210, text::kDeviceError},
};

}  // namespace

std::optional<std::string> DeviceResultText(std::int32_t code, std::string_view message) {
  if (code == kResultAccepted) return std::nullopt;
  const auto* row = std::find_if(std::begin(kResultTexts), std::end(kResultTexts),
                                 [code](const ResultRow& r) { return r.code == code; });
  if (row == std::end(kResultTexts)) return FormatText(text::kDeviceErrorCode, code);
  if (row->textId == text::kUnsupportedSettingValues) {
    const std::string detail(message);
    return FormatText(row->textId, detail.c_str());
  }
  return std::string(LoadText(row->textId));
}

void ShowDeviceResult(std::int32_t code, std::string_view message, UiPort& ui) {
  if (const auto text = DeviceResultText(code, message)) ui.Message(*text, Icon::Error);
}

}  // namespace tk48
