// A scripted access library: each field name answers with a fixed status
// and value until changed; every call is recorded.
#pragma once

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "link/access_library.h"

namespace zavo::testing {

class FakeAccessLibrary : public AccessLibrary {
 public:
  struct Answer {
    int16_t status = 0;
    std::string value;  // text, or the two raw bytes of a discrete word
  };

  void Set(const std::string& name, std::string value) { answers[name] = {0, std::move(value)}; }
  void Fail(const std::string& name, int16_t status) { answers[name] = {status, {}}; }

  int16_t Register(int32_t mode, const std::string& addresses, int32_t count) override {
    calls.push_back("Register " + std::to_string(mode) + " " + addresses + " " +
                    std::to_string(count));
    return registerStatus;
  }
  int16_t Read(const std::string& name, int32_t length, char* buffer) override {
    reads.push_back(name);
    auto it = answers.find(name);
    if (it == answers.end()) return unknownStatus;
    if (it->second.status != 0) return it->second.status;
    const size_t n = std::min(it->second.value.size(), static_cast<size_t>(length));
    std::memcpy(buffer, it->second.value.data(), n);
    if (n < static_cast<size_t>(length)) buffer[n] = '\0';
    return 0;
  }
  void SendKeystroke(int32_t terminal, int32_t kind, int32_t code) override {
    keystrokes.emplace_back(terminal, kind, code);
  }
  void Close() override { calls.push_back("Close"); }

  std::map<std::string, Answer> answers;
  int16_t registerStatus = 0;
  int16_t unknownStatus = -6;
  std::vector<std::string> calls;
  std::vector<std::string> reads;
  std::vector<std::tuple<int, int, int>> keystrokes;
};

}  // namespace zavo::testing
