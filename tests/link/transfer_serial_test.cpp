// The USB side of the transfers against a scripted device on a pseudo-terminal:
// the status check, the result poll after a put, and the progress dialog's
// outcome messages. The device answers from a script; an empty answer is silence.
#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include "link/transfers.h"
#include "tests/link/serial_peer.h"
#include "tests/link/transfer_test_ui.h"

namespace tk48 {
namespace {

using namespace test;

constexpr TransferTiming kQuick{5ms, 5ms};
constexpr const char* kNoStatus = "Error: Failed to obtain status information.";
constexpr const char* kPollFailed = "Error: Failed to receive mail delivery result.";

struct Reply {
  char letter;
  Bytes payload;
};

// The device's side of the block protocol, enough for one request after
// another: requests "S", "A" and "G" are answered from per-letter queues (an
// empty queue answers nothing), puts are taken or refused at their first frame.
class ScriptedDevice {
 public:
  ScriptedDevice() : link_(kFastTiming) {
    EXPECT_TRUE(link_.Open(peer_.SlavePath()));
    thread_ = std::thread([this] { Serve(); });
  }
  ~ScriptedDevice() {
    done_ = true;
    thread_.join();
  }

  void Answer(char request, Reply reply) {
    const std::lock_guard lock(mutex_);
    replies_[request].push_back(std::move(reply));
  }
  void Answer(char request, Bytes payload) { Answer(request, {static_cast<char>(request + 32), std::move(payload)}); }
  void RefusePuts() { refusePuts_ = true; }
  int Requests(char letter) const { return counts_[static_cast<unsigned char>(letter)]; }
  Bytes PutData() const {
    const std::lock_guard lock(mutex_);
    return putData_;
  }
  SerialLink& link() { return link_; }

 private:
  void Serve() {
    while (!done_) {
      const auto frame = peer_.ReadFrame(20ms);
      if (!frame) continue;
      ++counts_[static_cast<unsigned char>(frame->letter)];
      if (frame->letter == 'P') {
        peer_.Write(refusePuts_ ? std::uint8_t{'x'} : kAck);
        const std::lock_guard lock(mutex_);
        putData_.clear();
      } else if (frame->letter == 'p') {
        {
          const std::lock_guard lock(mutex_);
          putData_.insert(putData_.end(), frame->payload.begin(), frame->payload.end());
        }
        peer_.Write(frame->terminator == kEtb ? Bytes{kAck, kEot} : Bytes{kAck});
      } else {
        peer_.Write(kAck);
        if (peer_.ReadByte() != kEnq) continue;
        std::optional<Reply> reply;
        {
          const std::lock_guard lock(mutex_);
          auto& queue = replies_[frame->letter];
          if (!queue.empty()) reply = std::move(queue.front()), queue.pop_front();
        }
        if (reply) SendReply(*reply);
      }
    }
  }

  void SendReply(const Reply& reply) {
    std::size_t offset = 0;
    std::uint8_t block = 0;
    do {
      const std::size_t chunk = std::min(kMaxPayload, reply.payload.size() - offset);
      const bool last = offset + chunk == reply.payload.size();
      peer_.Write(FrameBytes(block++, reply.letter,
                             Bytes(reply.payload.begin() + static_cast<long>(offset),
                                   reply.payload.begin() + static_cast<long>(offset + chunk)),
                             last));
      offset += chunk;
      if (peer_.ReadByte() != kAck) return;
      if (last) peer_.ReadByte();  // EOT
    } while (offset < reply.payload.size());
  }

  PtyPeer peer_;
  SerialLink link_;
  std::atomic<bool> done_{false};
  std::atomic<bool> refusePuts_{false};
  std::atomic<int> counts_[256] = {};
  mutable std::mutex mutex_;
  std::map<char, std::deque<Reply>> replies_;
  Bytes putData_;
  std::thread thread_;
};

TEST(UsbStatus, OnlyASixByteAnswerWithTheModelCodeIsADevice) {
  const struct {
    const char* name;
    std::optional<Reply> reply;
    const char* shown;  // nullptr: accepted
    Icon icon;
  } cases[] = {
      {"TK48-G", Reply{'s', {0x3E, 2, 1, 0x01, 0x2C, 3}}, nullptr, Icon::None},
      {"other model", Reply{'s', {0x3F, 2, 1, 0x01, 0x2C, 3}}, "Unsupported device", Icon::Warning},
      {"5 bytes", Reply{'s', {0x3E, 2, 1, 0x01, 0x2C}}, kNoStatus, Icon::Error},
      {"7 bytes", Reply{'s', {0x3E, 2, 1, 0x01, 0x2C, 3, 0}}, kNoStatus, Icon::Error},
      {"7 bytes of another model", Reply{'s', {0x3F, 2, 1, 0x01, 0x2C, 3, 0}}, kNoStatus, Icon::Error},
      {"special reply", Reply{'*', {}}, kNoStatus, Icon::Error},
      {"no answer", std::nullopt, kNoStatus, Icon::Error},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDevice device;
    if (c.reply) device.Answer('S', *c.reply);
    TransferUi ui;
    DeviceStatus status;
    EXPECT_EQ(CheckUsbDevice(device.link(), ui, status), c.shown == nullptr);
    if (!c.shown) {
      EXPECT_TRUE(ui.messages.empty());
      EXPECT_EQ(status.model, 0x3E);
      EXPECT_EQ(VersionText(status), "TK48-G Ver. 2.1.300");  // revision big-endian
      EXPECT_TRUE(status.sdCard() && status.logging());
      continue;
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.Last(), c.shown);
    EXPECT_EQ(ui.messages[0].icon, c.icon);
  }
}

TEST(ResultPoll, PollsUntilTheDeviceIsDoneAndShowsItsVerdict) {
  const struct {
    const char* name;
    std::vector<Reply> replies;  // one per poll
    bool outcome;
    std::vector<std::string> shown;
  } cases[] = {
      {"done", {{'a', {2, 0}}}, true, {}},
      {"still processing twice", {{'a', {2, 1}}, {'a', {2, 1, 'x', 0}}, {'a', {2, 0}}}, true, {}},
      {"another operation's result", {{'a', {3, 0}}}, false, {kPollFailed}},
      {"special reply", {{'*', {}}}, false, {kPollFailed}},
      {"no answer", {}, false, {kPollFailed}},
      {"code 100", {{'a', {2, 100}}}, false, {}},
      {"code 210", {{'a', {2, 210}}}, false, {"Error"}},
      {"code 250", {{'a', {2, 250}}}, false, {"Error.\nCODE:250"}},
      {"code 101 with text", {{'a', {2, 101, 'A', 'I', '3', 0, 'z'}}}, false,
       {"Cannot save: Unsupported setting value(s).\nAI3"}},
      {"code 101 without terminator", {{'a', {2, 101, 'A', 'I'}}}, false,
       {"Cannot save: Unsupported setting value(s).\nAI"}},
      {"code 3 after processing", {{'a', {2, 1}}, {'a', {2, 3}}}, false, {"Failed to save setting."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDevice device;
    for (const auto& r : c.replies) device.Answer('A', r);
    TransferUi ui;
    EXPECT_EQ(PollPutResult(device.link(), kConfigOperationCode, ui, 5ms), c.outcome);
    EXPECT_EQ(ui.Texts(), c.shown);
    for (const auto& m : ui.messages) EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(device.Requests('A'), std::max<int>(1, static_cast<int>(c.replies.size())));
  }
}

TEST(ResultPoll, TheEchoedOperationCodeIsASignedByte) {
  ScriptedDevice device;
  device.Answer('A', Reply{'a', {0xFE, 0}});
  TransferUi ui;
  EXPECT_TRUE(PollPutResult(device.link(), -2, ui, 5ms));
}

void Prepare(TransferJob& job, ScriptedDevice& device, TransferJob::Op op) {
  job.op = op;
  job.serial = &device.link();
  job.fileName = "CONFIG_P";
  job.resultPollCode = kConfigOperationCode;
  job.timing = kQuick;
}

TEST(UsbTransfer, GetFillsTheBufferAndTheBar) {
  ScriptedDevice device;
  Bytes file(3000);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 13);
  device.Answer('G', file);
  Bytes buffer(8192);
  TransferJob job;
  Prepare(job, device, TransferJob::Op::Get);
  job.getBuffer = buffer;
  job.length = static_cast<std::int64_t>(buffer.size());
  TransferUi ui;
  EXPECT_TRUE(RunTransfer(job, ui));
  EXPECT_TRUE(job.outcome);
  EXPECT_EQ(job.state, 2);
  ASSERT_EQ(job.received, file.size());
  EXPECT_TRUE(std::equal(file.begin(), file.end(), buffer.begin()));
  ASSERT_EQ(ui.dialogs.size(), 1u);
  EXPECT_EQ(ui.dialogs[0].kind, WaitKind::Usb);
  EXPECT_EQ(ui.dialogs[0].length, 8192);
  EXPECT_EQ(ui.dialogs[0].lastProgress, 8192);  // the bar fills
  EXPECT_TRUE(ui.messages.empty());
}

TEST(UsbTransfer, PutIsFollowedByTheResultPoll) {
  ScriptedDevice device;
  device.Answer('A', Reply{'a', {2, 1}});
  device.Answer('A', Reply{'a', {2, 0}});
  const Bytes data(2500, 0x41);
  TransferJob job;
  Prepare(job, device, TransferJob::Op::Put);
  job.putData = data;
  job.length = static_cast<std::int64_t>(data.size());
  TransferUi ui;
  EXPECT_TRUE(RunTransfer(job, ui));
  EXPECT_EQ(device.PutData(), data);
  EXPECT_EQ(device.Requests('A'), 2);
  EXPECT_EQ(ui.dialogs.at(0).lastProgress, 2500);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(UsbTransfer, FailuresShowTheDialogsMessageOnTheCallingThread) {
  {
    SCOPED_TRACE("put refused");
    ScriptedDevice device;
    device.RefusePuts();
    const Bytes data(10, 1);
    TransferJob job;
    Prepare(job, device, TransferJob::Op::Put);
    job.putData = data;
    job.length = 10;
    TransferUi ui;
    EXPECT_FALSE(RunTransfer(job, ui));
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Failed to transmit."});
    EXPECT_EQ(device.Requests('A'), 0);  // no result poll after a failed put
    EXPECT_EQ(ui.offThreadMessages, 0);
  }
  {
    SCOPED_TRACE("get unanswered");
    ScriptedDevice device;
    Bytes buffer(100);
    TransferJob job;
    Prepare(job, device, TransferJob::Op::Get);
    job.getBuffer = buffer;
    job.length = 100;
    TransferUi ui;
    EXPECT_FALSE(RunTransfer(job, ui));
    EXPECT_TRUE(job.failed);
    EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Failed to receive."});
    EXPECT_EQ(ui.messages[0].icon, Icon::Error);
    EXPECT_EQ(ui.offThreadMessages, 0);
  }
}

}  // namespace
}  // namespace tk48
