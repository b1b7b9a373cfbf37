// Import of a .reg file into a store and export of a store's keys as a
// tree, on any backend, each in one transaction.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "settings/key_value_store.h"
#include "settings/reg_key.h"
#include "settings/reg_patch.h"

namespace zavo {

enum class ImportMode {
  // Values already in the store are kept; only what is missing is added.
  // So provisioning never undoes what the program or the operator stored.
  KeepExisting,
  // Values in the file replace the stored ones, as a registry editor does.
  Replace,
};

struct ImportSummary {
  int keysCreated = 0;
  int valuesAdded = 0;
  int valuesReplaced = 0;
  int valuesKept = 0;  // present already, left as they were
  int keysDeleted = 0;
  int valuesDeleted = 0;
  bool changedNothing() const {
    return keysCreated + valuesAdded + valuesReplaced + keysDeleted + valuesDeleted == 0;
  }
};

// Bad input for an import (a key outside HKEY_LOCAL_MACHINE); nothing has
// been written when it is thrown.
class ImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The patch's paths must lie below HKEY_LOCAL_MACHINE. Deletions in the
// file ([-key], "name"=-) are carried out in either mode. Throws
// ImportError, StoreError when a key cannot be opened for writing, and
// RegistryError from the backend.
ImportSummary ImportPatch(KeyValueStore& store, const RegPatch& patch, ImportMode mode);

// A copy of the key at path (relative to HKEY_LOCAL_MACHINE) with its
// subtree; nullopt when it does not exist.
std::optional<RegKey> ExportKey(KeyValueStore& store, const std::string& path);

// "HKEY_LOCAL_MACHINE\<path>", or the root alone for "".
std::string LocalMachinePath(const std::string& path);

}  // namespace zavo
