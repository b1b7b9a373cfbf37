#include <gtest/gtest.h>

#include <numeric>

#include "frame_decoder.h"
#include "wire_messages.h"

namespace zavo::proto {
namespace {

std::vector<std::uint8_t> Concat(const std::vector<std::vector<std::uint8_t>>& parts) {
  std::vector<std::uint8_t> all;
  for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

TEST(FrameDecoder, SameFramesWhateverTheChunking) {
  const auto stream =
      Concat({Encode(Hello{}), Encode(ReadRequest{7, true, "/bd001"}), EncodeFrame(0x42, {}),
              Encode(Value{7, Result::kFound, true, std::vector<std::uint8_t>(kMaxValue, 'x')})});
  for (std::size_t chunk :
       {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, stream.size()}) {
    FrameDecoder decoder;
    std::vector<Frame> frames;
    for (std::size_t pos = 0; pos < stream.size(); pos += chunk) {
      const std::size_t n = std::min(chunk, stream.size() - pos);
      ASSERT_EQ(decoder.Feed({stream.data() + pos, n}, frames), FrameDecoder::Status::kOk);
    }
    ASSERT_EQ(frames.size(), 4u) << "chunk " << chunk;
    EXPECT_EQ(ParseHello(frames[0]), Hello{});
    EXPECT_EQ(ParseReadRequest(frames[1]), (ReadRequest{7, true, "/bd001"}));
    EXPECT_EQ(frames[2].type, 0x42);
    EXPECT_TRUE(frames[2].payload.empty());
    EXPECT_EQ(ParseValue(frames[3])->value.size(), kMaxValue);
    EXPECT_EQ(decoder.buffered(), 0u);
  }
}

TEST(FrameDecoder, KeepsAPartialFrameUntilItCompletes) {
  const auto frame = Encode(Ping{99});
  FrameDecoder decoder;
  std::vector<Frame> frames;
  decoder.Feed({frame.data(), frame.size() - 1}, frames);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(decoder.buffered(), frame.size() - 1);
  decoder.Feed({frame.data() + frame.size() - 1, 1}, frames);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(ParsePing(frames[0]), Ping{99});
}

TEST(FrameDecoder, OversizedHeaderFailsForGood) {
  FrameDecoder decoder;
  std::vector<Frame> frames;
  const std::uint8_t justFits[] = {0x82, 0x04, 0x00};  // 1024: allowed, waits for payload
  EXPECT_EQ(decoder.Feed(justFits, frames), FrameDecoder::Status::kOk);
  FrameDecoder hostile;
  const std::uint8_t tooBig[] = {0x82, 0x04, 0x01, 0, 0, 0};
  EXPECT_EQ(hostile.Feed(tooBig, frames), FrameDecoder::Status::kOversized);
  EXPECT_TRUE(hostile.failed());
  const auto good = Encode(Ping{1});
  EXPECT_EQ(hostile.Feed(good, frames), FrameDecoder::Status::kOversized);
  EXPECT_TRUE(frames.empty());
  EXPECT_EQ(hostile.buffered(), 0u);
}

TEST(WireMessages, EveryMessageRoundTrips) {
  auto one = [](const std::vector<std::uint8_t>& bytes) {
    FrameDecoder decoder;
    std::vector<Frame> frames;
    EXPECT_EQ(decoder.Feed(bytes, frames), FrameDecoder::Status::kOk);
    EXPECT_EQ(frames.size(), 1u);
    return frames.empty() ? Frame{} : frames[0];
  };
  EXPECT_EQ(ParseHello(one(Encode(Hello{3}))), Hello{3});
  EXPECT_EQ(ParseHelloAck(one(Encode(HelloAck{1}))), HelloAck{1});
  EXPECT_EQ(ParseReadRequest(one(Encode(ReadRequest{0xFFFFFFFF, false, "/wt102"}))),
            (ReadRequest{0xFFFFFFFF, false, "/wt102"}));
  EXPECT_EQ(ParseUnwatch(one(Encode(Unwatch{"/bd030"}))), Unwatch{"/bd030"});
  EXPECT_EQ(ParseKey(one(Encode(Key{2, -56}))), (Key{2, -56}));
  EXPECT_EQ(ParsePong(one(Encode(Pong{5}))), Pong{5});
  const Value value{9, Result::kFound, true, {0x05, 0x00}};
  EXPECT_EQ(ParseValue(one(Encode(value))), value);
  const Update update{"/bd001", Result::kUnknownField, {}};
  EXPECT_EQ(ParseUpdate(one(Encode(update))), update);
  EXPECT_EQ(ParseError(one(Encode(Error{"unsupported protocol version 2"}))),
            Error{"unsupported protocol version 2"});
}

TEST(WireMessages, MalformedPayloadsAreRejected) {
  auto frame = [](std::uint8_t type, std::vector<std::uint8_t> payload) {
    return Frame{type, std::move(payload)};
  };
  const std::vector<std::uint8_t> magic = {'Z', 'A', 'V', 'O'};
  EXPECT_FALSE(ParseHello(frame(kHello, {'Z', 'A', 'V', 'X', 0, 1})));
  EXPECT_FALSE(ParseHello(frame(kHello, {'Z', 'A', 'V', 'O', 0})));
  EXPECT_FALSE(ParseHello(frame(kHello, {'Z', 'A', 'V', 'O', 0, 1, 0})));
  EXPECT_FALSE(ParseHelloAck(frame(kHello, {'Z', 'A', 'V', 'O', 0, 1})));   // wrong type
  EXPECT_FALSE(ParseReadRequest(frame(kRead, {0, 0, 0, 1, 2, '/', 'a'})));  // unknown flag
  EXPECT_FALSE(ParseReadRequest(frame(kRead, {0, 0, 0, 1, 0, 'a', 'b'})));  // no slash
  EXPECT_FALSE(ParseReadRequest(frame(kRead, {0, 0, 0, 1, 0, '/'})));       // empty field
  EXPECT_FALSE(ParseReadRequest(frame(kRead, {0, 0, 0, 1, 0, '/', ' '})));
  EXPECT_FALSE(ParseKey(frame(kKey, {0, 0, 0, 1, 0, 0, 0})));
  EXPECT_FALSE(ParsePong(frame(kPong, {0, 0, 0, 1, 0})));
  EXPECT_FALSE(ParseValue(frame(kValue, {0, 0, 0, 1, 2, 0})));       // unknown result
  EXPECT_FALSE(ParseValue(frame(kValue, {0, 0, 0, 1, 1, 0, 'x'})));  // unknown field with value
  std::vector<std::uint8_t> tooLong = {0, 0, 0, 1, 0, 0};
  tooLong.resize(6 + kMaxValue + 1, 'x');
  EXPECT_FALSE(ParseValue(frame(kValue, tooLong)));
  EXPECT_FALSE(ParseUpdate(frame(kUpdate, {0, 10, '/', 'b'})));  // name runs past the end
  EXPECT_FALSE(ParseError(frame(kError, {'o', 'k', 0x07})));
  std::string longName = "/" + std::string(kMaxFieldName, 'a');
  EXPECT_FALSE(IsValidFieldName(longName));
  EXPECT_TRUE(IsValidFieldName(longName.substr(0, kMaxFieldName)));
}

}  // namespace
}  // namespace zavo::proto
