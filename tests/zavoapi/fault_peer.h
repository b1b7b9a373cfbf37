#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zavo::testing {

// A hostile or broken terminal on <address>:1749 for the fault tests. Its
// behaviour can be switched while it runs; each connection reads the current
// behaviour whenever it has to answer.
class FaultPeer {
 public:
  enum class Mode {
    kGood,              // answers like a terminal: "GOOD <field>" / {0x05, 0x00}
    kSilentAtHello,     // accepts and never answers
    kSilentAfterHello,  // answers the hello, then nothing (no values, no pongs)
    kWrongVersion,      // answers the hello with another protocol version
    kGarbage,           // answers a read with bytes that are no frame we know
    kTruncated,         // answers a read with half a frame, then hangs up
    kOversized,         // answers a read with a header announcing 65535 bytes
    kUnsolicited,       // answers a read with an answer to a request never made
    kLongValues,        // answers every read with the longest value allowed
  };

  FaultPeer(const std::string& address, Mode mode);
  ~FaultPeer();

  void SetMode(Mode mode) { mode_ = mode; }
  int connections() const { return connections_; }

 private:
  void AcceptLoop();
  void Serve(int fd);

  int listenFd_ = -1;
  std::atomic<Mode> mode_;
  std::atomic<bool> stop_{false};
  std::atomic<int> connections_{0};
  std::thread acceptor_;
  std::mutex mu_;
  std::vector<std::thread> workers_;
};

}  // namespace zavo::testing
