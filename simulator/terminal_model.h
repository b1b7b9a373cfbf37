#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace zavo::sim {

// One simulated terminal: a hopper scale that fills and discharges in whole
// units, with zero, tare, preset tare and a keypad, publishing its front
// panel and identity as named fields. Pure state: no sockets, no clock.
class TerminalModel {
 public:
  enum class KeyAction { kNone, kPrintTicket };

  explicit TerminalModel(int number);

  // Moves the fill cycle on by `elapsed` (in steps of kStep).
  void Advance(std::chrono::milliseconds elapsed);
  KeyAction Key(std::int32_t kind, std::int32_t code);

  // The value of a field ("/bd001"), or nothing for a field it does not have.
  std::optional<std::vector<std::uint8_t>> Field(const std::string& name) const;
  std::string PanelRecord() const;
  std::string Ticket(const std::tm& localTime) const;

  int number() const { return number_; }
  const char* unit() const { return kg_ ? "kg" : "lb"; }
  std::string softwareId() const;

  static constexpr std::chrono::milliseconds kStep{100};

 private:
  enum class Phase { kEmpty, kFilling, kFull, kDischarging };

  void Step();
  void Show(const char* message);
  int Gross() const { return raw_ - zeroOffset_; }
  int Displayed() const { return netMode_ ? Gross() - tare_ : Gross(); }
  std::string LowerLine() const;

  const int number_;
  const bool kg_;
  const int capacity_;
  Phase phase_;
  int phaseSteps_ = 0;
  int raw_ = 0;
  bool motion_ = false;
  int zeroOffset_ = 0;
  int tare_ = 0;
  bool netMode_ = false;
  bool presetTare_ = false;
  std::string entry_;
  std::string message_;
  int messageSteps_ = 0;
  std::chrono::milliseconds carry_{0};
};

}  // namespace zavo::sim
