#pragma once
// The steps around the writer and the reader that turn a record into the
// device file "CONFIG_P" (zlib-compressed configuration text) and back.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/setting_data.h"

namespace tk48 {

class UiPort;

// Refuses a text whose length plus the 16-byte margin exceeds the text buffer
// ("Setting data size is over capacity."), then compresses it ("Failed to
// compress setting data." on failure). nullopt after the message.
std::optional<std::vector<std::uint8_t>> PackForUpload(std::string_view text, UiPort& ui);

// The full upload packing of a record (writer, size rule, compression).
std::optional<std::vector<std::uint8_t>> PackConfiguration(const SettingData& record, UiPort& ui);
// The access-settings document, packed the same way.
std::optional<std::vector<std::uint8_t>> PackAccessSettings(const SettingData& record, UiPort& ui);

struct ReadResult;

// Decompresses a received "CONFIG_P" ("Failed to decompress setting data." on
// failure) and reads it into a record set to the defaults. `record` changes only
// when the whole read succeeds and `accept` (when given) takes what was read.
bool UnpackDownload(std::span<const std::uint8_t> data, SettingData& record, UiPort& ui, bool tagMessage,
                    const std::function<bool(const ReadResult&)>& accept = {});

}  // namespace tk48
