#include "link/serial_link.h"

#include <algorithm>
#include <thread>

namespace tk48 {

bool SerialLink::Open(const std::string& devicePath) { return port_.Open(devicePath); }

bool SerialLink::WriteByte(std::uint8_t byte) { return port_.Write({&byte, 1}); }

std::optional<std::uint8_t> SerialLink::ReadByte() {
  std::uint8_t byte = 0;
  if (!port_.ReadExact({&byte, 1}, timing_.byteWait)) return std::nullopt;
  return byte;
}

void SerialLink::Pause() const { std::this_thread::sleep_for(timing_.retryPause); }

// Waits until the input stops growing, then throws it away.
void SerialLink::Drain() {
  for (auto before = port_.Queued();;) {
    std::this_thread::sleep_for(timing_.drainSample);
    const auto after = port_.Queued();
    if (after == before) break;
    before = after;
  }
  port_.ClearInput();
}

// The opening frame of a put or the request of a get: ACK goes on, NAK or
// silence tries again, anything else fails.
bool SerialLink::SendRequest(const Frame& frame) {
  for (int attempt = 0; attempt < timing_.attempts; ++attempt) {
    if (!port_.Write(frame.View())) return false;
    const auto answer = ReadByte();
    if (!answer) {
      Pause();
      continue;
    }
    if (*answer == kAck) return true;
    if (*answer != kNak) return false;
  }
  return false;
}

// One attempt at a data block. The last block is taken with ACK or NAK
// followed by EOT (the device may NAK a last block it has in fact stored).
SerialLink::Outcome SerialLink::SendDataBlock(const Frame& frame, bool last) {
  if (!port_.Write(frame.View())) return Outcome::Fail;
  const auto answer = ReadByte();
  if (!answer) {
    Pause();
    return Outcome::Retry;
  }
  if (*answer != kAck && *answer != kNak) return Outcome::Fail;
  if (!last) return *answer == kAck ? Outcome::Accepted : Outcome::Retry;
  const auto end = ReadByte();
  if (!end) return Outcome::Fail;
  return *end == kEot ? Outcome::Accepted : Outcome::Retry;
}

bool SerialLink::Put(std::string_view fileName, std::span<const std::uint8_t> data) {
  port_.Purge();
  progress = 0;
  if (fileName.size() > kMaxPayload) return false;
  const std::span name(reinterpret_cast<const std::uint8_t*>(fileName.data()), fileName.size());
  if (!SendRequest(MakeFrame(0, 'P', name, false))) return false;

  std::uint8_t block = 1;
  for (std::size_t offset = 0; offset < data.size();) {
    const auto chunk = data.subspan(offset, std::min(kMaxPayload, data.size() - offset));
    const bool last = offset + chunk.size() == data.size();
    const Frame frame = MakeFrame(block, 'p', chunk, last);
    Outcome outcome = Outcome::Retry;
    for (int attempt = 0; attempt < timing_.attempts && outcome == Outcome::Retry; ++attempt)
      outcome = SendDataBlock(frame, last);
    if (outcome != Outcome::Accepted) return false;
    offset += chunk.size();
    progress += static_cast<std::int32_t>(chunk.size());
    ++block;  // wraps from 255 to 0
  }
  return true;
}

// One attempt at a reply block. Without an STX there is no point in trying
// again; a damaged header is drained (the rest of the block is still coming),
// a bad check is answered with NAK.
SerialLink::Outcome SerialLink::ReceiveBlock(std::uint8_t expected, char reply, Frame& frame,
                                             FrameHeader& header) {
  if (!port_.SkipTo(kStx, timing_.stxWait)) return Outcome::Fail;
  auto& bytes = frame.bytes;
  bytes[0] = kStx;
  if (!port_.ReadExact(std::span(bytes).subspan(1, 5), timing_.byteWait)) {
    Drain();
    return Outcome::Retry;
  }
  header = ParseFrameHeader(std::span(bytes).subspan<1, 5>());
  const bool special = header.letter == '*';
  if (!header.ComplementMatches() || (!special && header.block != expected) || header.length > kMaxPayload) {
    Drain();
    return Outcome::Retry;
  }
  if (!special && header.letter != reply) return Outcome::Fail;
  if (header.length > 0 && !port_.ReadExact(std::span(bytes).subspan(kFrameHeaderSize, header.length), timing_.byteWait))
    return Outcome::Retry;
  frame.size = kFrameOverhead + header.length;
  if (!port_.ReadExact(std::span(bytes).subspan(frame.size - kFrameTrailerSize, kFrameTrailerSize), timing_.byteWait))
    return Outcome::Retry;
  const auto terminator = bytes[frame.size - kFrameTrailerSize];
  if (terminator != kEtx && terminator != kEtb) return Outcome::Retry;
  if (!FrameCheckMatches(frame.View())) return WriteByte(kNak) ? Outcome::Retry : Outcome::Fail;
  return Outcome::Accepted;
}

bool SerialLink::Get(char request, std::span<const std::uint8_t> requestPayload, char reply,
                     std::span<std::uint8_t> buffer, std::size_t& received) {
  port_.Purge();
  received = 0;
  progress = 0;
  if (requestPayload.size() > kMaxPayload) return false;
  if (!SendRequest(MakeFrame(0, request, requestPayload, true))) return false;
  if (!WriteByte(kEnq)) return false;

  Frame frame;
  bool overflow = false;
  for (std::uint8_t expected = 0;; ++expected) {  // the block number wraps from 255 to 0
    FrameHeader header;
    Outcome outcome = Outcome::Retry;
    for (int attempt = 0; attempt < timing_.attempts && outcome == Outcome::Retry; ++attempt)
      outcome = ReceiveBlock(expected, reply, frame, header);
    if (outcome != Outcome::Accepted) return false;

    const auto payload = std::span(frame.bytes).subspan(kFrameHeaderSize, header.length);
    overflow = overflow || received + payload.size() > buffer.size();
    if (!overflow) {
      std::copy(payload.begin(), payload.end(), buffer.begin() + static_cast<std::ptrdiff_t>(received));
      received += payload.size();
      progress = static_cast<std::int32_t>(received);
    }
    if (!WriteByte(kAck)) return false;
    if (frame.bytes[frame.size - kFrameTrailerSize] == kEtb) {
      if (!WriteByte(kEot)) return false;
      if (header.letter == '*') received = 0;
      return !overflow;
    }
  }
}

}  // namespace tk48
