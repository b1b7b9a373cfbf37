// A backend wrapper that records what the settings store does, in order,
// and can make one chosen write fail as a refused registry write does.
#pragma once

#include <string>
#include <vector>

#include "settings/key_value_store.h"
#include "settings/settings_store.h"

namespace zavo::testing {

class RecordingStore : public KeyValueStore {
 public:
  explicit RecordingStore(KeyValueStore& inner) : inner_(inner) {}

  std::unique_ptr<Transaction> Begin() override;

  // Entries: "open root read", "read Benchmark", "write LPrintPort",
  // "close", "commit"; slots appear as "Zav2", the terminal program's key
  // as "terminal".
  std::vector<std::string> log;
  // The write number failWrite (counted from 1 over the whole store) throws
  // "Failed to set data for '%s'"; 0 for none.
  int failWrite = 0;
  int writes = 0;

 private:
  KeyValueStore& inner_;
};

}  // namespace zavo::testing
