// The backend for tests: a registry tree in memory. Tests may put any value
// into document() (wrong types included) and make the store read-only.
#pragma once

#include "settings/document_transaction.h"
#include "settings/key_value_store.h"
#include "settings/reg_document.h"

namespace zavo {

class MemoryStore : public KeyValueStore {
 public:
  std::unique_ptr<Transaction> Begin() override;

  RegDocument& document() { return document_; }
  // False: keys open for reading only, as for an account that may not
  // write HKEY_LOCAL_MACHINE.
  void SetWritable(bool writable) { writable_ = writable; }

 private:
  RegDocument document_;
  bool writable_ = true;
};

}  // namespace zavo
