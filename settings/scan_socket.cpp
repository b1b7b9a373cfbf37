#include "settings/scan_socket.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QThread>
#include <stdexcept>
#include <utility>

#include "settings/subnet_scanner.h"

namespace zavo {

ScanSocket::ScanSocket(QObject* parent) : QObject(parent), socket_(this) {
  socket_.setObjectName("ZavSock");
  connect(&socket_, &QTcpSocket::connected, this, [this] { Report(Outcome::Connected); });
  connect(&socket_, &QTcpSocket::errorOccurred, this, [this] { Report(Outcome::Failed); });
}

void ScanSocket::Abandon() {
  held_ = Outcome::None;
  socket_.abort();
}

void ScanSocket::Connect(const std::string& plainAddress) {
  QHostAddress address;
  if (!address.setAddress(QString::fromStdString(plainAddress)) ||
      address.protocol() != QAbstractSocket::IPv4Protocol)
    throw std::invalid_argument("not an IPv4 address: " + plainAddress);
  starting_ = true;
  socket_.connectToHost(address, SubnetScanner::kPort);
  starting_ = false;
}

void ScanSocket::Close() {
  socket_.abort();
}

void ScanSocket::Wait(int milliseconds) {
  if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void ScanSocket::PumpOnce() {
  QCoreApplication::processEvents();
  // A loopback connection can complete inside connectToHost; it is handled
  // here, in the pass after the wait, like every other.
  const Outcome held = std::exchange(held_, Outcome::None);
  if (held != Outcome::None) Deliver(held);
}

void ScanSocket::Report(Outcome outcome) {
  if (starting_) {
    held_ = outcome;
    return;
  }
  Deliver(outcome);
}

void ScanSocket::Deliver(Outcome outcome) {
  if (!scanner_) {
    socket_.abort();
    return;
  }
  if (outcome == Outcome::Connected) {
    const QHostAddress peer = socket_.peerAddress();
    bool ok = false;
    const quint32 v4 = peer.toIPv4Address(&ok);
    scanner_->OnConnected(ok ? QHostAddress(v4).toString().toStdString()
                             : peer.toString().toStdString());
  } else {
    scanner_->OnFailed();
  }
}

}  // namespace zavo
