// A whole registry tree in memory, as a .reg file holds it: the top keys
// are the roots (HKEY_LOCAL_MACHINE, ...). Paths are full, components
// joined by '\'; empty components are ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/reg_key.h"
#include "settings/reg_patch.h"

namespace zavo {

std::vector<std::string> SplitRegPath(std::string_view path);

class RegDocument {
 public:
  RegKey* Find(std::string_view path);
  const RegKey* Find(std::string_view path) const;
  // Sets *created when any key on the path had to be added.
  RegKey& Ensure(std::string_view path, bool* created = nullptr);
  // False when the key did not exist. The roots themselves cannot be removed
  // (only emptied), as in the registry.
  bool Delete(std::string_view path);

  // Applies a patch as a registry editor does: later statements win.
  void Apply(const RegPatch& patch);

  const RegKey& top() const { return top_; }

 private:
  RegKey top_;
};

}  // namespace zavo
