#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace zavo::sim {

// The keystroke log: one line "terminal kind code" per keystroke received,
// flushed at once so that a reader sees it while the simulator runs.
class KeyLog {
 public:
  // An empty path logs nothing. Throws std::runtime_error if the file cannot
  // be created.
  explicit KeyLog(const std::string& path);
  void Write(int terminal, std::int32_t kind, std::int32_t code);

 private:
  std::ofstream out_;
};

}  // namespace zavo::sim
