#include "key_log.h"

#include <stdexcept>

namespace zavo::sim {

KeyLog::KeyLog(const std::string& path) {
  if (path.empty()) return;
  out_.open(path, std::ios::out | std::ios::trunc);
  if (!out_) throw std::runtime_error("cannot write the key log '" + path + "'");
}

void KeyLog::Write(int terminal, std::int32_t kind, std::int32_t code) {
  if (!out_.is_open()) return;
  out_ << terminal << ' ' << kind << ' ' << code << '\n';
  out_.flush();
}

}  // namespace zavo::sim
