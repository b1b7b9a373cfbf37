// Reads .reg files: "Windows Registry Editor Version 5.00" and "REGEDIT4",
// UTF-16LE with BOM, or without BOM UTF-8 when the bytes are valid UTF-8
// and Windows-1252 otherwise. Understands string escapes (\\ \" \n \r),
// dword:, hex:, hex(n): with ",\" continuations, ';' comments, [-key]
// and "name"=- deletions.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "settings/reg_patch.h"

namespace zavo {

class RegParseError : public std::runtime_error {
 public:
  RegParseError(int line, const std::string& message)
      : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

RegPatch ParseRegFile(std::string_view bytes);

// The canonical root name for a full or short root name (HKLM ->
// HKEY_LOCAL_MACHINE); empty when it is not one.
std::string CanonicalRegRoot(std::string_view name);

}  // namespace zavo
