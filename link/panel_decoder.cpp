#include "link/panel_decoder.h"

#include <cstddef>
#include <limits>

namespace zavo {
namespace {

std::string_view UpToNul(std::string_view s) {
  const auto nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

std::string_view Slice(std::string_view s, size_t from, size_t count) {
  if (from >= s.size()) return {};
  return s.substr(from, count);
}

}  // namespace

std::string TrimControl(std::string_view s) {
  size_t begin = 0, end = s.size();
  while (begin < end && static_cast<unsigned char>(s[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 32) --end;
  return std::string(s.substr(begin, end - begin));
}

bool ParseWholeNumber(std::string_view s, int32_t& out) {
  if (s.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    i = 1;
  }
  if (i == s.size()) return false;
  int64_t value = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    value = value * 10 + (s[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    return false;
  out = static_cast<int32_t>(value);
  return true;
}

PanelModel DecodePanelRecord(std::string_view raw) {
  const std::string_view record = UpToNul(raw);
  PanelModel m;
  m.weightText = TrimControl(Slice(record, 0, 8));
  m.lowerText = std::string(Slice(record, 8, 16));
  for (int i = 0; i < kAnnunciatorCount; ++i) {
    // Positions 25..31, then 33..47: position 32 carries nothing.
    const size_t position = (i <= 6) ? 25 + i : 26 + i;
    m.annunciators[i] = position <= record.size() && record[position - 1] == '1';
  }
  m.weightHint = m.annunciators[1] ? "Net Weight" : "Gross Weight";
  int32_t value = 0;
  m.weightValue = ParseWholeNumber(m.weightText, value) ? value : kNoWeightValue;
  m.complete = record.size() >= static_cast<size_t>(kPanelRecordMinLength);
  return m;
}

int32_t DecodeScaleWeight(std::string_view field) {
  int32_t value = 0;
  return ParseWholeNumber(TrimControl(UpToNul(field)), value) ? value : 0;
}

DiscreteValue DecodeDiscrete(unsigned char first, unsigned char second) {
  DiscreteValue d;
  for (int k = 0; k < 4; ++k) d.lamps[k] = (first >> k) & 1;
  d.changeKey = static_cast<uint16_t>(first | (second << 8));
  return d;
}

}  // namespace zavo
