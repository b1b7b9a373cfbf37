// The backend off Windows: one .reg text file standing for
// HKEY_LOCAL_MACHINE. Each transaction holds an exclusive lock on
// "<file>.lock" for its whole length, reads the file, and when something
// changed writes it back in the form a Windows registry editor imports
// (UTF-16LE with BOM, version 5 header, CRLF), replacing it atomically.
// A file that cannot be parsed is reported with its line and never
// overwritten. Keys and values the program does not know are kept.
#pragma once

#include <string>

#include "settings/key_value_store.h"

namespace zavo {

class RegFileStore : public KeyValueStore {
 public:
  explicit RegFileStore(std::string path) : path_(std::move(path)) {}

  // $XDG_CONFIG_HOME/zavo-remote/registry.reg, or ~/.config/... when the
  // variable is unset or not an absolute path.
  static std::string DefaultPath();

  const std::string& path() const { return path_; }
  // Throws StoreError when the file cannot be read or parsed, or the folder
  // cannot be locked.
  std::unique_ptr<Transaction> Begin() override;

 private:
  std::string path_;
};

}  // namespace zavo
