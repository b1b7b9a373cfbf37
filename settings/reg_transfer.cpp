#include "settings/reg_transfer.h"

#include "settings/document_transaction.h"

namespace zavo {
namespace {

// The path below HKEY_LOCAL_MACHINE, or nullopt when the path lies elsewhere.
std::optional<std::string> BelowLocalMachine(const std::string& full) {
  std::string root = kLocalMachine;
  if (full == root) return std::string();
  if (full.size() > root.size() && full.compare(0, root.size(), root) == 0 &&
      full[root.size()] == '\\')
    return full.substr(root.size() + 1);
  return std::nullopt;
}

std::unique_ptr<OpenKey> OpenForImport(Transaction& tx, const std::string& path,
                                       ImportSummary& summary) {
  if (!tx.Open(path, OpenMode::Read)) ++summary.keysCreated;
  auto key = tx.Open(path, OpenMode::Create);
  if (!key) throw StoreError("cannot open " + LocalMachinePath(path) + " for writing");
  return key;
}

void CopyTree(Transaction& tx, const std::string& path, const OpenKey& key, RegKey& out) {
  for (const std::string& name : key.ValueNames())
    if (auto value = key.ReadValue(name)) out.SetValue(name, *value);
  for (const std::string& name : key.SubkeyNames()) {
    std::string subPath = path.empty() ? name : path + "\\" + name;
    if (auto sub = tx.Open(subPath, OpenMode::Read))
      CopyTree(tx, subPath, *sub, out.EnsureSubkey(name));
  }
}

}  // namespace

std::string LocalMachinePath(const std::string& path) {
  return path.empty() ? std::string(kLocalMachine) : std::string(kLocalMachine) + "\\" + path;
}

ImportSummary ImportPatch(KeyValueStore& store, const RegPatch& patch, ImportMode mode) {
  for (const RegOp& op : patch.ops)
    if (!BelowLocalMachine(op.path))
      throw ImportError("line " + std::to_string(op.line) + ": key " + op.path + " is outside " +
                        kLocalMachine + "; only its keys can be imported");

  ImportSummary summary;
  auto tx = store.Begin();
  for (const RegOp& op : patch.ops) {
    std::string path = *BelowLocalMachine(op.path);
    switch (op.kind) {
      case RegOp::Kind::CreateKey:
        OpenForImport(*tx, path, summary);
        break;
      case RegOp::Kind::DeleteKey:
        if (tx->DeleteKey(path)) ++summary.keysDeleted;
        break;
      case RegOp::Kind::SetValue: {
        auto key = OpenForImport(*tx, path, summary);
        std::optional<RegValue> old = key->ReadValue(op.name);
        if (!old) {
          key->WriteValue(op.name, op.value);
          ++summary.valuesAdded;
        } else if (mode == ImportMode::KeepExisting || *old == op.value) {
          ++summary.valuesKept;
        } else {
          key->WriteValue(op.name, op.value);
          ++summary.valuesReplaced;
        }
        break;
      }
      case RegOp::Kind::DeleteValue:
        if (auto key = tx->Open(path, OpenMode::Write))
          if (key->DeleteValue(op.name)) ++summary.valuesDeleted;
        break;
    }
  }
  tx->Commit();
  return summary;
}

std::optional<RegKey> ExportKey(KeyValueStore& store, const std::string& path) {
  auto tx = store.Begin();
  auto key = tx->Open(path, OpenMode::Read);
  if (!key) return std::nullopt;
  size_t slash = path.rfind('\\');
  RegKey out(path.empty()                 ? std::string(kLocalMachine)
             : slash == std::string::npos ? path
                                          : path.substr(slash + 1));
  CopyTree(*tx, path, *key, out);
  return out;
}

}  // namespace zavo
