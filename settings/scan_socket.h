// The scan's socket and its wait on Qt: one non-blocking QTcpSocket
// ("ZavSock", port 1749) tries one address at a time; the wait blocks the
// thread, and the pump pass after it runs the event loop once, which is
// where connect and error notifications reach the scanner.
#pragma once

#include <QObject>
#include <QTcpSocket>

#include "settings/scan_ports.h"

namespace zavo {

class SubnetScanner;

class ScanSocket : public QObject, public ScanConnector, public ScanPump {
  Q_OBJECT
 public:
  explicit ScanSocket(QObject* parent = nullptr);

  void SetScanner(SubnetScanner* scanner) { scanner_ = scanner; }
  QTcpSocket& socket() { return socket_; }

  void Abandon() override;
  void Connect(const std::string& plainAddress) override;
  void Close() override;
  void Wait(int milliseconds) override;
  void PumpOnce() override;

 private:
  enum class Outcome { None, Connected, Failed };
  void Report(Outcome outcome);
  void Deliver(Outcome outcome);

  QTcpSocket socket_;
  SubnetScanner* scanner_ = nullptr;
  bool starting_ = false;
  Outcome held_ = Outcome::None;  // reported while the attempt was being started
};

}  // namespace zavo
