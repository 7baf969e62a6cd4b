// A 6.5 MB get and put through NetSession over loopback against an
// in-process device, with and without the 10 ms pause after each received
// chunk. Counters: throughput, and the share of the client's time that its
// CBC encryption or decryption of the same bytes takes.
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "link/net_frame.h"
#include "link/net_session.h"
#include "link/session_crypto.h"

namespace tk48 {
namespace {

constexpr std::size_t kFileSize = 6815744;  // the largest configuration text
constexpr char kPassword[] = "bench";
const CipherBlock kChallenge = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 6};

std::vector<std::uint8_t> File() {
  std::vector<std::uint8_t> file(kFileSize);
  for (std::size_t i = 0; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7 + (i >> 10));
  return file;
}

// The device: one connection after another, each a status, a login and gets
// or puts. The get reply is encrypted once up front (fixed challenge and
// password give the same key and vector every time); a put is read whole
// but only its header decrypted.
class BenchDevice {
 public:
  BenchDevice() {
    listener_.Reset(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(listener_.fd(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_.fd(), 4);
    ::getsockname(listener_.fd(), reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);

    cipher_.SetKey(*DeriveSessionKey(kPassword));
    CipherBlock chain{};
    vector_ = *DeriveSessionVector(cipher_, chain, kChallenge);
    getReply_ = Encrypted(BuildNetMessage('o', File(), {}, 0));
    okReply_ = Encrypted(BuildNetMessage('o', {}, {}, 0));
    const std::uint8_t status[] = {0x3E, 0, 2, 0, 0, 0, 0, 0, 0};
    statusReply_ = BuildNetMessage('o', status, kChallenge, 0);
    thread_ = std::thread([this] { Run(); });
  }
  ~BenchDevice() {
    stop_ = true;
    ::shutdown(listener_.fd(), SHUT_RDWR);
    thread_.join();
  }
  std::uint16_t port() const { return port_; }

 private:
  std::vector<std::uint8_t> Encrypted(std::vector<std::uint8_t> frame) const {
    CipherBlock chain = vector_;
    CbcEncrypt(cipher_, chain, frame);
    return frame;
  }

  void Run() {
    while (!stop_) {
      pollfd p{listener_.fd(), POLLIN, 0};
      if (::poll(&p, 1, 200) <= 0) continue;
      Socket c(::accept4(listener_.fd(), nullptr, nullptr, SOCK_CLOEXEC));
      if (c.valid()) Serve(c);
    }
  }

  void Serve(const Socket& c) {
    std::array<std::uint8_t, kMessageHeaderSize> header;
    std::vector<std::uint8_t> area;
    while (ReceiveAll(c, header)) {
      if (header[2] == 'C') {
        SendAll(c, statusReply_);
        continue;
      }
      CipherBlock chain = vector_;
      CbcDecrypt(cipher_, chain, header);
      const MessageHeader h = DecodeMessageHeader(header);
      area.resize(PayloadAreaSize(h.length1, h.length2));
      if (!ReceiveAll(c, area)) return;
      SendAll(c, h.letter == 'G' ? getReply_ : okReply_);
    }
  }

  Socket listener_;
  std::uint16_t port_ = 0;
  Camellia256 cipher_;
  CipherBlock vector_{};
  std::vector<std::uint8_t> getReply_, okReply_, statusReply_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

BenchDevice& Device() {
  static BenchDevice device;
  return device;
}

// Seconds the client's own CBC work on one transfer of the file takes.
double CryptoSeconds(bool encrypt) {
  const auto key = *DeriveSessionKey(kPassword);
  Camellia256 cipher;
  cipher.SetKey(key);
  std::vector<std::uint8_t> data(NetMessageSize(8, kFileSize));
  constexpr int kRounds = 3;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) {
    CipherBlock chain{};
    if (encrypt)
      CbcEncrypt(cipher, chain, data);
    else
      CbcDecrypt(cipher, chain, data);
  }
  benchmark::DoNotOptimize(data.data());
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRounds;
}

void Report(benchmark::State& state, double seconds, double cryptoSeconds) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
  state.counters["crypto_ms"] = cryptoSeconds * 1e3;
  state.counters["crypto_share"] = seconds > 0 ? cryptoSeconds * state.iterations() / seconds : 0;
}

NetSessionOptions Options(const benchmark::State& state) {
  return {std::chrono::milliseconds(state.range(0)), std::chrono::milliseconds(0)};
}

void BM_NetGet(benchmark::State& state) {
  BenchDevice& device = Device();
  LoginState login{"bench", kPassword, false};
  std::vector<std::uint8_t> buffer(kFileSize);
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    NetSession session(login, Options(state));
    std::size_t length = 0;
    if (!session.Open("127.0.0.1", device.port()) || !session.Status() || !session.Login() ||
        !session.Get("CONFIG_P", buffer, length) || length != kFileSize) {
      state.SkipWithError("get failed");
      return;
    }
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  Report(state, seconds, CryptoSeconds(false));
}

void BM_NetPut(benchmark::State& state) {
  BenchDevice& device = Device();
  LoginState login{"bench", kPassword, false};
  const std::vector<std::uint8_t> file = File();
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    NetSession session(login, Options(state));
    std::int32_t code = 0;
    char message[kPutMessageSize] = {};
    if (!session.Open("127.0.0.1", device.port()) || !session.Status() || !session.Login() ||
        !session.Put("CONFIG_P", file, code, message)) {
      state.SkipWithError("put failed");
      return;
    }
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  Report(state, seconds, CryptoSeconds(true));
}

// Argument: the pause after each received chunk in ms (10 is the session's own).
BENCHMARK(BM_NetGet)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_NetPut)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tk48
