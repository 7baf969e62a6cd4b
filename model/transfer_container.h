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

// The zlib level of an uploaded "CONFIG_P". The USB line moves 3840 bytes a
// second, so level 9's smaller stream (a sixth fewer bytes for the defaults)
// is worth its few milliseconds more CPU; every level writes the same format,
// which any inflater reads. Level 6, zlib's default and the stream the device
// was always sent, stays one setting away.
inline constexpr int kDefaultUploadLevel = 9;
// `level` when zlib takes it (1 to 9); nullopt for anything else.
std::optional<int> UploadLevel(int level);
// The same for a level given as text ("6"); nullopt for anything but 1 to 9.
std::optional<int> UploadLevel(std::string_view text);

// Refuses a text whose length plus the 16-byte margin exceeds the text buffer
// ("Setting data size is over capacity."), then compresses it at `level`
// ("Failed to compress setting data." on failure). nullopt after the message.
std::optional<std::vector<std::uint8_t>> PackForUpload(std::string_view text, UiPort& ui,
                                                       int level = kDefaultUploadLevel);

// The full upload packing of a record (writer, size rule, compression).
std::optional<std::vector<std::uint8_t>> PackConfiguration(const SettingData& record, UiPort& ui,
                                                           int level = kDefaultUploadLevel);
// The access-settings document, packed the same way.
std::optional<std::vector<std::uint8_t>> PackAccessSettings(const SettingData& record, UiPort& ui,
                                                            int level = kDefaultUploadLevel);

struct ReadResult;

// Decompresses a received "CONFIG_P" ("Failed to decompress setting data." on
// failure) and reads it into a record set to the defaults. `record` changes only
// when the whole read succeeds and `accept` (when given) takes what was read.
bool UnpackDownload(std::span<const std::uint8_t> data, SettingData& record, UiPort& ui, bool tagMessage,
                    const std::function<bool(const ReadResult&)>& accept = {});

}  // namespace tk48
