#include "client_session.h"

#include "sim_terminal.h"
#include "wire_messages.h"

namespace zavo::sim {

using asio::ip::tcp;

ClientSession::ClientSession(tcp::socket socket, SimTerminal& owner, bool printOnly)
    : socket_(std::move(socket)),
      owner_(owner),
      decideTimer_(socket_.get_executor()),
      sendTimer_(socket_.get_executor()),
      mode_(printOnly ? Mode::kPrint : Mode::kUndecided) {}

void ClientSession::Start() {
  asio::error_code ignored;
  socket_.set_option(tcp::no_delay(true), ignored);
  if (mode_ == Mode::kUndecided) {
    decideTimer_.expires_after(kDecideAfter);
    decideTimer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
      if (!ec && self->mode_ == Mode::kUndecided && !self->closed_) {
        self->mode_ = Mode::kPrint;
      }
    });
  }
  Receive();
}

void ClientSession::Close() {
  if (closed_) return;
  closed_ = true;
  asio::error_code ignored;
  socket_.shutdown(tcp::socket::shutdown_both, ignored);
  socket_.close(ignored);
  decideTimer_.cancel();
  sendTimer_.cancel();
  outbox_.clear();
  owner_.Remove(this);  // may drop the owner's reference; handlers hold their own
}

void ClientSession::Receive() {
  socket_.async_read_some(asio::buffer(rx_),
                          [self = shared_from_this()](const asio::error_code& ec, std::size_t n) {
                            if (self->closed_) return;
                            if (ec) {
                              self->Close();
                              return;
                            }
                            self->OnBytes(self->rx_.data(), n);
                            if (!self->closed_) self->Receive();
                          });
}

void ClientSession::OnBytes(const std::uint8_t* data, std::size_t size) {
  if (mode_ == Mode::kPrint) return;  // print clients are receive-only; ignore what they send
  if (mode_ == Mode::kUndecided) {
    mode_ = Mode::kData;
    decideTimer_.cancel();
  }
  std::vector<proto::Frame> frames;
  if (decoder_.Feed(std::span<const std::uint8_t>(data, size), frames) !=
      proto::FrameDecoder::Status::kOk) {
    Reject("oversized frame");
    return;
  }
  for (const auto& frame : frames) {
    if (!HandleFrame(frame)) return;
  }
}

void ClientSession::Reject(const std::string& why) {
  if (helloDone_) {
    Queue(proto::Encode(proto::Error{why}), true);
    closeAfterSend_ = true;
    Flush();
  } else {
    Close();
  }
}

bool ClientSession::HandleFrame(const proto::Frame& frame) {
  if (!helloDone_) {
    auto hello = proto::ParseHello(frame);
    if (!hello) {
      Close();  // not our protocol
      return false;
    }
    if (hello->version != proto::kVersion) {
      Queue(proto::Encode(
                proto::Error{"unsupported protocol version " + std::to_string(hello->version)}),
            true);
      closeAfterSend_ = true;
      Flush();
      return false;
    }
    helloDone_ = true;
    Queue(proto::Encode(proto::HelloAck{}), true);
    return true;
  }
  switch (frame.type) {
    case proto::kPing:
      if (auto ping = proto::ParsePing(frame)) {
        Queue(proto::Encode(proto::Pong{ping->seq}), true);
        return true;
      }
      break;
    case proto::kRead:
      if (auto read = proto::ParseReadRequest(frame)) {
        auto value = owner_.model().Field(read->field);
        proto::Value answer;
        answer.id = read->id;
        answer.result = value ? proto::Result::kFound : proto::Result::kUnknownField;
        if (value) answer.value = *value;
        const bool watching = watched_.count(read->field) != 0;
        answer.watched = read->watch && (watching || watched_.size() < kMaxWatched);
        if (answer.watched) watched_[read->field] = answer.value;
        Queue(proto::Encode(answer), true);
        return true;
      }
      break;
    case proto::kUnwatch:
      if (auto unwatch = proto::ParseUnwatch(frame)) {
        watched_.erase(unwatch->field);
        return true;
      }
      break;
    case proto::kKey:
      if (auto key = proto::ParseKey(frame)) {
        owner_.OnKey(key->kind, key->code);
        return !closed_;
      }
      break;
    default:
      break;
  }
  Reject("malformed frame");
  return false;
}

void ClientSession::PushChanges() {
  if (mode_ != Mode::kData || !helloDone_ || closed_) return;
  for (auto& [field, last] : watched_) {
    auto value = owner_.model().Field(field);
    std::vector<std::uint8_t> now = value ? *value : std::vector<std::uint8_t>{};
    if (now == last) continue;
    last = now;
    proto::Update update;
    update.field = field;
    update.result = value ? proto::Result::kFound : proto::Result::kUnknownField;
    update.value = std::move(now);
    Queue(proto::Encode(update), true);
  }
}

void ClientSession::SendPrint(const std::string& text) {
  if (mode_ != Mode::kPrint || closed_) return;
  Queue(std::vector<std::uint8_t>(text.begin(), text.end()), false);
}

void ClientSession::Queue(std::vector<std::uint8_t> bytes, bool delayed) {
  if (closed_) return;
  queuedBytes_ += bytes.size();
  if (queuedBytes_ > kMaxQueuedBytes) {  // a client that does not read is let go
    Close();
    return;
  }
  const auto due = Clock::now() + (delayed ? owner_.latency() : Clock::duration::zero());
  outbox_.push_back(Outgoing{due, std::move(bytes)});
  Flush();
}

void ClientSession::Flush() {
  if (closed_ || writing_) return;
  if (outbox_.empty()) {
    if (closeAfterSend_) Close();
    return;
  }
  const auto now = Clock::now();
  if (outbox_.front().due > now) {
    sendTimer_.expires_at(outbox_.front().due);
    sendTimer_.async_wait([self = shared_from_this()](const asio::error_code& ec) {
      if (!ec) self->Flush();
    });
    return;
  }
  // Everything due goes out in one write.
  auto batch = std::make_shared<std::vector<std::uint8_t>>();
  while (!outbox_.empty() && outbox_.front().due <= now) {
    auto& bytes = outbox_.front().bytes;
    batch->insert(batch->end(), bytes.begin(), bytes.end());
    outbox_.pop_front();
  }
  writing_ = true;
  asio::async_write(socket_, asio::buffer(*batch),
                    [self = shared_from_this(), batch](const asio::error_code& ec, std::size_t) {
                      self->writing_ = false;
                      if (self->closed_) return;
                      if (ec) {
                        self->Close();
                        return;
                      }
                      self->queuedBytes_ -= batch->size();
                      self->Flush();
                    });
}

}  // namespace zavo::sim
