#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zavo::api {

struct FieldName {
  std::int64_t terminal = 0;  // as written; the caller checks its range
  std::string field;          // "/bd001"
};

// Splits "/z" + decimal terminal number + field ("/z2/bd001"). Gives nothing
// for anything else: a missing or non-decimal number, a field that is not
// "/" followed by letters, digits or '_', or an overlong name.
std::optional<FieldName> ParseFieldName(const char* name);

// Fields whose value is raw bytes (the discrete input and output words);
// every other field is text.
bool IsRawField(const std::string& field);

// Writes a value into the caller's buffer of `length` bytes (length >= 1),
// never beyond: a raw value is copied and zero-padded to `length`; a text
// value is cut at its first NUL and at length - 1 bytes and always ends with
// a NUL.
void CopyFieldValue(bool raw, const std::uint8_t* value, std::size_t size, std::int32_t length,
                    char* buffer);

}  // namespace zavo::api
