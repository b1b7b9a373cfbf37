// A transaction on a tree held in memory: keys are opened below
// HKEY_LOCAL_MACHINE of the document; Commit hands a changed tree to the
// saver (nothing for the memory backend, the file writer for the file one).
#pragma once

#include <functional>

#include "settings/document_key.h"
#include "settings/key_value_store.h"
#include "settings/reg_document.h"

namespace zavo {

inline constexpr const char* kLocalMachine = "HKEY_LOCAL_MACHINE";

class DocumentTransaction : public Transaction {
 public:
  using Saver = std::function<void(const RegDocument&)>;
  // writable == false: Write and Create opens fail, as on a registry the
  // account may only read.
  DocumentTransaction(RegDocument& document, bool writable, Saver saver)
      : document_(document), writable_(writable), saver_(std::move(saver)) {}
  ~DocumentTransaction() override;

  std::unique_ptr<OpenKey> Open(const std::string& path, OpenMode mode) override;
  bool DeleteKey(const std::string& path) override;
  void Commit() override;
  // For destructors: commits, and swallows a failure.
  void CommitNoThrow() noexcept;

 private:
  RegDocument& document_;
  bool writable_;
  Saver saver_;
  bool changed_ = false;
};

}  // namespace zavo
