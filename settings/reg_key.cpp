#include "settings/reg_key.h"

#include <algorithm>

namespace zavo {

bool SameRegName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

const RegValue* RegKey::FindValue(std::string_view name) const {
  for (const auto& [n, v] : values_)
    if (SameRegName(n, name)) return &v;
  return nullptr;
}

bool RegKey::SetValue(const std::string& name, RegValue value) {
  for (auto& [n, v] : values_) {
    if (!SameRegName(n, name)) continue;
    if (v == value) return false;
    v = std::move(value);
    return true;
  }
  values_.emplace_back(name, std::move(value));
  return true;
}

bool RegKey::DeleteValue(std::string_view name) {
  auto it = std::find_if(values_.begin(), values_.end(),
                         [&](const auto& nv) { return SameRegName(nv.first, name); });
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

RegKey* RegKey::FindSubkey(std::string_view name) {
  for (auto& k : subkeys_)
    if (SameRegName(k->name(), name)) return k.get();
  return nullptr;
}

const RegKey* RegKey::FindSubkey(std::string_view name) const {
  return const_cast<RegKey*>(this)->FindSubkey(name);
}

RegKey& RegKey::EnsureSubkey(const std::string& name, bool* created) {
  if (RegKey* k = FindSubkey(name)) return *k;
  if (created) *created = true;
  subkeys_.push_back(std::make_unique<RegKey>(name));
  return *subkeys_.back();
}

bool RegKey::DeleteSubkey(std::string_view name) {
  auto it = std::find_if(subkeys_.begin(), subkeys_.end(),
                         [&](const auto& k) { return SameRegName(k->name(), name); });
  if (it == subkeys_.end()) return false;
  subkeys_.erase(it);
  return true;
}

}  // namespace zavo
