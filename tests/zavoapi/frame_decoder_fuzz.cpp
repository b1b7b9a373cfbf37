// libFuzzer target: the frame decoder and every message parser on arbitrary
// bytes from a terminal, in arbitrary chunks, and the bounded copy of what
// they let through.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "field_name.h"
#include "frame_decoder.h"
#include "wire_messages.h"

using namespace zavo::proto;

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

template <typename Parse>
void RoundTrip(const Frame& frame, Parse parse) {
  auto message = parse(frame);
  if (!message) return;
  // What parses must encode back to a frame that parses to the same message.
  const auto bytes = Encode(*message);
  FrameDecoder decoder;
  std::vector<Frame> again;
  Check(decoder.Feed(bytes, again) == FrameDecoder::Status::kOk && again.size() == 1);
  Check(parse(again[0]) == message);
}

std::vector<Frame> Decode(const std::uint8_t* data, std::size_t size, std::size_t chunk,
                          bool& failed) {
  FrameDecoder decoder;
  std::vector<Frame> frames;
  failed = false;
  for (std::size_t pos = 0; pos < size && !failed; pos += chunk) {
    const std::size_t n = std::min(chunk, size - pos);
    failed = decoder.Feed({data + pos, n}, frames) != FrameDecoder::Status::kOk;
    Check(decoder.buffered() <= kHeaderSize + kMaxPayload);
  }
  return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t chunk = data[0] % 61 + 1;
  const std::int32_t length = data[1] % 80 + 1;
  data += 2;
  size -= 2;

  bool failedChunked = false, failedWhole = false;
  const auto frames = Decode(data, size, chunk, failedChunked);
  const auto whole = Decode(data, size, size ? size : 1, failedWhole);
  // The chunking must not change what is decoded.
  Check(failedChunked == failedWhole && frames.size() == whole.size());
  for (std::size_t i = 0; i < frames.size(); ++i) {
    Check(frames[i].type == whole[i].type && frames[i].payload == whole[i].payload);
  }

  for (const auto& frame : frames) {
    Check(frame.payload.size() <= kMaxPayload);
    RoundTrip(frame, ParseHello);
    RoundTrip(frame, ParseHelloAck);
    RoundTrip(frame, ParseReadRequest);
    RoundTrip(frame, ParseUnwatch);
    RoundTrip(frame, ParseKey);
    RoundTrip(frame, ParsePing);
    RoundTrip(frame, ParsePong);
    RoundTrip(frame, ParseValue);
    RoundTrip(frame, ParseUpdate);
    RoundTrip(frame, ParseError);

    if (auto value = ParseValue(frame)) {
      // The caller's buffer with a guard zone behind `length`.
      std::vector<char> buffer(static_cast<std::size_t>(length) + 16, '\x5C');
      const bool raw = value->id % 2 == 0;
      zavo::api::CopyFieldValue(raw, value->value.data(), value->value.size(), length,
                                buffer.data());
      for (std::size_t i = static_cast<std::size_t>(length); i < buffer.size(); ++i) {
        Check(buffer[i] == '\x5C');
      }
      if (!raw) Check(std::memchr(buffer.data(), 0, static_cast<std::size_t>(length)) != nullptr);
    }
  }

  // Names of fields come from the caller, but they are parsed with the same
  // care.
  std::string name(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 64));
  if (auto parsed = zavo::api::ParseFieldName(name.c_str())) {
    Check(IsValidFieldName(parsed->field) && parsed->terminal >= 0);
  }
  return 0;
}
