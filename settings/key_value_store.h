// The small key-value interface the settings store is written against: the
// operations of a registry accessor (open a key in one of three modes, read
// and write named string, integer and boolean values, close) with the
// registry's failure behaviour. Backends: memory (tests), the Windows
// registry, and a .reg text file standing for HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "settings/reg_value.h"

namespace zavo {

// Last error numbers the backends report, as the Windows registry does.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorAccessDenied = 5;

// A registry error; what() is the accessor's message, e.g.
// "Failed to get data for 'Benchmark'".
class RegistryError : public std::runtime_error {
 public:
  explicit RegistryError(const std::string& message, uint32_t lastError = 0)
      : std::runtime_error(message), lastError_(lastError) {}
  // The operating system's last error number when the error arose (0 if none).
  uint32_t lastError() const { return lastError_; }

 private:
  uint32_t lastError_;
};

// The backend itself failed (file unreadable or unparsable, lock or write
// failure); what() names the file and, for a parse error, the line.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class OpenMode {
  Read,    // existing key, read only
  Write,   // existing key, full access, never creates
  Create,  // full access, creates every missing key on the path
};

// One open key. Paths are relative to HKEY_LOCAL_MACHINE, no leading
// backslash, components joined by '\'. Names compare without regard to
// ASCII case, as in the registry.
//
// Backends implement the raw operations; the typed ones are built on them
// so that every backend gives the same results and messages.
class OpenKey {
 public:
  virtual ~OpenKey() = default;

  virtual std::optional<RegValue> ReadValue(const std::string& name) const = 0;
  // A key opened for reading refuses: "Failed to set data for '%s'".
  virtual void WriteValue(const std::string& name, const RegValue& value) = 0;
  // False when there was no such value; a key opened for reading refuses.
  virtual bool DeleteValue(const std::string& name) = 0;
  virtual std::vector<std::string> ValueNames() const = 0;
  virtual std::vector<std::string> SubkeyNames() const = 0;

  virtual bool HasValue(const std::string& name) const { return ReadValue(name).has_value(); }
  // Missing -> "". REG_SZ and REG_EXPAND_SZ are read, without expansion;
  // another type throws "Invalid data type for '%s'".
  virtual std::string ReadString(const std::string& name) const;
  // Missing -> "Failed to get data for '%s'"; not a DWORD -> "Invalid data
  // type for '%s'".
  virtual int32_t ReadInteger(const std::string& name) const;
  virtual bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
  virtual void WriteString(const std::string& name, const std::string& value);
  virtual void WriteInteger(const std::string& name, int32_t value);
  virtual void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
};

// The accessor's messages, with the value name in place of %s.
RegistryError GetDataError(const std::string& name, uint32_t lastError = kErrorFileNotFound);
RegistryError DataTypeError(const std::string& name);
RegistryError SetDataError(const std::string& name, uint32_t lastError = kErrorAccessDenied);

// One store operation: every key it opens belongs to one transaction, so a
// file backend can hold its lock for the operation and write the file once
// at the end. Whatever was written before an error stays written, as with
// the registry: the transaction commits when it is destroyed, too.
class Transaction {
 public:
  virtual ~Transaction() = default;
  // Null when the key does not exist (Read, Write) or cannot be opened in
  // that mode; the caller then skips that key silently.
  virtual std::unique_ptr<OpenKey> Open(const std::string& path, OpenMode mode) = 0;
  // Removes the key with all its subkeys; false when it did not exist.
  // Throws RegistryError when the store refuses.
  virtual bool DeleteKey(const std::string& path) = 0;
  // Makes the writes durable. Throws StoreError when that fails.
  virtual void Commit() = 0;
};

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  virtual std::unique_ptr<Transaction> Begin() = 0;
};

}  // namespace zavo
