// Writes .reg text in the "Windows Registry Editor Version 5.00" form: a
// key line for every key, then its values; strings quoted with \\ and \"
// escapes, DWORDs as dword:, anything a quoted string cannot carry exactly
// (line breaks, zeros, a missing terminator) as hex(n):.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/reg_document.h"
#include "settings/reg_key.h"

namespace zavo {

class RegWriter {
 public:
  // newline is "\r\n" for files a registry editor imports, "\n" for reading.
  explicit RegWriter(std::string newline = "\r\n");

  // The key at fullPath (e.g. "HKEY_LOCAL_MACHINE\SOFTWARE\Zavo") and its
  // subtree. A root key is written without its own line when it has no
  // values.
  void AddKey(const std::string& fullPath, const RegKey& key);
  void AddDocument(const RegDocument& document);

  // UTF-8, header included.
  const std::string& text() const { return text_; }
  // UTF-16LE with BOM: the form a Windows registry editor imports.
  static std::vector<uint8_t> EncodeWindowsFile(std::string_view utf8);

 private:
  void AddValue(const std::string& name, const RegValue& value);

  std::string newline_;
  std::string text_;
};

}  // namespace zavo
