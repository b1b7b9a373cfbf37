// The backend on Windows: HKEY_LOCAL_MACHINE through the wide registry
// functions. Strings are written as REG_SZ; REG_SZ and REG_EXPAND_SZ are
// read as they are stored, never expanded. Each key is closed when its
// OpenKey goes; the registry needs no commit.
#pragma once

#ifdef _WIN32

#include "settings/key_value_store.h"

namespace zavo {

class WindowsRegistryStore : public KeyValueStore {
 public:
  std::unique_ptr<Transaction> Begin() override;
};

}  // namespace zavo

#endif
