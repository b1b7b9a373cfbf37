#pragma once

#include <asio.hpp>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "address_list.h"
#include "field_name.h"
#include "terminal_connection.h"

namespace zavo::api {

// The open link to the registered terminals: one connection per terminal,
// all driven by one background io thread, so that a caller's read is served
// from the connection's copy without waiting on the network.
class TerminalLink {
 public:
  static constexpr std::uint16_t kPort = 1749;

  explicit TerminalLink(const std::vector<Ipv4>& addresses, std::uint16_t port = kPort);
  ~TerminalLink();
  TerminalLink(const TerminalLink&) = delete;
  TerminalLink& operator=(const TerminalLink&) = delete;

  // Waits until every terminal has connected or failed once, or the
  // deadline; tells whether at least one terminal is connected.
  bool WaitSettled(TerminalConnection::Clock::time_point deadline);

  std::int16_t Read(const FieldName& name, std::int32_t length, char* buffer);
  std::int32_t SendKey(std::int32_t terminal, std::int32_t kind, std::int32_t code);

 private:
  asio::io_context io_;
  std::optional<asio::executor_work_guard<asio::io_context::executor_type>> work_;
  std::mutex mu_;
  std::condition_variable cv_;
  std::vector<std::unique_ptr<TerminalConnection>> terminals_;
  std::thread thread_;
};

}  // namespace zavo::api
