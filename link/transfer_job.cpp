// The "Please wait" transfer: a worker thread runs one get or put, and after
// a USB put the result poll, while the dialog shows the transport's progress;
// then the outcome.
#include <array>
#include <cstring>
#include <thread>

#include "link/device_result.h"
#include "link/transfers.h"
#include "resources/strings.h"
#include "resources/text_ids.h"

namespace tk48 {
namespace {

constexpr std::size_t kResultPollCapacity = 1024;
constexpr std::uint8_t kPollDone = 0;
constexpr std::uint8_t kPollProcessing = 1;

std::span<const std::uint8_t> NameBytes(const std::string& name) {
  return {reinterpret_cast<const std::uint8_t*>(name.data()), name.size()};
}

void WorkSerial(TransferJob& job, SerialLink& link) {
  if (job.op == TransferJob::Op::Put) {
    job.failed = !link.Put(job.fileName, job.putData);
    // The dialog stays open, its bar full, until the device has said how the put ended.
    if (job.failed) return;
    job.polling = true;
    job.poll = PollResult(link, job.resultPollCode, job.timing.pollPause, job.timing.pollLimit);
    return;
  }
  std::size_t received = 0;
  job.failed = !link.Get('G', NameBytes(job.fileName), 'g', job.getBuffer, received);
  job.received = received;
  if (!job.failed) link.progress = static_cast<std::int32_t>(job.length);  // the bar fills
}

// Records what the dialog shows afterwards; nothing here may reach the UI.
void WorkNet(TransferJob& job, NetSession& session) {
  if (job.op == TransferJob::Op::Put) {
    std::int32_t code = job.deviceResult;
    const bool put = session.Put(job.fileName, job.putData, code, std::span<char>(job.message));
    // The code is the first byte of the refusal, unsigned as in the result poll.
    job.deviceResult = static_cast<std::uint8_t>(code);
    job.failed = !put && job.deviceResult != kResultAccepted;
  } else {
    std::size_t length = 0;
    job.failed = !session.Get(job.fileName, job.getBuffer, length);
    if (!job.failed) {
      session.progress = static_cast<std::int32_t>(job.length);
      job.length = static_cast<std::int64_t>(length);
      job.received = length;
    } else {
      job.deviceResult = job.getBuffer.empty() ? 0 : job.getBuffer[0];
    }
  }
  if (job.failed) job.sessionError = session.error();
}

void Work(TransferJob& job) {
  job.state = 1;
  if (job.serial)
    WorkSerial(job, *job.serial);
  else
    WorkNet(job, *job.net);
  std::this_thread::sleep_for(job.timing.workerPause);
  job.state = 2;  // the last act: the dialog reads the other fields after this
}

std::int64_t Progress(const TransferJob& job) {
  if (job.polling) return job.length;  // the poll's own gets move no file bytes
  return job.serial ? job.serial->progress.load() : job.net->progress.load();
}

bool Fail(UiPort& ui, int textId) {
  ui.Message(LoadText(textId), Icon::Error);
  return false;
}

bool SerialOutcome(TransferJob& job, UiPort& ui) {
  if (job.op == TransferJob::Op::Put) {
    if (job.failed) return Fail(ui, text::kFailedToTransmit);
    return ShowPollVerdict(job.poll, ui);
  }
  return !job.failed || Fail(ui, text::kFailedToReceive);
}

bool NetOutcome(TransferJob& job, UiPort& ui) {
  if (!job.failed) return true;
  const bool put = job.op == TransferJob::Op::Put;
  // The worker's message first, as the user would have seen it while the dialog closed.
  const auto session = SessionErrorFor(job.sessionError, LoadText(put ? text::kErrorPut : text::kErrorGet));
  ui.Message(session.text, session.icon);
  if (put)
    ShowDeviceResult(job.deviceResult, {job.message, strnlen(job.message, sizeof job.message)}, ui);
  else
    ui.Message(FormatText(text::kDeviceErrorCode, job.deviceResult), Icon::Error);
  return false;
}

}  // namespace

bool RunTransfer(TransferJob& job, UiPort& ui) {
  const WaitKind kind = job.serial ? WaitKind::Usb : WaitKind::Network;
  ui.RunWithProgress(kind, job.length, [&job] { Work(job); }, [&job] { return Progress(job); });
  job.outcome = job.serial ? SerialOutcome(job, ui) : NetOutcome(job, ui);
  return job.outcome;
}

PollVerdict PollResult(SerialLink& link, std::int32_t operationCode, std::chrono::milliseconds pollPause,
                       std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    std::array<std::uint8_t, kResultPollCapacity> reply{};
    std::size_t received = 0;
    // The operation code and the result are the least a reply carries.
    if (!link.Get('A', {}, 'a', reply, received) || received < 2 ||
        static_cast<std::int8_t>(reply[0]) != operationCode)
      return {};
    const std::uint8_t result = reply[1];
    if (result == kPollDone) return {PollVerdict::End::Done, 0, {}};
    if (result != kPollProcessing) {
      const auto* text = reinterpret_cast<const char*>(reply.data() + 2);
      return {PollVerdict::End::Refused, result, std::string(text, strnlen(text, received - 2))};
    }
    if (std::chrono::steady_clock::now() + pollPause > deadline) return {PollVerdict::End::OutOfTime, 0, {}};
    std::this_thread::sleep_for(pollPause);
  }
}

bool ShowPollVerdict(const PollVerdict& verdict, UiPort& ui) {
  switch (verdict.end) {
    case PollVerdict::End::Done:
      return true;
    case PollVerdict::End::Refused:
      ShowDeviceResult(verdict.result, verdict.message, ui);
      return false;
    case PollVerdict::End::OutOfTime:
      return Fail(ui, text::kResultPollOutOfTime);
    case PollVerdict::End::Failed:
      break;
  }
  return Fail(ui, text::kResultPollFailed);
}

bool PollPutResult(SerialLink& link, std::int32_t operationCode, UiPort& ui, std::chrono::milliseconds pollPause,
                   std::chrono::milliseconds limit) {
  return ShowPollVerdict(PollResult(link, operationCode, pollPause, limit), ui);
}

}  // namespace tk48
