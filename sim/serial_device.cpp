#include "sim/serial_device.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <future>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "link/serial_frame.h"
#include "sim/bytes.h"
#include "sim/device_config.h"
#include "sim/paced_line.h"

namespace tk48::sim {
namespace {

using std::chrono::milliseconds;

constexpr int kReplyAttempts = 10;

constexpr std::int8_t kNoOperation = 0;

struct ReceivedFrame {
  FrameHeader header;
  std::vector<std::uint8_t> payload;
  bool last = false;
};


}  // namespace

// One serving run: the line, the put being received and the result of the last put.
struct SerialDevice::Impl {
  Impl(DeviceState& device, const SerialConfig& config, int fd, const StopSignal& stop)
      : device(device),
        faults(config.faults),
        frameWait(config.frameWait),
        answerWait(config.answerWait),
        line(fd, config.baud, stop.Fd()),
        stop(stop) {}

  DeviceState& device;
  SerialFaults faults;
  milliseconds frameWait;
  milliseconds answerWait;
  PacedLine line;
  const StopSignal& stop;

  struct PendingPut {
    std::string name;
    std::vector<std::uint8_t> data;
    std::uint8_t nextBlock = 1;
    int blocks = 0;         // taken
    bool sawBlock = false;  // any data block, taken or refused
    bool finished = false;  // handed to the device
  };
  std::optional<PendingPut> put;
  std::future<PutOutcome> lastResult;  // the check runs while the peer polls
  PutOutcome settled{kNoOperation, kResultDone, {}};
  std::int8_t pendingOperation = kNoOperation;
  int processingLeft = 0;

  struct Reply {
    char letter = 0;
    std::vector<std::uint8_t> data;
    int cut = -1;  // send only this many bytes of the reply's frames, then nothing
  };
  std::optional<Reply> reply;  // sent on ENQ
  int nakLeft = 0;
  bool deaf = false;
  bool checkSpoiled = false;
  bool complementSpoiled = false;

  void Serve() {
    nakLeft = faults.nakTimes;
    while (!line.Stopped()) {
      if (deaf) {  // a device that stopped reading: the line fills up
        while (!stop.Requested()) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return;
      }
      const auto byte = line.ReadByte(PacedLine::Forever());
      if (!byte || faults.silent) continue;
      switch (*byte) {
        case kStx:
          if (auto frame = ReadFrame()) Dispatch(*frame);
          break;
        case kEnq:
          if (reply) SendReply(*std::exchange(reply, std::nullopt));
          break;
        default:  // a stray ACK, NAK or EOT
          break;
      }
    }
  }

  bool Send(std::span<const std::uint8_t> bytes) { return line.Write(bytes); }
  bool SendByte(std::uint8_t byte) { return Send({&byte, 1}); }

  // The sender of a put reads a second byte after its last block, where only
  // EOT means "taken": a refused last block gets a second NAK.
  void Reject(bool lastOfPut) {
    static constexpr std::uint8_t kNakNak[] = {kNak, kNak};
    Send(std::span(kNakNak).first(lastOfPut ? 2 : 1));
  }

  // The frame after its STX; nullopt when it is dropped (it is NAKed when only its check was wrong).
  std::optional<ReceivedFrame> ReadFrame() {
    std::array<std::uint8_t, kMaxFrameSize> bytes{kStx};
    const auto deadline = PacedLine::After(frameWait);
    if (!line.Read(std::span(bytes).subspan(1, 5), deadline)) return std::nullopt;
    ReceivedFrame frame;
    frame.header = ParseFrameHeader(std::span(bytes).subspan<1, 5>());
    if (!frame.header.ComplementMatches() || frame.header.length > kMaxPayload) return std::nullopt;
    const std::size_t size = kFrameOverhead + frame.header.length;
    if (!line.Read(std::span(bytes).subspan(kFrameHeaderSize, size - kFrameHeaderSize), deadline))
      return std::nullopt;
    const auto terminator = bytes[size - 3];
    if ((terminator != kEtx && terminator != kEtb) || !FrameCheckMatches({bytes.data(), size})) {
      Reject(frame.header.letter == 'p' && terminator == kEtb);
      return std::nullopt;
    }
    frame.payload.assign(bytes.begin() + kFrameHeaderSize, bytes.begin() + kFrameHeaderSize + frame.header.length);
    frame.last = terminator == kEtb;
    return frame;
  }

  void Dispatch(const ReceivedFrame& frame) {
    if (frame.header.letter == 'p') return DataBlock(frame);
    // Any request ends a put that never sent a data block: that was an empty file.
    if (put && !put->sawBlock && !put->finished) FinishPut();
    put.reset();
    reply.reset();
    switch (frame.header.letter) {
      case 'P':
        put = PendingPut{std::string(AsText(frame.payload)), {}, 1, 0, false, false};
        SendByte(kAck);
        return;
      case 'S':
        return Answer('s', StatusReply());
      case 'A':
        return Answer('a', PollReply());
      case 'G': {
        const auto name = AsText(frame.payload);
        if (name == faults.refuseGet) return Answer('*', {});
        if (auto file = ServeDeviceFile(device, name)) {
          Answer('g', std::move(*file));
          if (!faults.cutGetName.empty() && name == faults.cutGetName) reply->cut = faults.cutGetBytes;
          return;
        }
        return Answer('*', {});  // no such file: the special reply, an empty answer
      }
      default:
        SendByte(kNak);
        return;
    }
  }

  void Answer(char letter, std::vector<std::uint8_t> data) {
    reply = Reply{letter, std::move(data)};
    SendByte(kAck);
  }

  void DataBlock(const ReceivedFrame& frame) {
    if (!put) return Reject(frame.last);
    put->sawBlock = true;
    const std::uint8_t block = frame.header.block;
    // A block repeated because its answer went astray is answered again and kept once.
    const bool repeat = put->blocks > 0 && block == static_cast<std::uint8_t>(put->nextBlock - 1);
    if (!repeat) {
      if (put->finished || block != put->nextBlock) return Reject(frame.last);
      if (put->blocks + 1 == faults.nakBlock && nakLeft > 0) {
        --nakLeft;
        return Reject(frame.last);
      }
      put->data.insert(put->data.end(), frame.payload.begin(), frame.payload.end());
      ++put->blocks;
      ++put->nextBlock;
      if (put->blocks == faults.stopReadingAfter) deaf = true;
    }
    if (!frame.last) return void(SendByte(kAck));
    static constexpr std::uint8_t kAckEot[] = {kAck, kEot};
    Send(kAckEot);
    if (!put->finished) FinishPut();
  }

  // Hands the received file to the device; its check runs while the peer polls.
  void FinishPut() {
    put->finished = true;
    pendingOperation = OperationCode(put->name);
    processingLeft = faults.processingPolls;
    const auto forced = faults.putResult;
    const auto message = faults.putMessage;
    lastResult = std::async(std::launch::async, [this, name = put->name, data = std::move(put->data), forced, message] {
      if (forced < 0) return PutDeviceFile(device, name, data);
      PutOutcome outcome{OperationCode(name), static_cast<std::uint8_t>(forced), message};
      if (forced == kResultDone) PutDeviceFile(device, name, data);
      return outcome;
    });
  }

  std::vector<std::uint8_t> StatusReply() const {
    auto status = device.StatusBytes();
    status.resize(static_cast<std::size_t>(std::max(0, faults.statusLength)), 0);
    return status;
  }

  // The result poll: operation code, result, and the message with its NUL.
  std::vector<std::uint8_t> PollReply() {
    if (lastResult.valid()) {
      if (processingLeft != 0 || lastResult.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        if (processingLeft > 0) --processingLeft;
        return Cut({static_cast<std::uint8_t>(pendingOperation), kResultProcessing});
      }
      settled = lastResult.get();
    }
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(settled.operation), settled.result};
    if (!settled.message.empty()) {
      out.insert(out.end(), settled.message.begin(), settled.message.end());
      out.push_back(0);
    }
    return Cut(std::move(out));
  }

  std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> reply) const {
    if (faults.pollLength >= 0 && reply.size() > static_cast<std::size_t>(faults.pollLength))
      reply.resize(static_cast<std::size_t>(faults.pollLength));
    return reply;
  }

  // Sends the reply blocks, each until the peer ACKs it.
  void SendReply(const Reply& r) {
    const std::size_t blocks = std::max<std::size_t>(1, (r.data.size() + kMaxPayload - 1) / kMaxPayload);
    if (r.cut >= 0) return SendCut(r, blocks);
    for (std::size_t i = 0; i < blocks; ++i) {
      const auto chunk =
          std::span(r.data).subspan(i * kMaxPayload, std::min(kMaxPayload, r.data.size() - i * kMaxPayload));
      if (!SendBlock(static_cast<std::uint8_t>(i), r.letter, chunk, i + 1 == blocks, static_cast<int>(i))) return;
    }
  }

  // The cut reply fault: the first bytes of the reply's frames, then silence.
  void SendCut(const Reply& r, std::size_t blocks) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < blocks && bytes.size() < static_cast<std::size_t>(r.cut); ++i) {
      const auto chunk =
          std::span(r.data).subspan(i * kMaxPayload, std::min(kMaxPayload, r.data.size() - i * kMaxPayload));
      const Frame frame = MakeFrame(static_cast<std::uint8_t>(i), r.letter, chunk, i + 1 == blocks);
      const auto view = frame.View();
      bytes.insert(bytes.end(), view.begin(), view.end());
    }
    bytes.resize(std::min(bytes.size(), static_cast<std::size_t>(r.cut)));
    Send(bytes);
  }

  bool SendBlock(std::uint8_t block, char letter, std::span<const std::uint8_t> chunk, bool last, int index) {
    for (int attempt = 0; attempt < kReplyAttempts; ++attempt) {
      Frame frame = MakeFrame(block, letter, chunk, last);
      if (index == faults.corruptCheckBlock && !checkSpoiled) {
        checkSpoiled = true;
        frame.bytes[frame.size - 1] ^= 0xFF;
      }
      if (index == faults.corruptComplementBlock && !complementSpoiled) {
        complementSpoiled = true;
        frame.bytes[2] ^= 0x01;
      }
      if (!Send(frame.View())) return false;
      // ACK: done; NAK or silence (the peer drained a damaged block): send again;
      // a new frame: the peer gave up on this reply.
      const auto deadline = PacedLine::After(answerWait);
      for (;;) {
        const auto answer = line.PeekByte(deadline);
        if (!answer || *answer == kNak) {
          if (answer) line.ReadByte(deadline);
          break;
        }
        if (*answer == kStx) return false;
        line.ReadByte(deadline);
        if (*answer == kAck) return true;
      }
      if (line.Stopped()) return false;
    }
    return false;
  }
};

SerialDevice::SerialDevice(DeviceState& device, SerialConfig config) : device_(device), config_(std::move(config)) {}

SerialDevice::~SerialDevice() {
  if (master_ >= 0) {
    close(master_);
    std::error_code ec;
    std::filesystem::remove(config_.link, ec);
  }
}

bool SerialDevice::Start(std::string* error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    if (error) *error = std::string("cannot create a pty: ") + std::strerror(errno);
    return false;
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  const char* slave = ptsname(master_);
  std::error_code ec;
  if (std::filesystem::is_symlink(config_.link, ec)) std::filesystem::remove(config_.link, ec);
  std::filesystem::create_symlink(slave, config_.link, ec);
  if (ec) {
    if (error) *error = "cannot link " + config_.link + " to " + slave + ": " + ec.message();
    close(master_);
    master_ = -1;
    return false;
  }
  return true;
}

void SerialDevice::Run(const StopSignal& stop) {
  Impl impl(device_, config_, master_, stop);
  impl.Serve();
  if (impl.lastResult.valid()) impl.lastResult.wait();
}

}  // namespace tk48::sim
