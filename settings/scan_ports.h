// What the subnet scan drives: the terminal list it fills, the socket that
// tries one address at a time, the blocking wait with the message-pump pass
// after it, and the scan controls that show its progress. Small interfaces,
// so that the scan loop runs over fakes as well as over real sockets.
#pragma once

#include <string>

#include "settings/terminal_entry.h"

namespace zavo {

class ScanList {
 public:
  virtual ~ScanList() = default;
  virtual int Count() const = 0;
  virtual const std::string& AddressAt(int index) const = 0;  // index from 0
  virtual void Append(const TerminalEntry& entry) = 0;
};

class ScanConnector {
 public:
  virtual ~ScanConnector() = default;
  // Drops any attempt still open.
  virtual void Abandon() = 0;
  // Starts a non-blocking connection to the plain address; throws when the
  // attempt cannot even be started. The outcome is reported to the scanner
  // (OnConnected, OnFailed) during a later pump pass.
  virtual void Connect(const std::string& plainAddress) = 0;
  // Closes the connection or failed attempt that was just reported.
  virtual void Close() = 0;
};

class ScanPump {
 public:
  virtual ~ScanPump() = default;
  virtual void Wait(int milliseconds) = 0;  // blocks; nothing else runs meanwhile
  virtual void PumpOnce() = 0;              // delivers socket notifications and clicks
};

enum class ScanLamp { Hidden, Green, Red };

class ScanObserver {
 public:
  virtual ~ScanObserver() = default;
  virtual void ScanStarted() {}
  virtual void Trying(const std::string& /*plainAddress*/) {}
  virtual void Lamp(ScanLamp /*state*/) {}
  virtual void Progress(int /*addressesTried*/) {}
  virtual void ListChanged() {}
  virtual void ScanEnded() {}
};

}  // namespace zavo
