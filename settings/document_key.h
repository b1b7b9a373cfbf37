// An open key of a tree held in memory (memory and file backends).
#pragma once

#include "settings/key_value_store.h"
#include "settings/reg_key.h"

namespace zavo {

class DocumentKey : public OpenKey {
 public:
  // *changed is set whenever a write alters the tree.
  DocumentKey(RegKey& key, bool writable, bool* changed)
      : key_(key), writable_(writable), changed_(changed) {}

  std::optional<RegValue> ReadValue(const std::string& name) const override;
  void WriteValue(const std::string& name, const RegValue& value) override;
  bool DeleteValue(const std::string& name) override;
  std::vector<std::string> ValueNames() const override;
  std::vector<std::string> SubkeyNames() const override;

 private:
  RegKey& key_;
  bool writable_;
  bool* changed_;
};

}  // namespace zavo
