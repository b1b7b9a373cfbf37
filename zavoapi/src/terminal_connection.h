#pragma once

#include <asio.hpp>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "address_list.h"
#include "frame_decoder.h"
#include "wire_messages.h"

namespace zavo::api {

// One terminal's session: connects, says hello, keeps the session alive with
// pings, serves reads from the copy of the fields the terminal pushes, and
// renews itself whenever the terminal fails, misbehaves or goes silent.
//
// The socket side runs on the link's io thread only. The caller side (the
// *Locked functions) runs on the caller's thread with the link's mutex held;
// that mutex guards everything the two sides share (marked "shared").
class TerminalConnection {
 public:
  using Clock = std::chrono::steady_clock;

  TerminalConnection(asio::io_context& io, std::mutex& mu, std::condition_variable& cv,
                     Ipv4 address, std::uint16_t port);

  // io thread
  void Start();

  // caller thread, mutex held
  std::int16_t ReadLocked(std::unique_lock<std::mutex>& lock, const std::string& field,
                          std::int32_t length, char* buffer, Clock::time_point deadline);
  std::int32_t SendKeyLocked(std::int32_t kind, std::int32_t code);
  bool SettledLocked() const { return settled_; }
  bool ReadyLocked() const { return state_ == State::kReady; }

 private:
  enum class State { kConnecting, kReady, kDown };
  struct Entry {
    std::vector<std::uint8_t> value;
    proto::Result result = proto::Result::kFound;
    bool watched = false;
    Clock::time_point lastRead;
  };
  using Bytes = std::shared_ptr<const std::vector<std::uint8_t>>;

  // io thread
  void Connect();
  void Fail(std::int16_t reason);
  void Renew(std::uint64_t session, std::int16_t reason);
  void StartReceive();
  bool HandleFrameLocked(const proto::Frame& frame);
  void Send(Bytes frame);
  void WriteNext();
  void OnTick();
  void SweepIdleLocked(Clock::time_point now, std::vector<std::string>& unwatch);

  // caller thread, mutex held
  bool AliveLocked(Clock::time_point now) const;
  void MarkDeadLocked(std::int16_t reason);
  std::int16_t ServeLocked(std::unordered_map<std::string, Entry>::iterator it, std::int32_t length,
                           char* buffer);

  asio::io_context& io_;
  std::mutex& mu_;
  std::condition_variable& cv_;
  const asio::ip::tcp::endpoint endpoint_;

  // io thread only
  asio::ip::tcp::socket socket_;
  asio::steady_timer attemptTimer_;
  asio::steady_timer reconnectTimer_;
  asio::steady_timer tickTimer_;
  proto::FrameDecoder decoder_;
  std::deque<Bytes> writeQueue_;
  bool writing_ = false;
  bool handshaken_ = false;
  std::uint64_t gen_ = 0;
  std::uint32_t pingSeq_ = 0;
  Clock::duration backoff_;
  Clock::time_point lastSweep_;

  // shared
  State state_ = State::kConnecting;
  bool settled_ = false;  // the first attempt has ended, one way or the other
  std::uint64_t session_ = 0;
  std::int16_t dropReason_;
  Clock::time_point lastRx_;
  std::unordered_map<std::string, Entry> cache_;
  std::map<std::uint32_t, std::string> pending_;  // request id -> field
  std::set<std::string> inflight_;
  std::uint32_t nextId_ = 0;
  int watchedCount_ = 0;
};

}  // namespace zavo::api
