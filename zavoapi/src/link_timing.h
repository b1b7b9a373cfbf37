#pragma once

#include <chrono>

// The library's timing, chosen so that a dead or frozen terminal makes its
// reads fail well within a second while a 50 ms network stays comfortable.
namespace zavo::api::timing {

using namespace std::chrono_literals;

inline constexpr auto kConnectTimeout = 1000ms;  // TCP connect
inline constexpr auto kHelloTimeout = 1000ms;    // connect to a usable session
inline constexpr auto kPingInterval = 150ms;     // keepalive while idle or busy
inline constexpr auto kSilenceLimit = 600ms;     // no frame for this long: dead
inline constexpr auto kReadWait = 220ms;         // an unanswered read gives up
inline constexpr auto kReconnectMin = 100ms;
inline constexpr auto kReconnectMax = 500ms;
inline constexpr auto kWatchIdle = 10s;        // a field not read for this long
inline constexpr auto kRegisterWait = 1400ms;  // register waits for the connects
inline constexpr int kMaxWatched = 64;
inline constexpr std::size_t kMaxQueuedFrames = 4096;

}  // namespace zavo::api::timing
