#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zavo::sim {

struct SimOptions {
  int terminals = 3;
  std::string address = "127.0.0.1";
  std::uint16_t port = 1749;
  std::optional<std::uint16_t> printPort;  // default: the data port
  int latencyMs = 0;
  std::string heartbeat;
  int heartbeatEveryMs = 3000;
  std::string keylog;
  bool help = false;
};

// Parses the command line (without the program name). Throws
// std::invalid_argument with a message for a bad option or value.
SimOptions ParseSimOptions(const std::vector<std::string>& args);

const char* SimUsage();

}  // namespace zavo::sim
