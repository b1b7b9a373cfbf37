#pragma once

#include <asio.hpp>
#include <chrono>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "key_log.h"
#include "terminal_model.h"

namespace zavo::sim {

class ClientSession;

// One simulated terminal on its own address: its model, its data port (which
// also serves print clients) and its optional separate print port.
class SimTerminal {
 public:
  SimTerminal(asio::io_context& io, int number, asio::ip::address_v4 address, std::uint16_t port,
              std::optional<std::uint16_t> printPort, std::chrono::milliseconds latency,
              KeyLog& keyLog);
  ~SimTerminal();

  // Binds and listens; throws asio::system_error when the address is taken.
  void Start();
  void Stop();

  void Tick(std::chrono::milliseconds elapsed);
  void Heartbeat(const std::string& text);

  // Called by the sessions.
  void OnKey(std::int32_t kind, std::int32_t code);
  void Remove(ClientSession* session);
  TerminalModel& model() { return model_; }
  std::chrono::milliseconds latency() const { return latency_; }

  std::string Describe() const;
  std::string Where() const;  // "address:port" of the data port

 private:
  void Accept(asio::ip::tcp::acceptor& acceptor, bool printOnly);
  void Print(const std::string& text);
  void PushAll();

  TerminalModel model_;
  const asio::ip::tcp::endpoint dataEndpoint_;
  const std::optional<asio::ip::tcp::endpoint> printEndpoint_;
  const std::chrono::milliseconds latency_;
  KeyLog& keyLog_;
  asio::ip::tcp::acceptor dataAcceptor_;
  asio::ip::tcp::acceptor printAcceptor_;
  std::set<std::shared_ptr<ClientSession>> sessions_;
  bool stopped_ = false;
};

}  // namespace zavo::sim
