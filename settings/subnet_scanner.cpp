#include "settings/subnet_scanner.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>

#include "link/address.h"

namespace zavo {

SubnetScanner::SubnetScanner(ScanList& list, ScanConnector& connector, ScanPump& pump,
                             ScanObserver& observer)
    : list_(list), connector_(connector), pump_(pump), observer_(observer) {}

bool SubnetScanner::IsCompletePrefix(std::string_view prefix) {
  if (prefix.size() != 11) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    const bool dot = i == 3 || i == 7;
    if (dot ? prefix[i] != '.' : !std::isdigit(static_cast<unsigned char>(prefix[i]))) return false;
  }
  return true;
}

std::string SubnetScanner::CandidateAddress(std::string_view prefix, int host) {
  char number[16];
  std::snprintf(number, sizeof number, "%.3d", host);
  std::string address(prefix);
  address += '.';
  address += number;
  return address;
}

void SubnetScanner::Run(std::string_view prefix, const std::function<int()>& waitMs) {
  if (active_) return;
  // Whatever ends the loop, including an error out of the wait or the pump,
  // leaves the scan idle and its controls reset.
  struct EndOfScan {
    SubnetScanner& s;
    ~EndOfScan() {
      s.active_ = false;
      s.observer_.ScanEnded();
    }
  };
  active_ = true;
  EndOfScan end{*this};
  observer_.ScanStarted();
  for (int host = kFirstHost; host <= kLastHost; ++host) {
    const std::string plain = NormalizeAddress(CandidateAddress(prefix, host));
    observer_.Lamp(ScanLamp::Hidden);
    if (!active_) break;
    try {
      connector_.Abandon();
      observer_.Trying(plain);
      connector_.Connect(plain);
    } catch (const std::exception&) {
      observer_.Lamp(ScanLamp::Red);
    }
    pump_.Wait(std::max(0, waitMs()));
    pump_.PumpOnce();
    observer_.Progress(host - kFirstHost + 1);
  }
}

void SubnetScanner::OnConnected(const std::string& peerAddress) {
  observer_.Lamp(ScanLamp::Green);
  const int count = list_.Count();
  if (count < kMaxEntries) {
    const std::string padded = PadAddress(peerAddress);
    bool known = false;
    for (int i = 0; i < count && !known; ++i) known = list_.AddressAt(i) == padded;
    if (!known) {
      list_.Append({"Zav" + std::to_string(count + 1), padded});
      observer_.ListChanged();
    }
  }
  connector_.Close();
}

void SubnetScanner::OnFailed() {
  connector_.Close();
}

}  // namespace zavo
