#pragma once

#include <asio.hpp>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame_decoder.h"

namespace zavo::sim {

class SimTerminal;

// One connection to a simulated terminal. It starts undecided: a client that
// opens with the data protocol's hello becomes a data client; one that sends
// nothing for a short while is a print client and gets the print stream.
class ClientSession : public std::enable_shared_from_this<ClientSession> {
 public:
  enum class Mode { kUndecided, kData, kPrint };
  using Clock = std::chrono::steady_clock;

  static constexpr std::chrono::milliseconds kDecideAfter{500};
  static constexpr std::size_t kMaxWatched = 64;
  static constexpr std::size_t kMaxQueuedBytes = 1 << 20;

  ClientSession(asio::ip::tcp::socket socket, SimTerminal& owner, bool printOnly);

  void Start();
  void Close();
  Mode mode() const { return mode_; }

  // Print clients: queue text of the print stream.
  void SendPrint(const std::string& text);
  // Data clients: push the watched fields whose value changed.
  void PushChanges();

 private:
  struct Outgoing {
    Clock::time_point due;
    std::vector<std::uint8_t> bytes;
  };

  void Receive();
  void OnBytes(const std::uint8_t* data, std::size_t size);
  bool HandleFrame(const proto::Frame& frame);
  void Reject(const std::string& why);
  void Queue(std::vector<std::uint8_t> bytes, bool delayed);
  void Flush();

  asio::ip::tcp::socket socket_;
  SimTerminal& owner_;
  asio::steady_timer decideTimer_;
  asio::steady_timer sendTimer_;
  Mode mode_ = Mode::kUndecided;
  bool closed_ = false;
  bool closeAfterSend_ = false;
  bool helloDone_ = false;
  proto::FrameDecoder decoder_;
  std::array<std::uint8_t, 4096> rx_{};
  std::deque<Outgoing> outbox_;
  std::size_t queuedBytes_ = 0;
  bool writing_ = false;
  std::map<std::string, std::vector<std::uint8_t>> watched_;  // field -> value last sent
};

}  // namespace zavo::sim
