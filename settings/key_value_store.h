// The small key-value interface the settings store is written against: the
// operations of a registry accessor (open a key in one of three modes, read
// and write named string, integer and boolean values, close) with the
// registry's failure behaviour. Backends: memory (tests), the Windows
// registry, and a .reg text file standing for HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace zavo {

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
// backslash, components joined by '\'.
class OpenKey {
 public:
  virtual ~OpenKey() = default;
  virtual bool HasValue(const std::string& name) const = 0;
  // Missing -> "". REG_SZ and REG_EXPAND_SZ are read, without expansion;
  // another type throws "Invalid data type for '%s'".
  virtual std::string ReadString(const std::string& name) const = 0;
  // Missing -> "Failed to get data for '%s'"; not a DWORD -> "Invalid data
  // type for '%s'".
  virtual int32_t ReadInteger(const std::string& name) const = 0;
  virtual bool ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }
  // A key opened for reading refuses: "Failed to set data for '%s'".
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  virtual void WriteInteger(const std::string& name, int32_t value) = 0;
  virtual void WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }
};

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
  // Makes the writes durable. Throws StoreError when that fails.
  virtual void Commit() = 0;
};

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;
  virtual std::unique_ptr<Transaction> Begin() = 0;
};

}  // namespace zavo
