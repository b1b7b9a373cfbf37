#include "recording_store.h"

namespace zavo::testing {
namespace {

std::string ShortPath(const std::string& path) {
  std::string root = kRootPath;
  if (path == root) return "root";
  if (path == kTerminalProgramPath) return "terminal";
  if (path.starts_with(root + "\\")) return path.substr(root.size() + 1);
  return path;
}

const char* ModeName(OpenMode mode) {
  switch (mode) {
    case OpenMode::Read:
      return "read";
    case OpenMode::Write:
      return "write";
    case OpenMode::Create:
      return "create";
  }
  return "?";
}

class RecordingKey : public OpenKey {
 public:
  RecordingKey(std::unique_ptr<OpenKey> inner, RecordingStore& store)
      : inner_(std::move(inner)), store_(store) {}
  ~RecordingKey() override { store_.log.push_back("close"); }

  std::optional<RegValue> ReadValue(const std::string& name) const override {
    return inner_->ReadValue(name);
  }
  void WriteValue(const std::string& name, const RegValue& value) override {
    inner_->WriteValue(name, value);
  }
  bool DeleteValue(const std::string& name) override { return inner_->DeleteValue(name); }
  std::vector<std::string> ValueNames() const override { return inner_->ValueNames(); }
  std::vector<std::string> SubkeyNames() const override { return inner_->SubkeyNames(); }
  bool HasValue(const std::string& name) const override { return inner_->HasValue(name); }

  std::string ReadString(const std::string& name) const override {
    store_.log.push_back("read " + name);
    return inner_->ReadString(name);
  }
  int32_t ReadInteger(const std::string& name) const override {
    store_.log.push_back("read " + name);
    return inner_->ReadInteger(name);
  }
  bool ReadBool(const std::string& name) const override {
    store_.log.push_back("read " + name);
    return inner_->ReadBool(name);
  }
  void WriteString(const std::string& name, const std::string& value) override {
    Count(name);
    inner_->WriteString(name, value);
  }
  void WriteInteger(const std::string& name, int32_t value) override {
    Count(name);
    inner_->WriteInteger(name, value);
  }
  void WriteBool(const std::string& name, bool value) override {
    Count(name);
    inner_->WriteBool(name, value);
  }

 private:
  void Count(const std::string& name) {
    store_.log.push_back("write " + name);
    if (++store_.writes == store_.failWrite) throw SetDataError(name);
  }

  std::unique_ptr<OpenKey> inner_;
  RecordingStore& store_;
};

class RecordingTransaction : public Transaction {
 public:
  RecordingTransaction(std::unique_ptr<Transaction> inner, RecordingStore& store)
      : inner_(std::move(inner)), store_(store) {}

  std::unique_ptr<OpenKey> Open(const std::string& path, OpenMode mode) override {
    store_.log.push_back("open " + ShortPath(path) + " " + ModeName(mode));
    auto key = inner_->Open(path, mode);
    if (!key) return nullptr;
    return std::make_unique<RecordingKey>(std::move(key), store_);
  }
  bool DeleteKey(const std::string& path) override { return inner_->DeleteKey(path); }
  void Commit() override {
    store_.log.push_back("commit");
    inner_->Commit();
  }

 private:
  std::unique_ptr<Transaction> inner_;
  RecordingStore& store_;
};

}  // namespace

std::unique_ptr<Transaction> RecordingStore::Begin() {
  return std::make_unique<RecordingTransaction>(inner_.Begin(), *this);
}

}  // namespace zavo::testing
