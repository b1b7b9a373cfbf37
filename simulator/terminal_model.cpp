#include "terminal_model.h"

#include <algorithm>
#include <cstdio>

namespace zavo::sim {
namespace {

constexpr int kHoldSteps = 15;  // empty and full rest 1.5 s
constexpr int kFillSteps = 40;  // filling takes 4 s
constexpr int kDischargeSteps = 20;
constexpr int kMessageSteps = 20;  // a key's message shows for 2 s
constexpr std::size_t kMaxEntry = 6;

std::vector<std::uint8_t> Text(const std::string& s) {
  return {s.begin(), s.end()};
}

}  // namespace

TerminalModel::TerminalModel(int number)
    : number_(number),
      kg_(number % 2 == 0),
      capacity_(kg_ ? 1000 : 2000),
      // Neighbouring terminals start at different points of the cycle.
      phase_(static_cast<Phase>((number - 1) % 4)) {
  if (phase_ == Phase::kFull || phase_ == Phase::kDischarging) raw_ = capacity_;
}

void TerminalModel::Advance(std::chrono::milliseconds elapsed) {
  carry_ += elapsed;
  while (carry_ >= kStep) {
    carry_ -= kStep;
    Step();
  }
}

void TerminalModel::Step() {
  const int before = raw_;
  ++phaseSteps_;
  switch (phase_) {
    case Phase::kEmpty:
      if (phaseSteps_ >= kHoldSteps) phase_ = Phase::kFilling, phaseSteps_ = 0;
      break;
    case Phase::kFilling:
      raw_ = std::min(capacity_, raw_ + capacity_ / kFillSteps);
      if (raw_ == capacity_) phase_ = Phase::kFull, phaseSteps_ = 0;
      break;
    case Phase::kFull:
      if (phaseSteps_ >= kHoldSteps) phase_ = Phase::kDischarging, phaseSteps_ = 0;
      break;
    case Phase::kDischarging:
      raw_ = std::max(0, raw_ - capacity_ / kDischargeSteps);
      if (raw_ == 0) phase_ = Phase::kEmpty, phaseSteps_ = 0;
      break;
  }
  motion_ = raw_ != before;
  if (messageSteps_ > 0 && --messageSteps_ == 0) message_.clear();
}

void TerminalModel::Show(const char* message) {
  message_ = message;
  messageSteps_ = kMessageSteps;
}

TerminalModel::KeyAction TerminalModel::Key(std::int32_t kind, std::int32_t code) {
  if (kind != 1 && kind != 2) return KeyAction::kNone;
  if (code >= '0' && code <= '9') {
    if (entry_.size() < kMaxEntry) entry_.push_back(static_cast<char>(code));
    return KeyAction::kNone;
  }
  const bool enter = (kind == 1 && code == 8) || (kind == 2 && code == 13);
  if (enter) {
    if (entry_.empty()) {
      Show("Printing");
      return KeyAction::kPrintTicket;
    }
    tare_ = std::stoi(entry_);
    entry_.clear();
    netMode_ = true;
    presetTare_ = true;
    Show("Preset tare");
    return KeyAction::kNone;
  }
  if (kind == 2 && code == 127) {  // backspace
    if (!entry_.empty()) entry_.pop_back();
    return KeyAction::kNone;
  }
  if (code == 2) {  // escape, either kind
    entry_.clear();
    return KeyAction::kNone;
  }
  if (kind != 1) return KeyAction::kNone;
  switch (code) {
    case 4:  // tare
      tare_ = Gross();
      netMode_ = true;
      presetTare_ = false;
      Show("Tare taken");
      break;
    case 6:  // clear
      entry_.clear();
      tare_ = 0;
      netMode_ = false;
      presetTare_ = false;
      Show("Tare cleared");
      break;
    case 7:  // zero
      zeroOffset_ = raw_;
      Show("Zeroed");
      break;
    case 1:
      Show("Function");
      break;
    case 3:
      Show("Memory");
      break;
    case 5:
      Show("Select");
      break;
    default:
      break;
  }
  return KeyAction::kNone;
}

std::string TerminalModel::LowerLine() const {
  std::string line;
  if (!entry_.empty()) {
    line = "Enter: " + entry_;
  } else if (!message_.empty()) {
    line = message_;
  } else {
    static const char* const kPhaseText[] = {"Empty", "Filling", "Full", "Discharging"};
    line = kPhaseText[static_cast<int>(phase_)];
  }
  line.resize(16, ' ');
  return line;
}

std::string TerminalModel::PanelRecord() const {
  char weight[16];
  std::snprintf(weight, sizeof weight, "%8d", Displayed());
  std::string record = std::string(weight).substr(0, 8) + LowerLine();
  auto flag = [&](bool on) { record.push_back(on ? '1' : '0'); };
  flag(!netMode_);                                              // 25 G
  flag(netMode_);                                               // 26 NET
  flag(presetTare_);                                            // 27 PT
  flag(!kg_);                                                   // 28 lb
  flag(kg_);                                                    // 29 kg
  flag(Gross() == 0);                                           // 30 centre of zero
  flag(motion_);                                                // 31 motion
  record.push_back('0');                                        // 32 unused
  for (int cell = 1; cell <= 6; ++cell) flag(cell == number_);  // 33-38
  for (int scale = 0; scale < 5; ++scale) flag(scale == 0);     // 39-43, scale A active
  flag(false);                                                  // 44 sum
  const int gross = Gross();
  flag(gross < capacity_ / 3);                                // 45 W1
  flag(gross >= capacity_ / 3 && gross < 2 * capacity_ / 3);  // 46 W2
  flag(gross >= 2 * capacity_ / 3);                           // 47 W3
  record += "000";
  return record;
}

std::string TerminalModel::softwareId() const {
  // Terminals 2 and 5 are of the other model (alternative keypad).
  return (number_ % 3 == 2) ? "ZavoRx 3.1.2" : "Zavo-520 2.04";
}

std::optional<std::vector<std::uint8_t>> TerminalModel::Field(const std::string& name) const {
  const std::string n = std::to_string(number_);
  if (name == "/bd001") return Text(PanelRecord());
  if (name == "/wt102") return Text(std::to_string(Gross()));
  if (name == "/wt202") return Text(std::to_string(raw_ / 2));
  if (name == "/wt302") return Text(std::to_string(250 + phaseSteps_));
  if (name == "/wt402") return Text(std::to_string(capacity_ - raw_));
  if (name == "/bd030" || name == "/bd031") {
    std::uint8_t bits = 0;
    if (name == "/bd030") {
      bits = static_cast<std::uint8_t>(
          (phase_ == Phase::kFilling ? 1 : 0) | (phase_ == Phase::kFull ? 2 : 0) |
          (phase_ == Phase::kDischarging ? 4 : 0) | (phase_ == Phase::kEmpty ? 8 : 0));
    } else {
      bits = static_cast<std::uint8_t>((phase_ == Phase::kFilling ? 1 : 0) |
                                       (phase_ == Phase::kDischarging ? 2 : 0) | (motion_ ? 4 : 0) |
                                       (netMode_ ? 8 : 0));
    }
    return std::vector<std::uint8_t>{bits, 0};
  }
  if (name == "/cs118") return Text("LINE" + n + " SCALE A");
  if (name == "/cs130") return Text("2024-03-1" + n);
  if (name == "/zav11") return Text(softwareId());
  if (name == "/bd005") return Text("PN 41200-00" + n);
  if (name == "/wt103") return Text(unit());
  return std::nullopt;
}

std::string TerminalModel::Ticket(const std::tm& t) const {
  char text[256];
  const int gross = Gross();
  const int tare = netMode_ ? tare_ : 0;
  std::snprintf(text, sizeof text,
                "\r\nZAVOMAX TERMINAL %d\r\nDATE  %04d-%02d-%02d\r\nTIME  %02d:%02d:%02d\r\n"
                "GROSS %8d %s\r\nTARE  %8d %s\r\nNET   %8d %s\r\n\r\n",
                number_, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                gross, unit(), tare, unit(), gross - tare, unit());
  return text;
}

}  // namespace zavo::sim
