#include "settings/reg_document.h"

namespace zavo {

std::vector<std::string> SplitRegPath(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

RegKey* RegDocument::Find(std::string_view path) {
  RegKey* key = &top_;
  for (const std::string& part : SplitRegPath(path)) {
    key = key->FindSubkey(part);
    if (!key) return nullptr;
  }
  return key == &top_ ? nullptr : key;
}

const RegKey* RegDocument::Find(std::string_view path) const {
  return const_cast<RegDocument*>(this)->Find(path);
}

RegKey& RegDocument::Ensure(std::string_view path, bool* created) {
  RegKey* key = &top_;
  for (const std::string& part : SplitRegPath(path)) key = &key->EnsureSubkey(part, created);
  return *key;
}

bool RegDocument::Delete(std::string_view path) {
  std::vector<std::string> parts = SplitRegPath(path);
  if (parts.empty()) return false;
  RegKey* parent = &top_;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    parent = parent->FindSubkey(parts[i]);
    if (!parent) return false;
  }
  if (parts.size() == 1) {
    RegKey* root = top_.FindSubkey(parts[0]);
    if (!root) return false;
    std::string name = root->name();
    top_.DeleteSubkey(name);
    top_.EnsureSubkey(name);
    return true;
  }
  return parent->DeleteSubkey(parts.back());
}

void RegDocument::Apply(const RegPatch& patch) {
  for (const RegOp& op : patch.ops) {
    switch (op.kind) {
      case RegOp::Kind::CreateKey:
        Ensure(op.path);
        break;
      case RegOp::Kind::DeleteKey:
        Delete(op.path);
        break;
      case RegOp::Kind::SetValue:
        Ensure(op.path).SetValue(op.name, op.value);
        break;
      case RegOp::Kind::DeleteValue:
        if (RegKey* key = Find(op.path)) key->DeleteValue(op.name);
        break;
    }
  }
}

}  // namespace zavo
