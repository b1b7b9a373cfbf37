#include "settings/default_store.h"

#ifdef _WIN32
#include "settings/windows_registry_store.h"
#else
#include "settings/reg_file_store.h"
#endif

namespace zavo {

std::unique_ptr<KeyValueStore> OpenDefaultStore() {
#ifdef _WIN32
  return std::make_unique<WindowsRegistryStore>();
#else
  return std::make_unique<RegFileStore>(RegFileStore::DefaultPath());
#endif
}

}  // namespace zavo
