// Conversions between the program's UTF-8 text and the forms a .reg file
// and the registry use: UTF-16LE and Windows-1252. A lone UTF-16 surrogate
// becomes its three-byte form in UTF-8 and back again, so that no string
// read from the registry is changed by a round trip.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zavo {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);
// Invalid sequences become U+FFFD; encoded surrogates pass through.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
std::string Windows1252ToUtf8(std::string_view text);

std::vector<uint8_t> Utf16ToLeBytes(std::u16string_view text);
// An odd last byte is dropped.
std::u16string LeBytesToUtf16(const std::vector<uint8_t>& bytes);

}  // namespace zavo
