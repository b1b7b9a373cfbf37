// zavosim: simulated weighing terminals on loopback addresses, for the panel,
// its tests and its demo.
#include <asio.hpp>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

#include "key_log.h"
#include "sim_options.h"
#include "sim_terminal.h"

namespace {

using namespace zavo::sim;
using Clock = std::chrono::steady_clock;

void TickLoop(asio::steady_timer& timer, std::vector<std::unique_ptr<SimTerminal>>& terminals,
              Clock::time_point last) {
  timer.expires_at(last + TerminalModel::kStep);
  timer.async_wait([&timer, &terminals, last](const asio::error_code& ec) {
    if (ec) return;
    const auto now = Clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - last);
    for (auto& t : terminals) t->Tick(elapsed);
    TickLoop(timer, terminals, last + elapsed);
  });
}

void HeartbeatLoop(asio::steady_timer& timer, std::vector<std::unique_ptr<SimTerminal>>& terminals,
                   const SimOptions& o) {
  timer.expires_after(std::chrono::milliseconds(o.heartbeatEveryMs));
  timer.async_wait([&timer, &terminals, &o](const asio::error_code& ec) {
    if (ec) return;
    for (auto& t : terminals) t->Heartbeat(o.heartbeat);
    HeartbeatLoop(timer, terminals, o);
  });
}

int Run(const SimOptions& o) {
  asio::error_code ec;
  const auto first = asio::ip::make_address_v4(o.address, ec);
  if (ec) throw std::invalid_argument("--address: not an IPv4 address: '" + o.address + "'");
  // Loopback only: the simulator must never answer on a real network.
  const auto firstValue = first.to_uint();
  if ((firstValue >> 24) != 127 ||
      ((firstValue + static_cast<unsigned>(o.terminals) - 1) >> 24) != 127) {
    throw std::invalid_argument("--address: the terminals must lie in 127.0.0.0/8");
  }

  asio::io_context io;
  KeyLog keyLog(o.keylog);
  std::vector<std::unique_ptr<SimTerminal>> terminals;
  for (int n = 1; n <= o.terminals; ++n) {
    const asio::ip::address_v4 address(firstValue + static_cast<unsigned>(n - 1));
    terminals.push_back(std::make_unique<SimTerminal>(
        io, n, address, o.port, o.printPort, std::chrono::milliseconds(o.latencyMs), keyLog));
  }
  for (auto& t : terminals) {
    try {
      t->Start();
    } catch (const asio::system_error& e) {
      std::cerr << "zavosim: cannot listen on " << t->Where() << ": " << e.what() << std::endl;
      return 1;
    }
    std::cout << "zavosim: " << t->Describe() << std::endl;
  }

  asio::steady_timer ticker(io), heartbeat(io);
  TickLoop(ticker, terminals, Clock::now());
  if (!o.heartbeat.empty()) HeartbeatLoop(heartbeat, terminals, o);

  asio::signal_set signals(io, SIGINT, SIGTERM);
  signals.async_wait([&](const asio::error_code& e, int) {
    if (e) return;
    ticker.cancel();
    heartbeat.cancel();
    for (auto& t : terminals) t->Stop();
    io.stop();
  });
  io.run();
  terminals.clear();
  std::cout << "zavosim: stopped" << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  try {
    const SimOptions o = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (o.help) {
      std::cout << SimUsage();
      return 0;
    }
    return Run(o);
  } catch (const std::exception& e) {
    std::cerr << "zavosim: " << e.what() << std::endl;
    return 2;
  }
}
