// What a .reg file says, in its order: keys to create or delete, values to
// set or delete. Paths are full, starting with the canonical root name
// (HKEY_LOCAL_MACHINE, ...), components joined by '\'.
#pragma once

#include <string>
#include <vector>

#include "settings/reg_value.h"

namespace zavo {

struct RegOp {
  enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue };
  Kind kind = Kind::CreateKey;
  std::string path;
  std::string name;  // values only; "" is the key's default value
  RegValue value;    // SetValue only
  int line = 0;      // where the file said it
};

struct RegPatch {
  bool version5 = true;  // false for a REGEDIT4 file
  std::vector<RegOp> ops;
};

}  // namespace zavo
