// The platform's settings backend: the Windows registry on Windows, the
// .reg file at RegFileStore::DefaultPath() elsewhere.
#pragma once

#include <memory>

#include "settings/key_value_store.h"

namespace zavo {

std::unique_ptr<KeyValueStore> OpenDefaultStore();

}  // namespace zavo
