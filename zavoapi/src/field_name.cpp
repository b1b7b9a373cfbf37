#include "field_name.h"

#include <algorithm>
#include <cstring>

#include "wire_messages.h"

namespace zavo::api {

std::optional<FieldName> ParseFieldName(const char* name) {
  // Longest valid name: "/z" + 9 digits + a maximal field.
  constexpr std::size_t kMaxName = 2 + 9 + proto::kMaxFieldName;
  std::size_t size = 0;
  while (size <= kMaxName && name[size] != '\0') ++size;
  if (size > kMaxName || size < 3 || name[0] != '/' || name[1] != 'z') return std::nullopt;
  std::size_t pos = 2;
  std::int64_t terminal = 0;
  while (pos < size && name[pos] >= '0' && name[pos] <= '9') {
    terminal = terminal * 10 + (name[pos] - '0');
    if (++pos > 2 + 9) return std::nullopt;
  }
  if (pos == 2) return std::nullopt;
  FieldName parsed{terminal, std::string(name + pos, size - pos)};
  if (!proto::IsValidFieldName(parsed.field)) return std::nullopt;
  return parsed;
}

bool IsRawField(const std::string& field) {
  return field == "/bd030" || field == "/bd031";
}

void CopyFieldValue(bool raw, const std::uint8_t* value, std::size_t size, std::int32_t length,
                    char* buffer) {
  const auto room = static_cast<std::size_t>(length);
  if (raw) {
    const std::size_t n = std::min(size, room);
    if (n > 0) std::memcpy(buffer, value, n);
    std::memset(buffer + n, 0, room - n);
    return;
  }
  std::size_t n = 0;
  while (n < size && n + 1 < room && value[n] != 0) ++n;
  if (n > 0) std::memcpy(buffer, value, n);
  buffer[n] = '\0';
}

}  // namespace zavo::api
