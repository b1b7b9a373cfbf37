#include "fault_peer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "frame_decoder.h"
#include "wire_messages.h"

namespace zavo::testing {

using namespace zavo::proto;

FaultPeer::FaultPeer(const std::string& address, Mode mode) : mode_(mode) {
  listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in sa{};
  sa.sin_family = AF_INET;
  sa.sin_port = htons(1749);
  ::inet_pton(AF_INET, address.c_str(), &sa.sin_addr);
  if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 ||
      ::listen(listenFd_, 16) != 0) {
    ::close(listenFd_);
    throw std::runtime_error("fault peer cannot listen on " + address);
  }
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

FaultPeer::~FaultPeer() {
  stop_ = true;
  acceptor_.join();
  std::lock_guard lock(mu_);
  for (auto& w : workers_) w.join();
  ::close(listenFd_);
}

void FaultPeer::AcceptLoop() {
  while (!stop_) {
    pollfd p{listenFd_, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    ++connections_;
    std::lock_guard lock(mu_);
    workers_.emplace_back([this, fd] { Serve(fd); });
  }
}

void FaultPeer::Serve(int fd) {
  auto send = [fd](const std::vector<std::uint8_t>& bytes) {
    ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
  };
  FrameDecoder decoder;
  bool hello = false;
  while (!stop_) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    std::uint8_t chunk[2048];
    const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n <= 0) break;
    std::vector<Frame> frames;
    if (decoder.Feed({chunk, static_cast<std::size_t>(n)}, frames) != FrameDecoder::Status::kOk) {
      break;
    }
    const Mode mode = mode_;
    for (const auto& frame : frames) {
      if (!hello) {
        if (mode == Mode::kSilentAtHello) continue;
        send(Encode(HelloAck{mode == Mode::kWrongVersion ? std::uint16_t{2} : kVersion}));
        hello = true;
        continue;
      }
      if (mode == Mode::kSilentAfterHello) continue;
      if (auto ping = ParsePing(frame)) {
        send(Encode(Pong{ping->seq}));
        continue;
      }
      auto read = ParseReadRequest(frame);
      if (!read) continue;
      const bool raw = read->field == "/bd030" || read->field == "/bd031";
      Value value{read->id, Result::kFound, false, {}};
      switch (mode) {
        case Mode::kGood:
          if (raw) {
            value.value = {0x05, 0x00};
          } else {
            const std::string text = "GOOD " + read->field;
            value.value.assign(text.begin(), text.end());
          }
          send(Encode(value));
          break;
        case Mode::kLongValues:
          value.value.assign(kMaxValue, raw ? 0x5A : 'X');
          value.watched = true;
          send(Encode(value));
          break;
        case Mode::kGarbage:
          send({0x42, 0x00, 0x03, 0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0xFF, 0x13, 0x37});
          break;
        case Mode::kTruncated: {
          const auto bytes = Encode(value);
          send({bytes.begin(), bytes.begin() + 5});
          ::shutdown(fd, SHUT_RDWR);
          ::close(fd);
          return;
        }
        case Mode::kOversized:
          send({kValue, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x01});
          break;
        case Mode::kUnsolicited:
          value.id += 1000;
          send(Encode(value));
          break;
        default:
          break;
      }
    }
  }
  ::close(fd);
}

}  // namespace zavo::testing
