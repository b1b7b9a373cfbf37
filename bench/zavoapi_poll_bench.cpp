// The seven reads of a panel poll cycle through the access library, against
// simulated terminals at 0 ms and 50 ms of injected latency, beside the same
// reads made as plain request/response over the same protocol (one round trip
// per read), measured in the same run.
//
//   zavoapi_poll_bench [--cycles N] [--slow-cycles N]
//
// Uses loopback 127.20.0.1 and 127.20.1.1, port 1749.
#include <asio.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "frame_decoder.h"
#include "sim_process.h"
#include "wire_messages.h"
#include "zavoapi.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct PollField {
  const char* field;
  int length;
};
constexpr PollField kCycle[] = {{"/bd001", 51}, {"/wt102", 51}, {"/wt202", 51}, {"/wt302", 51},
                                {"/wt402", 51}, {"/bd030", 2},  {"/bd031", 2}};

struct Stats {
  double median_us, p99_us, max_us;
  int failures;
};

Stats Summarize(std::vector<double> us, int failures) {
  std::sort(us.begin(), us.end());
  auto at = [&](double q) {
    return us[static_cast<std::size_t>(q * static_cast<double>(us.size() - 1))];
  };
  return {at(0.5), at(0.99), us.back(), failures};
}

// Library: one poll cycle is seven ZavReadC calls.
Stats LibraryCycles(int terminal, int cycles) {
  std::vector<double> us;
  int failures = 0;
  char buffer[106];
  std::vector<std::string> names;
  for (const auto& f : kCycle) names.push_back("/z" + std::to_string(terminal) + f.field);
  for (int c = -3; c < cycles; ++c) {  // three cycles of warm-up
    const auto start = Clock::now();
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (ZavReadC(names[i].c_str(), kCycle[i].length, buffer, nullptr) != ZAV_OK) ++failures;
    }
    const auto took = Clock::now() - start;
    if (c >= 0) us.push_back(std::chrono::duration<double, std::micro>(took).count());
    std::this_thread::sleep_for(2ms);  // let pushes arrive between cycles, as between polls
  }
  return Summarize(us, failures);
}

// Plain request/response: the same protocol, no watch, one round trip a read.
class PlainClient {
 public:
  explicit PlainClient(const std::string& address) : socket_(io_) {
    socket_.connect({asio::ip::make_address_v4(address), 1749});
    socket_.set_option(asio::ip::tcp::no_delay(true));
    asio::write(socket_, asio::buffer(zavo::proto::Encode(zavo::proto::Hello{})));
    Next();  // HELLO_ACK
  }
  bool Read(const char* field) {
    const std::uint32_t id = ++id_;
    asio::write(socket_,
                asio::buffer(zavo::proto::Encode(zavo::proto::ReadRequest{id, false, field})));
    auto value = zavo::proto::ParseValue(Next());
    return value && value->id == id && value->result == zavo::proto::Result::kFound;
  }

 private:
  zavo::proto::Frame Next() {
    while (frames_.empty()) {
      std::uint8_t chunk[2048];
      const std::size_t n = socket_.read_some(asio::buffer(chunk));
      decoder_.Feed({chunk, n}, frames_);
    }
    auto frame = std::move(frames_.front());
    frames_.erase(frames_.begin());
    return frame;
  }

  asio::io_context io_;
  asio::ip::tcp::socket socket_;
  zavo::proto::FrameDecoder decoder_;
  std::vector<zavo::proto::Frame> frames_;
  std::uint32_t id_ = 0;
};

Stats PlainCycles(const std::string& address, int cycles) {
  PlainClient client(address);
  std::vector<double> us;
  int failures = 0;
  for (int c = -3; c < cycles; ++c) {
    const auto start = Clock::now();
    for (const auto& f : kCycle) {
      if (!client.Read(f.field)) ++failures;
    }
    const auto took = Clock::now() - start;
    if (c >= 0) us.push_back(std::chrono::duration<double, std::micro>(took).count());
    std::this_thread::sleep_for(2ms);
  }
  return Summarize(us, failures);
}

void Print(int latency, const char* method, int cycles, const Stats& s) {
  std::printf("%7d ms  %-26s %6d  %12.1f  %12.1f  %12.1f  %8d\n", latency, method, cycles,
              s.median_us, s.p99_us, s.max_us, s.failures);
}

}  // namespace

int main(int argc, char** argv) {
  int cycles = 2000, slowCycles = 300, plainSlowCycles = 20;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--cycles") == 0) cycles = std::max(10, std::atoi(argv[i + 1]));
    if (std::strcmp(argv[i], "--slow-cycles") == 0)
      slowCycles = std::max(10, std::atoi(argv[i + 1]));
  }
  zavo::sim::SimProcess fast(ZAVOSIM_PATH, {"--terminals", "1", "--address", "127.20.0.1"},
                             "/tmp/zavoapi-bench-sim0.out");
  zavo::sim::SimProcess slow(ZAVOSIM_PATH,
                             {"--terminals", "1", "--address", "127.20.1.1", "--latency", "50"},
                             "/tmp/zavoapi-bench-sim50.out");
  if (!fast.Start(1) || !slow.Start(1)) {
    std::fprintf(stderr, "cannot start the simulator:\n%s%s", fast.Output().c_str(),
                 slow.Output().c_str());
    return 1;
  }
  if (ZavRegisterProcessC(1, "127.020.000.001,127.020.001.001", 2) != ZAV_OK) {
    std::fprintf(stderr, "register failed\n");
    return 1;
  }
  std::printf(
      "poll cycle = 7 reads (/bd001, /wt102-/wt402, /bd030, /bd031), times per cycle in us\n");
  std::printf("%10s  %-26s %6s  %12s  %12s  %12s  %8s\n", "latency", "method", "cycles", "median",
              "p99", "max", "failures");
  Print(0, "library (pushed copy)", cycles, LibraryCycles(1, cycles));
  Print(0, "plain request/response", cycles, PlainCycles("127.20.0.1", cycles));
  Print(50, "library (pushed copy)", slowCycles, LibraryCycles(2, slowCycles));
  Print(50, "plain request/response", plainSlowCycles, PlainCycles("127.20.1.1", plainSlowCycles));
  ZavCloseProcessC();
  fast.Stop();
  slow.Stop();
  return 0;
}
