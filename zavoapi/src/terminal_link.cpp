#include "terminal_link.h"

#include "link_timing.h"
#include "zavoapi.h"

namespace zavo::api {

TerminalLink::TerminalLink(const std::vector<Ipv4>& addresses, std::uint16_t port)
    : work_(asio::make_work_guard(io_)) {
  for (const Ipv4& address : addresses) {
    terminals_.push_back(std::make_unique<TerminalConnection>(io_, mu_, cv_, address, port));
  }
  for (auto& terminal : terminals_) {
    asio::post(io_, [t = terminal.get()] { t->Start(); });
  }
  thread_ = std::thread([this] { io_.run(); });
}

TerminalLink::~TerminalLink() {
  // Handlers still queued are dropped uninvoked; the sockets close as the
  // connections go, while the io context is still there for them.
  work_.reset();
  io_.stop();
  if (thread_.joinable()) thread_.join();
  terminals_.clear();
}

bool TerminalLink::WaitSettled(TerminalConnection::Clock::time_point deadline) {
  std::unique_lock lock(mu_);
  cv_.wait_until(lock, deadline, [&] {
    for (const auto& t : terminals_) {
      if (!t->SettledLocked()) return false;
    }
    return true;
  });
  for (const auto& t : terminals_) {
    if (t->ReadyLocked()) return true;
  }
  return false;
}

std::int16_t TerminalLink::Read(const FieldName& name, std::int32_t length, char* buffer) {
  if (name.terminal < 1 || name.terminal > static_cast<std::int64_t>(terminals_.size())) {
    return ZAV_ERR_BAD_TERMINAL;
  }
  const auto deadline = TerminalConnection::Clock::now() + timing::kReadWait;
  std::unique_lock lock(mu_);
  return terminals_[static_cast<std::size_t>(name.terminal - 1)]->ReadLocked(
      lock, name.field, length, buffer, deadline);
}

std::int32_t TerminalLink::SendKey(std::int32_t terminal, std::int32_t kind, std::int32_t code) {
  if (terminal < 1 || terminal > static_cast<std::int32_t>(terminals_.size())) {
    return ZAV_ERR_BAD_TERMINAL;
  }
  std::lock_guard lock(mu_);
  return terminals_[static_cast<std::size_t>(terminal - 1)]->SendKeyLocked(kind, code);
}

}  // namespace zavo::api
