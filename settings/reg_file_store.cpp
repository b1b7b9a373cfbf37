#include "settings/reg_file_store.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "settings/atomic_file.h"
#include "settings/document_transaction.h"
#include "settings/file_lock.h"
#include "settings/reg_parser.h"
#include "settings/reg_writer.h"

namespace zavo {
namespace {

class RegFileTransaction : public Transaction {
 public:
  RegFileTransaction(const std::string& path, std::unique_ptr<FileLock> lock, RegDocument document)
      : lock_(std::move(lock)),
        document_(std::move(document)),
        inner_(document_, lock_->canWrite(), [path](const RegDocument& doc) {
          RegWriter writer;
          writer.AddDocument(doc);
          ReplaceFileAtomically(path, RegWriter::EncodeWindowsFile(writer.text()));
        }) {}
  // Commit while the lock is still held.
  ~RegFileTransaction() override { inner_.CommitNoThrow(); }

  std::unique_ptr<OpenKey> Open(const std::string& path, OpenMode mode) override {
    return inner_.Open(path, mode);
  }
  bool DeleteKey(const std::string& path) override { return inner_.DeleteKey(path); }
  void Commit() override { inner_.Commit(); }

 private:
  // Destroyed in reverse order: the write happens before the unlock.
  std::unique_ptr<FileLock> lock_;
  RegDocument document_;
  DocumentTransaction inner_;
};

}  // namespace

std::string RegFileStore::DefaultPath() {
  std::string base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* pw = ::getpwuid(::getuid());
      home = pw ? pw->pw_dir : "";
    }
    base = std::string(home) + "/.config";
  }
  return base + "/zavo-remote/registry.reg";
}

std::unique_ptr<Transaction> RegFileStore::Begin() {
  std::error_code ec;
  std::filesystem::path folder = std::filesystem::path(path_).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);

  auto lock = std::make_unique<FileLock>(path_ + ".lock");
  // Only a writer that died half-way leaves a temporary file; under the lock
  // no other writer can be using it.
  if (lock->canWrite()) ::unlink(TemporaryPathFor(path_).c_str());

  RegDocument document;
  if (std::optional<std::string> bytes = ReadWholeFile(path_)) {
    try {
      document.Apply(ParseRegFile(*bytes));
    } catch (const RegParseError& e) {
      throw StoreError(path_ + ": " + e.what());
    }
  }
  return std::make_unique<RegFileTransaction>(path_, std::move(lock), std::move(document));
}

}  // namespace zavo
