#include "settings/document_transaction.h"

namespace zavo {

DocumentTransaction::~DocumentTransaction() {
  CommitNoThrow();
}

std::unique_ptr<OpenKey> DocumentTransaction::Open(const std::string& path, OpenMode mode) {
  std::string full = std::string(kLocalMachine) + "\\" + path;
  if (mode != OpenMode::Read && !writable_) return nullptr;
  RegKey* key = nullptr;
  if (mode == OpenMode::Create) {
    key = &document_.Ensure(full, &changed_);
  } else {
    key = document_.Find(full);
  }
  if (!key) return nullptr;
  return std::make_unique<DocumentKey>(*key, mode != OpenMode::Read, &changed_);
}

bool DocumentTransaction::DeleteKey(const std::string& path) {
  if (!writable_) throw RegistryError("Failed to delete key '" + path + "'", kErrorAccessDenied);
  if (SplitRegPath(path).empty()) return false;  // HKEY_LOCAL_MACHINE itself stays
  bool deleted = document_.Delete(std::string(kLocalMachine) + "\\" + path);
  if (deleted) changed_ = true;
  return deleted;
}

void DocumentTransaction::Commit() {
  if (!changed_) return;
  changed_ = false;
  if (saver_) saver_(document_);
}

void DocumentTransaction::CommitNoThrow() noexcept {
  try {
    Commit();
  } catch (...) {
  }
}

}  // namespace zavo
