#include "wire_messages.h"

#include <algorithm>
#include <cstring>

namespace zavo::proto {
namespace {

class Writer {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v >> 8));
    U8(static_cast<std::uint8_t>(v));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v >> 16));
    U16(static_cast<std::uint16_t>(v));
  }
  void Bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  std::vector<std::uint8_t> Frame(std::uint8_t type) const { return EncodeFrame(type, bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool U8(std::uint8_t& v) {
    if (left() < 1) return false;
    v = bytes_[pos_++];
    return true;
  }
  bool U16(std::uint16_t& v) {
    std::uint8_t hi = 0, lo = 0;
    if (left() < 2 || !U8(hi) || !U8(lo)) return false;
    v = static_cast<std::uint16_t>((hi << 8) | lo);
    return true;
  }
  bool U32(std::uint32_t& v) {
    std::uint16_t hi = 0, lo = 0;
    if (left() < 4 || !U16(hi) || !U16(lo)) return false;
    v = (std::uint32_t{hi} << 16) | lo;
    return true;
  }
  bool Magic() {
    if (left() < sizeof kMagic || std::memcmp(bytes_.data() + pos_, kMagic, sizeof kMagic) != 0) {
      return false;
    }
    pos_ += sizeof kMagic;
    return true;
  }
  std::size_t left() const { return bytes_.size() - pos_; }
  std::vector<std::uint8_t> Rest() {
    std::vector<std::uint8_t> rest(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                   bytes_.end());
    pos_ = bytes_.size();
    return rest;
  }
  std::string RestText() {
    std::string rest(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), bytes_.end());
    pos_ = bytes_.size();
    return rest;
  }
  bool Text(std::size_t size, std::string& out) {
    if (left() < size) return false;
    out.assign(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
               bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + size));
    pos_ += size;
    return true;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t pos_ = 0;
};

bool ValidResult(std::uint8_t r) {
  return r <= static_cast<std::uint8_t>(Result::kUnknownField);
}

template <typename T>
std::optional<T> Versioned(const Frame& f, std::uint8_t type) {
  if (f.type != type) return std::nullopt;
  Reader r(f.payload);
  T m;
  if (!r.Magic() || !r.U16(m.version) || r.left() != 0) return std::nullopt;
  return m;
}

std::optional<std::uint32_t> Sequence(const Frame& f, std::uint8_t type) {
  if (f.type != type) return std::nullopt;
  Reader r(f.payload);
  std::uint32_t seq = 0;
  if (!r.U32(seq) || r.left() != 0) return std::nullopt;
  return seq;
}

}  // namespace

bool IsValidFieldName(const std::string& field) {
  if (field.size() < 2 || field.size() > kMaxFieldName || field[0] != '/') return false;
  for (std::size_t i = 1; i < field.size(); ++i) {
    const char c = field[i];
    const bool ok =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

std::vector<std::uint8_t> Encode(const Hello& m) {
  Writer w;
  w.Bytes(kMagic, sizeof kMagic);
  w.U16(m.version);
  return w.Frame(kHello);
}

std::vector<std::uint8_t> Encode(const HelloAck& m) {
  Writer w;
  w.Bytes(kMagic, sizeof kMagic);
  w.U16(m.version);
  return w.Frame(kHelloAck);
}

std::vector<std::uint8_t> Encode(const ReadRequest& m) {
  Writer w;
  w.U32(m.id);
  w.U8(m.watch ? 1 : 0);
  w.Bytes(m.field.data(), m.field.size());
  return w.Frame(kRead);
}

std::vector<std::uint8_t> Encode(const Unwatch& m) {
  Writer w;
  w.Bytes(m.field.data(), m.field.size());
  return w.Frame(kUnwatch);
}

std::vector<std::uint8_t> Encode(const Key& m) {
  Writer w;
  w.U32(static_cast<std::uint32_t>(m.kind));
  w.U32(static_cast<std::uint32_t>(m.code));
  return w.Frame(kKey);
}

std::vector<std::uint8_t> Encode(const Ping& m) {
  Writer w;
  w.U32(m.seq);
  return w.Frame(kPing);
}

std::vector<std::uint8_t> Encode(const Pong& m) {
  Writer w;
  w.U32(m.seq);
  return w.Frame(kPong);
}

std::vector<std::uint8_t> Encode(const Value& m) {
  Writer w;
  w.U32(m.id);
  w.U8(static_cast<std::uint8_t>(m.result));
  w.U8(m.watched ? 1 : 0);
  w.Bytes(m.value.data(), m.value.size());
  return w.Frame(kValue);
}

std::vector<std::uint8_t> Encode(const Update& m) {
  Writer w;
  w.U8(static_cast<std::uint8_t>(m.result));
  w.U8(static_cast<std::uint8_t>(m.field.size()));
  w.Bytes(m.field.data(), m.field.size());
  w.Bytes(m.value.data(), m.value.size());
  return w.Frame(kUpdate);
}

std::vector<std::uint8_t> Encode(const Error& m) {
  Writer w;
  w.Bytes(m.text.data(), std::min(m.text.size(), kMaxErrorText));
  return w.Frame(kError);
}

std::optional<Hello> ParseHello(const Frame& f) {
  return Versioned<Hello>(f, kHello);
}
std::optional<HelloAck> ParseHelloAck(const Frame& f) {
  return Versioned<HelloAck>(f, kHelloAck);
}

std::optional<ReadRequest> ParseReadRequest(const Frame& f) {
  if (f.type != kRead) return std::nullopt;
  Reader r(f.payload);
  ReadRequest m;
  std::uint8_t flags = 0;
  if (!r.U32(m.id) || !r.U8(flags) || (flags & ~1u) != 0) return std::nullopt;
  m.watch = (flags & 1u) != 0;
  m.field = r.RestText();
  if (!IsValidFieldName(m.field)) return std::nullopt;
  return m;
}

std::optional<Unwatch> ParseUnwatch(const Frame& f) {
  if (f.type != kUnwatch) return std::nullopt;
  Reader r(f.payload);
  Unwatch m{r.RestText()};
  if (!IsValidFieldName(m.field)) return std::nullopt;
  return m;
}

std::optional<Key> ParseKey(const Frame& f) {
  if (f.type != kKey) return std::nullopt;
  Reader r(f.payload);
  std::uint32_t kind = 0, code = 0;
  if (!r.U32(kind) || !r.U32(code) || r.left() != 0) return std::nullopt;
  return Key{static_cast<std::int32_t>(kind), static_cast<std::int32_t>(code)};
}

std::optional<Ping> ParsePing(const Frame& f) {
  if (auto seq = Sequence(f, kPing)) return Ping{*seq};
  return std::nullopt;
}

std::optional<Pong> ParsePong(const Frame& f) {
  if (auto seq = Sequence(f, kPong)) return Pong{*seq};
  return std::nullopt;
}

std::optional<Value> ParseValue(const Frame& f) {
  if (f.type != kValue) return std::nullopt;
  Reader r(f.payload);
  Value m;
  std::uint8_t result = 0, flags = 0;
  if (!r.U32(m.id) || !r.U8(result) || !ValidResult(result) || !r.U8(flags) || (flags & ~1u) != 0 ||
      r.left() > kMaxValue) {
    return std::nullopt;
  }
  m.result = static_cast<Result>(result);
  m.watched = (flags & 1u) != 0;
  m.value = r.Rest();
  if (m.result != Result::kFound && !m.value.empty()) return std::nullopt;
  return m;
}

std::optional<Update> ParseUpdate(const Frame& f) {
  if (f.type != kUpdate) return std::nullopt;
  Reader r(f.payload);
  Update m;
  std::uint8_t result = 0, nameLength = 0;
  if (!r.U8(result) || !ValidResult(result) || !r.U8(nameLength) || !r.Text(nameLength, m.field) ||
      !IsValidFieldName(m.field) || r.left() > kMaxValue) {
    return std::nullopt;
  }
  m.result = static_cast<Result>(result);
  m.value = r.Rest();
  if (m.result != Result::kFound && !m.value.empty()) return std::nullopt;
  return m;
}

std::optional<Error> ParseError(const Frame& f) {
  if (f.type != kError || f.payload.size() > kMaxErrorText) return std::nullopt;
  Reader r(f.payload);
  Error m{r.RestText()};
  for (char c : m.text) {
    if (c < 32 || c > 126) return std::nullopt;
  }
  return m;
}

}  // namespace zavo::proto
