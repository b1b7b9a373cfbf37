#include "sim_options.h"

#include <stdexcept>

namespace zavo::sim {
namespace {

long Number(const std::string& option, const std::string& text, long low, long high) {
  std::size_t used = 0;
  long value = 0;
  try {
    value = std::stol(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || value < low || value > high) {
    throw std::invalid_argument(option + ": expected a number from " + std::to_string(low) +
                                " to " + std::to_string(high) + ", got '" + text + "'");
  }
  return value;
}

}  // namespace

const char* SimUsage() {
  return "usage: zavosim [options]\n"
         "Simulated weighing terminals on loopback addresses.\n"
         "  --terminals N        number of terminals, 1 to 6 (default 3)\n"
         "  --address A          address of terminal 1, the others follow (default 127.0.0.1)\n"
         "  --port P             data port (default 1749)\n"
         "  --print-port P       separate print port (default: the data port)\n"
         "  --latency MS         delay added to every answer and push (default 0)\n"
         "  --heartbeat TEXT     text sent to print clients every few seconds\n"
         "  --heartbeat-every MS heartbeat period (default 3000)\n"
         "  --keylog FILE        write every keystroke as a line 'terminal kind code'\n"
         "  --help               this text\n"
         "Runs until SIGINT or SIGTERM.\n";
}

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
  SimOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    std::optional<std::string> inlineValue;
    if (const auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = option.substr(eq + 1);
      option.resize(eq);
    }
    auto value = [&]() -> std::string {
      if (inlineValue) return *inlineValue;
      if (i + 1 >= args.size()) throw std::invalid_argument(option + ": missing value");
      return args[++i];
    };
    if (option == "--help" || option == "-h") {
      o.help = true;
    } else if (option == "--terminals") {
      o.terminals = static_cast<int>(Number(option, value(), 1, 6));
    } else if (option == "--address") {
      o.address = value();
    } else if (option == "--port") {
      o.port = static_cast<std::uint16_t>(Number(option, value(), 1, 65535));
    } else if (option == "--print-port") {
      o.printPort = static_cast<std::uint16_t>(Number(option, value(), 1, 65535));
    } else if (option == "--latency") {
      o.latencyMs = static_cast<int>(Number(option, value(), 0, 10000));
    } else if (option == "--heartbeat") {
      o.heartbeat = value();
    } else if (option == "--heartbeat-every") {
      o.heartbeatEveryMs = static_cast<int>(Number(option, value(), 100, 600000));
    } else if (option == "--keylog") {
      o.keylog = value();
    } else {
      throw std::invalid_argument("unknown option '" + args[i] + "' (see --help)");
    }
  }
  return o;
}

}  // namespace zavo::sim
