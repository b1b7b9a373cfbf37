// The scan of a class C subnet for terminals: hosts 1 to 254 in order, one
// connection attempt to port 1749 at a time, the full wait at each address
// and one message-pump pass after it, in which accepted connections become
// new list entries and a click on Stop ends the scan before the next address.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "settings/scan_ports.h"

namespace zavo {

class SubnetScanner {
 public:
  static constexpr int kFirstHost = 1;
  static constexpr int kLastHost = 254;
  static constexpr int kPort = 1749;
  static constexpr int kMaxEntries = 6;

  SubnetScanner(ScanList& list, ScanConnector& connector, ScanPump& pump, ScanObserver& observer);

  // A prefix with all nine digits typed: "ddd.ddd.ddd".
  static bool IsCompletePrefix(std::string_view prefix);
  // Padded address of host `host` of the prefix, e.g. 192.168.001.007.
  static std::string CandidateAddress(std::string_view prefix, int host);

  // Runs the whole scan. `waitMs` is asked at every address for the wait
  // there (the Net Scan dialog's up-down position). Does nothing while a
  // scan is already running. The scan state is cleared however the loop ends.
  void Run(std::string_view prefix, const std::function<int()>& waitMs);
  void RequestStop() { active_ = false; }
  bool Active() const { return active_; }

  // Notifications of the current attempt, delivered by the pump pass.
  void OnConnected(const std::string& peerAddress);
  void OnFailed();

 private:
  ScanList& list_;
  ScanConnector& connector_;
  ScanPump& pump_;
  ScanObserver& observer_;
  bool active_ = false;
};

}  // namespace zavo
