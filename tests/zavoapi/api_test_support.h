#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "zavoapi.h"

namespace zavo::testing {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct ReadResult {
  std::int16_t status = 0;
  std::vector<char> bytes;  // the `length` bytes the library may write
  Clock::duration took{};
  std::string text() const {  // up to the first NUL, which must lie within the bytes
    std::size_t n = 0;
    while (n < bytes.size() && bytes[n] != '\0') ++n;
    return std::string(bytes.data(), n);
  }
};

inline constexpr unsigned char kGuard = 0xA5;
inline constexpr std::size_t kGuardBytes = 64;

// Every read of the tests goes through here: the buffer extends beyond
// `length` by a guard pattern that must come back untouched, the result and
// the status word must agree, and no read may take longer than 250 ms.
inline ReadResult Read(const std::string& name, std::int32_t length) {
  std::vector<unsigned char> buffer(static_cast<std::size_t>(length) + kGuardBytes, kGuard);
  ReadResult r;
  std::int16_t status = 12345;
  const auto start = Clock::now();
  r.status = ZavReadC(name.c_str(), length, reinterpret_cast<char*>(buffer.data()), &status);
  r.took = Clock::now() - start;
  EXPECT_EQ(status, r.status) << name;
  EXPECT_LE(r.took, 250ms) << name;
  for (std::size_t i = static_cast<std::size_t>(length); i < buffer.size(); ++i) {
    if (buffer[i] != kGuard) {
      ADD_FAILURE() << name << " length " << length << ": byte " << i << " beyond length written";
      break;
    }
  }
  r.bytes.assign(buffer.begin(), buffer.begin() + length);
  return r;
}

// "127.010.003.001,127.010.003.002,..." for `count` addresses from a.b.c.d.
inline std::string PaddedList(int a, int b, int c, int firstD, int count) {
  std::string list;
  for (int i = 0; i < count; ++i) {
    char entry[20];
    std::snprintf(entry, sizeof entry, "%03d.%03d.%03d.%03d", a, b, c, firstD + i);
    list += (i ? "," : "") + std::string(entry);
  }
  return list;
}

// Polls `check` until it holds or `timeout` passes; gives the time it took.
inline bool Eventually(const std::function<bool()>& check, Clock::duration timeout,
                       Clock::duration* took = nullptr, Clock::duration every = 10ms) {
  const auto start = Clock::now();
  while (true) {
    if (check()) {
      if (took) *took = Clock::now() - start;
      return true;
    }
    if (Clock::now() - start > timeout) return false;
    std::this_thread::sleep_for(every);
  }
}

inline std::string TempPath(const std::string& name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir ? dir : "/tmp") + "/zavoapi-test-" + std::to_string(::getpid()) + "-" +
         name;
}

}  // namespace zavo::testing
