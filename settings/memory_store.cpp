#include "settings/memory_store.h"

namespace zavo {

std::unique_ptr<Transaction> MemoryStore::Begin() {
  return std::make_unique<DocumentTransaction>(document_, writable_, nullptr);
}

}  // namespace zavo
