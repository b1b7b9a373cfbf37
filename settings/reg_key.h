// One key of a registry tree held in memory: its values and subkeys in the
// order they came, names compared without regard to ASCII case.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/reg_value.h"

namespace zavo {

bool SameRegName(std::string_view a, std::string_view b);

class RegKey {
 public:
  explicit RegKey(std::string name = {}) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }
  const std::vector<std::pair<std::string, RegValue>>& values() const { return values_; }
  const std::vector<std::unique_ptr<RegKey>>& subkeys() const { return subkeys_; }

  const RegValue* FindValue(std::string_view name) const;
  // True when the value was added or changed.
  bool SetValue(const std::string& name, RegValue value);
  bool DeleteValue(std::string_view name);

  RegKey* FindSubkey(std::string_view name);
  const RegKey* FindSubkey(std::string_view name) const;
  // Sets *created when the subkey had to be added.
  RegKey& EnsureSubkey(const std::string& name, bool* created = nullptr);
  bool DeleteSubkey(std::string_view name);

 private:
  std::string name_;
  std::vector<std::pair<std::string, RegValue>> values_;
  std::vector<std::unique_ptr<RegKey>> subkeys_;
};

}  // namespace zavo
