#include "terminal_connection.h"

#include <algorithm>

#include "field_name.h"
#include "link_timing.h"
#include "zavoapi.h"

namespace zavo::api {

using asio::ip::tcp;

namespace {

tcp::endpoint MakeEndpoint(Ipv4 a, std::uint16_t port) {
  return tcp::endpoint(
      asio::ip::address_v4(asio::ip::address_v4::bytes_type{a[0], a[1], a[2], a[3]}), port);
}

}  // namespace

TerminalConnection::TerminalConnection(asio::io_context& io, std::mutex& mu,
                                       std::condition_variable& cv, Ipv4 address,
                                       std::uint16_t port)
    : io_(io),
      mu_(mu),
      cv_(cv),
      endpoint_(MakeEndpoint(address, port)),
      socket_(io),
      attemptTimer_(io),
      reconnectTimer_(io),
      tickTimer_(io),
      backoff_(timing::kReconnectMin),
      dropReason_(ZAV_ERR_NOT_CONNECTED) {}

void TerminalConnection::Start() {
  Connect();
  OnTick();
}

void TerminalConnection::Connect() {
  ++gen_;
  {
    std::lock_guard lock(mu_);
    session_ = gen_;
    state_ = State::kConnecting;
  }
  asio::error_code ignored;
  socket_.close(ignored);
  socket_ = tcp::socket(io_);
  decoder_ = proto::FrameDecoder();
  writeQueue_.clear();
  writing_ = false;
  handshaken_ = false;

  const std::uint64_t gen = gen_;
  attemptTimer_.expires_after(timing::kConnectTimeout);
  attemptTimer_.async_wait([this, gen](const asio::error_code& ec) {
    if (!ec && gen == gen_ && !handshaken_) Fail(ZAV_ERR_NOT_CONNECTED);
  });
  socket_.async_connect(endpoint_, [this, gen](const asio::error_code& ec) {
    if (gen != gen_) return;
    if (ec) {
      Fail(ZAV_ERR_NOT_CONNECTED);
      return;
    }
    asio::error_code ignored;
    socket_.set_option(tcp::no_delay(true), ignored);
    attemptTimer_.expires_after(timing::kHelloTimeout);
    attemptTimer_.async_wait([this, gen](const asio::error_code& ec) {
      if (!ec && gen == gen_ && !handshaken_) Fail(ZAV_ERR_TIMEOUT);
    });
    Send(std::make_shared<const std::vector<std::uint8_t>>(proto::Encode(proto::Hello{})));
    StartReceive();
  });
}

void TerminalConnection::Fail(std::int16_t reason) {
  const bool wasReady = handshaken_;
  ++gen_;  // every handler of the old session now ignores itself
  asio::error_code ignored;
  socket_.close(ignored);
  attemptTimer_.cancel();
  writeQueue_.clear();
  writing_ = false;
  handshaken_ = false;
  {
    std::lock_guard lock(mu_);
    session_ = gen_;
    state_ = State::kDown;
    dropReason_ = reason;
    settled_ = true;
    cache_.clear();
    pending_.clear();
    inflight_.clear();
    watchedCount_ = 0;
  }
  cv_.notify_all();
  // A session that worked is renewed at once; a terminal that keeps refusing
  // is retried less and less often, up to a ceiling.
  if (wasReady) {
    backoff_ = timing::kReconnectMin;
  }
  reconnectTimer_.expires_after(backoff_);
  backoff_ = std::min<Clock::duration>(backoff_ * 2, timing::kReconnectMax);
  reconnectTimer_.async_wait([this](const asio::error_code& ec) {
    if (!ec) Connect();
  });
}

void TerminalConnection::Renew(std::uint64_t session, std::int16_t reason) {
  if (session == gen_) Fail(reason);
}

void TerminalConnection::StartReceive() {
  auto buffer = std::make_shared<std::array<std::uint8_t, 4096>>();
  const std::uint64_t gen = gen_;
  socket_.async_read_some(
      asio::buffer(*buffer), [this, gen, buffer](const asio::error_code& ec, std::size_t n) {
        if (gen != gen_) return;
        if (ec) {
          Fail(ZAV_ERR_NOT_CONNECTED);
          return;
        }
        std::vector<proto::Frame> frames;
        bool ok = decoder_.Feed(std::span<const std::uint8_t>(buffer->data(), n), frames) ==
                  proto::FrameDecoder::Status::kOk;
        const bool wasHandshaken = handshaken_;
        if (!frames.empty()) {
          {
            std::lock_guard lock(mu_);
            lastRx_ = Clock::now();
            for (const auto& frame : frames) {
              if (!HandleFrameLocked(frame)) {
                ok = false;
                break;
              }
            }
          }
          cv_.notify_all();
        }
        if (!ok) {
          Fail(ZAV_ERR_PROTOCOL);
          return;
        }
        if (handshaken_ && !wasHandshaken) {
          attemptTimer_.cancel();
          backoff_ = timing::kReconnectMin;
        }
        StartReceive();
      });
}

bool TerminalConnection::HandleFrameLocked(const proto::Frame& frame) {
  if (!handshaken_) {
    // Only a hello answer of our version opens the session; a refusal
    // (error frame) or anything else ends it.
    auto ack = proto::ParseHelloAck(frame);
    if (!ack || ack->version != proto::kVersion) return false;
    handshaken_ = true;
    state_ = State::kReady;
    settled_ = true;
    return true;
  }
  switch (frame.type) {
    case proto::kPong:
      return proto::ParsePong(frame).has_value();
    case proto::kValue: {
      auto value = proto::ParseValue(frame);
      if (!value) return false;
      auto it = pending_.find(value->id);
      if (it == pending_.end()) return false;  // an answer nobody asked for
      const std::string field = std::move(it->second);
      pending_.erase(it);
      inflight_.erase(field);
      Entry& entry = cache_[field];
      if (value->watched && !entry.watched) ++watchedCount_;
      entry.value = std::move(value->value);
      entry.result = value->result;
      entry.watched = entry.watched || value->watched;
      entry.lastRead = Clock::now();
      return true;
    }
    case proto::kUpdate: {
      auto update = proto::ParseUpdate(frame);
      if (!update) return false;
      // A push for a field we no longer hold crossed our unwatch: harmless.
      auto it = cache_.find(update->field);
      if (it != cache_.end() && it->second.watched) {
        it->second.value = std::move(update->value);
        it->second.result = update->result;
      }
      return true;
    }
    default:
      return false;  // error frames and anything unexpected end the session
  }
}

void TerminalConnection::Send(Bytes frame) {
  if (writeQueue_.size() >= timing::kMaxQueuedFrames) return;  // peer not reading: drop
  writeQueue_.push_back(std::move(frame));
  if (!writing_) WriteNext();
}

void TerminalConnection::WriteNext() {
  writing_ = true;
  Bytes frame = writeQueue_.front();
  const std::uint64_t gen = gen_;
  asio::async_write(socket_, asio::buffer(*frame),
                    [this, gen, frame](const asio::error_code& ec, std::size_t) {
                      if (gen != gen_) return;
                      if (ec) {
                        Fail(ZAV_ERR_NOT_CONNECTED);
                        return;
                      }
                      writeQueue_.pop_front();
                      if (writeQueue_.empty()) {
                        writing_ = false;
                      } else {
                        WriteNext();
                      }
                    });
}

void TerminalConnection::OnTick() {
  if (handshaken_) {
    const auto now = Clock::now();
    bool silent = false;
    std::vector<std::string> unwatch;
    {
      std::lock_guard lock(mu_);
      silent = now - lastRx_ > timing::kSilenceLimit;
      if (!silent && now - lastSweep_ >= std::chrono::seconds(1)) {
        lastSweep_ = now;
        SweepIdleLocked(now, unwatch);
      }
    }
    if (silent) {
      Fail(ZAV_ERR_TIMEOUT);
    } else {
      for (const auto& field : unwatch) {
        Send(std::make_shared<const std::vector<std::uint8_t>>(
            proto::Encode(proto::Unwatch{field})));
      }
      Send(std::make_shared<const std::vector<std::uint8_t>>(
          proto::Encode(proto::Ping{++pingSeq_})));
    }
  }
  tickTimer_.expires_after(timing::kPingInterval);
  tickTimer_.async_wait([this](const asio::error_code& ec) {
    if (!ec) OnTick();
  });
}

void TerminalConnection::SweepIdleLocked(Clock::time_point now, std::vector<std::string>& unwatch) {
  for (auto it = cache_.begin(); it != cache_.end();) {
    if (it->second.watched && now - it->second.lastRead > timing::kWatchIdle) {
      unwatch.push_back(it->first);
      --watchedCount_;
      it = cache_.erase(it);
    } else {
      ++it;
    }
  }
}

bool TerminalConnection::AliveLocked(Clock::time_point now) const {
  return now - lastRx_ <= timing::kSilenceLimit;
}

void TerminalConnection::MarkDeadLocked(std::int16_t reason) {
  state_ = State::kDown;
  dropReason_ = reason;
  asio::post(io_, [this, session = session_, reason] { Renew(session, reason); });
  cv_.notify_all();
}

std::int16_t TerminalConnection::ServeLocked(std::unordered_map<std::string, Entry>::iterator it,
                                             std::int32_t length, char* buffer) {
  Entry& entry = it->second;
  entry.lastRead = Clock::now();
  std::int16_t status = ZAV_OK;
  if (entry.result != proto::Result::kFound) {
    status = ZAV_ERR_UNKNOWN_FIELD;
  } else {
    CopyFieldValue(IsRawField(it->first), entry.value.data(), entry.value.size(), length, buffer);
  }
  if (!entry.watched) cache_.erase(it);  // a one-off answer serves one read
  return status;
}

std::int16_t TerminalConnection::ReadLocked(std::unique_lock<std::mutex>& lock,
                                            const std::string& field, std::int32_t length,
                                            char* buffer, Clock::time_point deadline) {
  if (state_ != State::kReady) return ZAV_ERR_NOT_CONNECTED;
  // The copy is only as good as the last sign of life: a silent terminal's
  // values are never served.
  if (!AliveLocked(Clock::now())) {
    MarkDeadLocked(ZAV_ERR_TIMEOUT);
    return ZAV_ERR_TIMEOUT;
  }
  auto it = cache_.find(field);
  if (it != cache_.end()) return ServeLocked(it, length, buffer);

  const std::uint64_t session = session_;
  if (inflight_.insert(field).second) {
    const std::uint32_t id = ++nextId_;
    pending_[id] = field;
    const bool watch = watchedCount_ < timing::kMaxWatched;
    auto frame = std::make_shared<const std::vector<std::uint8_t>>(
        proto::Encode(proto::ReadRequest{id, watch, field}));
    asio::post(io_, [this, session, frame] {
      if (session == gen_) Send(frame);
    });
  }
  while (true) {
    const bool woke = cv_.wait_until(lock, deadline, [&] {
      return state_ != State::kReady || session_ != session || cache_.count(field) != 0;
    });
    if (!woke) {
      MarkDeadLocked(ZAV_ERR_TIMEOUT);
      return ZAV_ERR_TIMEOUT;
    }
    if (state_ != State::kReady || session_ != session) return dropReason_;
    it = cache_.find(field);
    if (it != cache_.end()) return ServeLocked(it, length, buffer);
  }
}

std::int32_t TerminalConnection::SendKeyLocked(std::int32_t kind, std::int32_t code) {
  if (state_ != State::kReady) return ZAV_ERR_NOT_CONNECTED;
  if (!AliveLocked(Clock::now())) {
    MarkDeadLocked(ZAV_ERR_TIMEOUT);
    return ZAV_ERR_NOT_CONNECTED;
  }
  auto frame =
      std::make_shared<const std::vector<std::uint8_t>>(proto::Encode(proto::Key{kind, code}));
  asio::post(io_, [this, session = session_, frame] {
    if (session == gen_) Send(frame);
  });
  return ZAV_OK;
}

}  // namespace zavo::api
