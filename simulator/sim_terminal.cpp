#include "sim_terminal.h"

#include <ctime>

#include "client_session.h"

namespace zavo::sim {

using asio::ip::tcp;

SimTerminal::SimTerminal(asio::io_context& io, int number, asio::ip::address_v4 address,
                         std::uint16_t port, std::optional<std::uint16_t> printPort,
                         std::chrono::milliseconds latency, KeyLog& keyLog)
    : model_(number),
      dataEndpoint_(address, port),
      printEndpoint_(printPort && *printPort != port
                         ? std::optional<tcp::endpoint>(tcp::endpoint(address, *printPort))
                         : std::nullopt),
      latency_(latency),
      keyLog_(keyLog),
      dataAcceptor_(io),
      printAcceptor_(io) {}

SimTerminal::~SimTerminal() {
  Stop();
}

void SimTerminal::Start() {
  auto listen = [](tcp::acceptor& acceptor, const tcp::endpoint& endpoint) {
    acceptor.open(endpoint.protocol());
    // A restarted simulator must get its addresses back at once.
    acceptor.set_option(tcp::acceptor::reuse_address(true));
    acceptor.bind(endpoint);
    acceptor.listen();
  };
  listen(dataAcceptor_, dataEndpoint_);
  if (printEndpoint_) listen(printAcceptor_, *printEndpoint_);
  Accept(dataAcceptor_, false);
  if (printEndpoint_) Accept(printAcceptor_, true);
}

void SimTerminal::Stop() {
  if (stopped_) return;
  stopped_ = true;
  asio::error_code ignored;
  dataAcceptor_.close(ignored);
  printAcceptor_.close(ignored);
  auto sessions = sessions_;
  for (const auto& s : sessions) s->Close();
  sessions_.clear();
}

void SimTerminal::Accept(tcp::acceptor& acceptor, bool printOnly) {
  acceptor.async_accept([this, &acceptor, printOnly](const asio::error_code& ec, tcp::socket s) {
    if (stopped_) return;
    if (!ec) {
      auto session = std::make_shared<ClientSession>(std::move(s), *this, printOnly);
      sessions_.insert(session);
      session->Start();
    }
    Accept(acceptor, printOnly);
  });
}

void SimTerminal::Remove(ClientSession* session) {
  for (auto it = sessions_.begin(); it != sessions_.end(); ++it) {
    if (it->get() == session) {
      sessions_.erase(it);
      return;
    }
  }
}

void SimTerminal::Tick(std::chrono::milliseconds elapsed) {
  model_.Advance(elapsed);
  PushAll();
}

void SimTerminal::PushAll() {
  auto sessions = sessions_;
  for (const auto& s : sessions) s->PushChanges();
}

void SimTerminal::OnKey(std::int32_t kind, std::int32_t code) {
  keyLog_.Write(model_.number(), kind, code);
  if (model_.Key(kind, code) == TerminalModel::KeyAction::kPrintTicket) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Print(model_.Ticket(local));
  }
  PushAll();
}

void SimTerminal::Heartbeat(const std::string& text) {
  Print(text + "\r\n");
}

void SimTerminal::Print(const std::string& text) {
  auto sessions = sessions_;
  for (const auto& s : sessions) s->SendPrint(text);
}

std::string SimTerminal::Where() const {
  return dataEndpoint_.address().to_string() + ":" + std::to_string(dataEndpoint_.port());
}

std::string SimTerminal::Describe() const {
  std::string line = "terminal " + std::to_string(model_.number()) + " ready at " + Where();
  if (printEndpoint_) line += " (print port " + std::to_string(printEndpoint_->port()) + ")";
  line += ", unit " + std::string(model_.unit()) + ", software ID " + model_.softwareId();
  return line;
}

}  // namespace zavo::sim
