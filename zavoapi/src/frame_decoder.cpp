#include "frame_decoder.h"

#include <algorithm>
#include <cassert>

namespace zavo::proto {

std::vector<std::uint8_t> EncodeFrame(std::uint8_t type, std::span<const std::uint8_t> payload) {
  assert(payload.size() <= kMaxPayload);
  std::vector<std::uint8_t> frame;
  frame.reserve(kHeaderSize + payload.size());
  frame.push_back(type);
  frame.push_back(static_cast<std::uint8_t>(payload.size() >> 8));
  frame.push_back(static_cast<std::uint8_t>(payload.size() & 0xFF));
  frame.insert(frame.end(), payload.begin(), payload.end());
  return frame;
}

FrameDecoder::Status FrameDecoder::Feed(std::span<const std::uint8_t> bytes,
                                        std::vector<Frame>& out) {
  if (failed_) return Status::kOversized;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // Complete the header first, then the payload, copying no more than the
    // frame needs so the buffer never exceeds one maximal frame.
    std::size_t want = kHeaderSize;
    if (buffer_.size() >= kHeaderSize) {
      want += (std::size_t{buffer_[1]} << 8) | buffer_[2];
    }
    const std::size_t take = std::min(want - buffer_.size(), bytes.size() - pos);
    buffer_.insert(buffer_.end(), bytes.begin() + static_cast<std::ptrdiff_t>(pos),
                   bytes.begin() + static_cast<std::ptrdiff_t>(pos + take));
    pos += take;
    if (buffer_.size() == kHeaderSize) {
      const std::size_t length = (std::size_t{buffer_[1]} << 8) | buffer_[2];
      if (length > kMaxPayload) {
        failed_ = true;
        buffer_.clear();
        return Status::kOversized;
      }
    }
    if (buffer_.size() >= kHeaderSize) {
      const std::size_t length = (std::size_t{buffer_[1]} << 8) | buffer_[2];
      if (buffer_.size() == kHeaderSize + length) {
        Frame frame;
        frame.type = buffer_[0];
        frame.payload.assign(buffer_.begin() + kHeaderSize, buffer_.end());
        out.push_back(std::move(frame));
        buffer_.clear();
      }
    }
  }
  return Status::kOk;
}

}  // namespace zavo::proto
