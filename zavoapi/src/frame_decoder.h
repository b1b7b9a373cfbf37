#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zavo::proto {

// Every frame on the wire: type (1 byte), payload length (2 bytes, big
// endian), payload. The bound keeps a hostile peer from making us buffer much.
inline constexpr std::size_t kHeaderSize = 3;
inline constexpr std::size_t kMaxPayload = 1024;

struct Frame {
  std::uint8_t type = 0;
  std::vector<std::uint8_t> payload;
};

// Builds one frame; the payload must not exceed kMaxPayload.
std::vector<std::uint8_t> EncodeFrame(std::uint8_t type, std::span<const std::uint8_t> payload);

// Splits a byte stream into frames. Bytes may arrive in any chunking; a
// partial frame is kept until the rest arrives. A header announcing more than
// kMaxPayload puts the decoder into the failed state for good: the stream can
// no longer be trusted and its connection must be closed.
class FrameDecoder {
 public:
  enum class Status { kOk, kOversized };

  // Consumes `bytes` and appends every frame they complete to `out`.
  Status Feed(std::span<const std::uint8_t> bytes, std::vector<Frame>& out);

  bool failed() const { return failed_; }
  // Bytes of an unfinished frame currently held.
  std::size_t buffered() const { return buffer_.size(); }

 private:
  std::vector<std::uint8_t> buffer_;
  bool failed_ = false;
};

}  // namespace zavo::proto
