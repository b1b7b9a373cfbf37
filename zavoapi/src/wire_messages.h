#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame_decoder.h"

// The messages of the terminal data protocol (docs/protocol.md): their frame
// types, bounds, encoders and strict parsers. A parser returns nothing for a
// payload that is not exactly a well-formed message of its type.
namespace zavo::proto {

inline constexpr std::uint16_t kVersion = 1;
inline constexpr char kMagic[4] = {'Z', 'A', 'V', 'O'};
inline constexpr std::size_t kMaxFieldName = 32;
inline constexpr std::size_t kMaxValue = 512;
inline constexpr std::size_t kMaxErrorText = 200;

enum FrameType : std::uint8_t {
  // client to terminal
  kHello = 0x01,
  kRead = 0x02,
  kUnwatch = 0x03,
  kKey = 0x04,
  kPing = 0x05,
  // terminal to client
  kHelloAck = 0x81,
  kValue = 0x82,
  kUpdate = 0x83,
  kPong = 0x85,
  kError = 0x8F,
};

enum class Result : std::uint8_t { kFound = 0, kUnknownField = 1 };

struct Hello {
  std::uint16_t version = kVersion;
  bool operator==(const Hello&) const = default;
};
struct HelloAck {
  std::uint16_t version = kVersion;
  bool operator==(const HelloAck&) const = default;
};
struct ReadRequest {
  std::uint32_t id = 0;
  bool watch = false;
  std::string field;
  bool operator==(const ReadRequest&) const = default;
};
struct Unwatch {
  std::string field;
  bool operator==(const Unwatch&) const = default;
};
struct Key {
  std::int32_t kind = 0;
  std::int32_t code = 0;
  bool operator==(const Key&) const = default;
};
struct Ping {
  std::uint32_t seq = 0;
  bool operator==(const Ping&) const = default;
};
struct Pong {
  std::uint32_t seq = 0;
  bool operator==(const Pong&) const = default;
};
struct Value {
  std::uint32_t id = 0;
  Result result = Result::kFound;
  bool watched = false;
  std::vector<std::uint8_t> value;
  bool operator==(const Value&) const = default;
};
struct Update {
  std::string field;
  Result result = Result::kFound;
  std::vector<std::uint8_t> value;
  bool operator==(const Update&) const = default;
};
struct Error {
  std::string text;
  bool operator==(const Error&) const = default;
};

// A field name on the wire: "/" then 1 to 31 letters, digits or '_'.
bool IsValidFieldName(const std::string& field);

std::vector<std::uint8_t> Encode(const Hello& m);
std::vector<std::uint8_t> Encode(const HelloAck& m);
std::vector<std::uint8_t> Encode(const ReadRequest& m);
std::vector<std::uint8_t> Encode(const Unwatch& m);
std::vector<std::uint8_t> Encode(const Key& m);
std::vector<std::uint8_t> Encode(const Ping& m);
std::vector<std::uint8_t> Encode(const Pong& m);
std::vector<std::uint8_t> Encode(const Value& m);
std::vector<std::uint8_t> Encode(const Update& m);
std::vector<std::uint8_t> Encode(const Error& m);

std::optional<Hello> ParseHello(const Frame& f);
std::optional<HelloAck> ParseHelloAck(const Frame& f);
std::optional<ReadRequest> ParseReadRequest(const Frame& f);
std::optional<Unwatch> ParseUnwatch(const Frame& f);
std::optional<Key> ParseKey(const Frame& f);
std::optional<Ping> ParsePing(const Frame& f);
std::optional<Pong> ParsePong(const Frame& f);
std::optional<Value> ParseValue(const Frame& f);
std::optional<Update> ParseUpdate(const Frame& f);
std::optional<Error> ParseError(const Frame& f);

}  // namespace zavo::proto
