#include "maintenance/menu_checks.h"

#include <cmath>
#include <cstdlib>

#include "checks/checks.h"
#include "maintenance/refusal.h"
#include "model/text_codec.h"
#include "port/ui_port.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48::maint {

namespace {
// Keyword indices of the record (NOUSE/USE, the mail recipients, PI TYPE and MODE).
constexpr std::int32_t kUse = 1;
constexpr std::int32_t kRecipientTo = 1;
constexpr std::int32_t kPiTypeReg = 5;
constexpr std::int32_t kPiModeSum = 0;
constexpr double kPresetLimit = 1e10;
constexpr double kCounterMax = 4294967295.0;

bool HasRecipient(const MailForm& form) {
  for (const std::int32_t dst : form.DST) {
    if (dst == kRecipientTo) return true;
  }
  return false;
}
}  // namespace

bool CheckOpemonVersion(int major, UiPort& ui) {
  return major >= 2 || Refuse(ui, text::kUnsupportedVersion, Icon::Information);
}

bool CheckSdCard(bool sdCard, SdUse use, UiPort& ui) {
  return sdCard || Refuse(ui, use == SdUse::Disk ? text::kNoDisk : text::kInsertSdCard, Icon::Information);
}

bool CheckLoggingEnabled(const SettingData& record, UiPort& ui) {
  return record.RECORD.LOGGING.MODE == kUse || Refuse(ui, text::kLoggingDisabled, Icon::None);
}

LoggingStep NextLoggingStep(bool running) {
  return running ? LoggingStep{text::kConfirmStopLogging, {0}} : LoggingStep{text::kConfirmStartLogging, {1}};
}

std::optional<std::uint8_t> TestMailPayload(const SettingData& record, int number, UiPort& ui) {
  if (number < 1 || number > kMailTemplates) return std::nullopt;
  if (number - 1 == kRegularReportIndex) {
    Refuse(ui, text::kTemplateIsReportCode, Icon::Error);
    return std::nullopt;
  }
  const MailForm& form = record.MAIL_REPORT.FORM[number - 1];
  if (form.MODE != kUse) {
    Refuse(ui, text::kEventDisabled, Icon::None);
    return std::nullopt;
  }
  if (!HasRecipient(form)) {
    Refuse(ui, text::kNoEventAddress, Icon::None);
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(number - 1);
}

std::optional<std::uint8_t> TestReportPayload(const SettingData& record, UiPort& ui) {
  const MailTime& report = record.MAIL_REPORT.TIME;
  if (report.MODE != kUse) {
    Refuse(ui, text::kRegularReportDisabled, Icon::None);
    return std::nullopt;
  }
  for (int t = 0; t < kMailTemplates; ++t) {
    const MailForm& form = record.MAIL_REPORT.FORM[t];
    if ((report.MAIL[t / 32] >> (t % 32) & 1) && form.MODE == kUse && HasRecipient(form)) return kRegularReportIndex;
  }
  Refuse(ui, text::kNoReportAddress, Icon::None);
  return std::nullopt;
}

std::vector<std::string> PresetChannelRows(const SettingData& record) {
  std::vector<std::string> rows;
  rows.reserve(kPiCount);
  for (int ch = 1; ch <= kPiCount; ++ch) {
    const PiCh& pi = record.IO.PI[ch - 1];
    rows.push_back(FormatText(text::kPresetChannelRow, ch, pi.TYPE == kTypeNone ? "" : pi.NAME));
  }
  return rows;
}

std::optional<std::string> PresetPayload(const SettingData& record, int channel, std::u16string_view value,
                                         UiPort& ui) {
  if (channel < 1 || channel > kPiCount) return std::nullopt;
  if (!CheckReal(value, text::kPresetValueError, 3, kShowMessage, -kPresetLimit, kPresetLimit, &ui))
    return std::nullopt;
  const std::string typed = Utf16ToUtf8(value);
  const double v = std::strtod(typed.c_str(), nullptr);
  const PiCh& pi = record.IO.PI[channel - 1];
  const double s = pi.SCALE;
  if ((v < 0 && s >= 0) || (v > 0 && s < 0) || v / s > kCounterMax) {
    Refuse(ui, text::kPresetOverflow, Icon::Error);
    return std::nullopt;
  }
  const bool noPreset = pi.TYPE == kTypeNone || pi.TYPE == kPiTypeReg ||
                        (pi.TYPE == kTypeCard && pi.MODE != kPiModeSum) ||
                        ((pi.TYPE == kTypeModbusTcp || pi.TYPE == kTypeSlmp) && pi.MODE_TCP != kModeTcpSum);
  if (noPreset) {
    Refuse(ui, text::kNoPresetting, Icon::Information);
    return std::nullopt;
  }
  return PresetDocument("PI", channel, typed);
}

namespace {
constexpr std::string_view kDocHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TK48_CMD>\r\n";
constexpr std::string_view kDocTail = "</TK48_CMD>\r\n";
}  // namespace

std::string PresetDocument(std::string_view family, int channel, std::string_view value) {
  const std::string f(family);
  const std::string ch = "CH" + std::to_string(channel);
  return std::string(kDocHead) + "<" + f + ">\r\n<" + ch + ">" + std::string(value) + "</" + ch + ">\r\n</" + f +
         ">\r\n" + std::string(kDocTail);
}

std::optional<PresetCommand> ParsePresetDocument(std::span<const std::uint8_t> bytes) {
  const std::string_view doc(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::string_view open = "<PI>\r\n<CH";
  if (!doc.starts_with(kDocHead) || !doc.ends_with(kDocTail)) return std::nullopt;
  const std::string_view body = doc.substr(kDocHead.size(), doc.size() - kDocHead.size() - kDocTail.size());
  if (!body.starts_with(open)) return std::nullopt;
  // "<CHn>value</CHn>": the number, then the value up to the closing tag.
  const std::size_t close = body.find('>', open.size());
  if (close == std::string_view::npos) return std::nullopt;
  const std::string digits(body.substr(open.size(), close - open.size()));
  if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  PresetCommand cmd{"PI", std::stoi(digits), {}};
  const std::string tail = "</CH" + digits + ">\r\n</PI>\r\n";
  if (cmd.channel < 1 || cmd.channel > kPiCount || !body.ends_with(tail) || close + 1 + tail.size() > body.size())
    return std::nullopt;
  cmd.value = std::string(body.substr(close + 1, body.size() - close - 1 - tail.size()));
  char* end = nullptr;
  const double v = std::strtod(cmd.value.c_str(), &end);
  if (cmd.value.empty() || *end != '\0' || !std::isfinite(v)) return std::nullopt;
  return cmd;
}

}  // namespace tk48::maint
