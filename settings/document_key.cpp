#include "settings/document_key.h"

namespace zavo {

std::optional<RegValue> DocumentKey::ReadValue(const std::string& name) const {
  if (const RegValue* v = key_.FindValue(name)) return *v;
  return std::nullopt;
}

void DocumentKey::WriteValue(const std::string& name, const RegValue& value) {
  if (!writable_) throw SetDataError(name);
  if (key_.SetValue(name, value)) *changed_ = true;
}

bool DocumentKey::DeleteValue(const std::string& name) {
  if (!writable_) throw RegistryError("Failed to delete value '" + name + "'", kErrorAccessDenied);
  bool deleted = key_.DeleteValue(name);
  if (deleted) *changed_ = true;
  return deleted;
}

std::vector<std::string> DocumentKey::ValueNames() const {
  std::vector<std::string> names;
  for (const auto& nv : key_.values()) names.push_back(nv.first);
  return names;
}

std::vector<std::string> DocumentKey::SubkeyNames() const {
  std::vector<std::string> names;
  for (const auto& k : key_.subkeys()) names.push_back(k->name());
  return names;
}

}  // namespace zavo
