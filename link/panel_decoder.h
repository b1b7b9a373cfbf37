// Translation of a terminal's panel fields into plain values: the panel
// record into readouts and annunciators, a scale weight text into a whole
// number, a discrete I/O word into four lamps. Pure functions.
//
// Short records: a record needs 47 characters for all its flags. A shorter
// one is still decoded as far as it goes (texts as long as they are, flags
// beyond its end off), but `complete` is false, and the poll reports it like
// a failed read instead of drawing a half-known face.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zavo {

inline constexpr int kAnnunciatorCount = 22;
inline constexpr int kPanelRecordMinLength = 47;
// The weight value of a readout that is not a whole number; also the top of
// the trend's weight scale.
inline constexpr int32_t kNoWeightValue = 400000;

struct PanelModel {
  std::string weightText;  // characters 1..8, trimmed
  std::string lowerText;   // characters 9..24, untrimmed
  std::array<bool, kAnnunciatorCount> annunciators{};
  std::string weightHint;  // "Net Weight" or "Gross Weight"
  int32_t weightValue = kNoWeightValue;
  bool complete = false;  // the record held all 47 characters
};

struct DiscreteValue {
  std::array<bool, 4> lamps{};
  uint16_t changeKey = 0;  // both bytes, first byte low
};

// Record text is taken up to its first NUL.
PanelModel DecodePanelRecord(std::string_view record);
// Text up to its first NUL, trimmed; 0 when not a whole 32-bit number.
int32_t DecodeScaleWeight(std::string_view field);
DiscreteValue DecodeDiscrete(unsigned char first, unsigned char second);

// Helpers shared with the identity readout.
// Removes leading and trailing characters with codes 0 to 32.
std::string TrimControl(std::string_view s);
// Optional sign and decimal digits within the signed 32-bit range.
bool ParseWholeNumber(std::string_view s, int32_t& out);

}  // namespace zavo
