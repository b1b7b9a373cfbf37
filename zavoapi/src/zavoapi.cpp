// The four exported entry points. Each holds the API mutex for its whole run,
// so that register and close never race a read even if a caller breaks the
// one-call-at-a-time rule.
#include "zavoapi.h"

#include <memory>
#include <mutex>

#include "address_list.h"
#include "field_name.h"
#include "link_timing.h"
#include "terminal_link.h"

namespace {

std::mutex g_api;
// A plain pointer: on Windows a link still open at process exit is not torn
// down, since joining the io thread from the runtime's exit path would run
// under the loader lock. Callers close before unloading the library.
zavo::api::TerminalLink* g_link = nullptr;

void CloseLinkLocked() {
  delete g_link;
  g_link = nullptr;
}

#ifndef _WIN32
// Elsewhere an unload (or exit) with the link open closes it first, so that
// the io thread never outlives the code it runs.
struct CloseAtUnload {
  ~CloseAtUnload() {
    std::lock_guard lock(g_api);
    CloseLinkLocked();
  }
} g_closeAtUnload;
#endif

}  // namespace

extern "C" {

ZAVOAPI_EXPORT int16_t ZAVOAPI_CALL ZavRegisterProcessC(int32_t /*mode*/, const char* addresses,
                                                        int32_t count) {
  try {
    std::lock_guard lock(g_api);
    CloseLinkLocked();
    if (addresses == nullptr) return ZAV_ERR_BAD_ADDRESS_LIST;
    auto list = zavo::api::ParseAddressList(addresses);
    if (!list || static_cast<int32_t>(list->size()) != count) return ZAV_ERR_BAD_ADDRESS_LIST;
    auto link = std::make_unique<zavo::api::TerminalLink>(*list);
    if (!link->WaitSettled(std::chrono::steady_clock::now() + zavo::api::timing::kRegisterWait)) {
      return ZAV_ERR_NO_TERMINAL;
    }
    g_link = link.release();
    return ZAV_OK;
  } catch (...) {
    return ZAV_ERR_SYSTEM;
  }
}

ZAVOAPI_EXPORT int16_t ZAVOAPI_CALL ZavReadC(const char* name, int32_t length, char* buffer,
                                             int16_t* status) {
  int16_t result = ZAV_ERR_SYSTEM;
  try {
    std::lock_guard lock(g_api);
    if (name == nullptr || buffer == nullptr || length <= 0) {
      result = ZAV_ERR_BAD_ARGUMENT;
    } else if (g_link == nullptr) {
      result = ZAV_ERR_NOT_LINKED;
    } else if (auto parsed = zavo::api::ParseFieldName(name)) {
      result = g_link->Read(*parsed, length, buffer);
    } else {
      result = ZAV_ERR_BAD_NAME;
    }
  } catch (...) {
    result = ZAV_ERR_SYSTEM;
  }
  if (status != nullptr) *status = result;
  return result;
}

ZAVOAPI_EXPORT int32_t ZAVOAPI_CALL ZavSendKeystrokeC(int32_t terminal, int32_t kind,
                                                      int32_t code) {
  try {
    std::lock_guard lock(g_api);
    if (g_link == nullptr) return ZAV_ERR_NOT_LINKED;
    return g_link->SendKey(terminal, kind, code);
  } catch (...) {
    return ZAV_ERR_SYSTEM;
  }
}

ZAVOAPI_EXPORT int32_t ZAVOAPI_CALL ZavCloseProcessC(void) {
  try {
    std::lock_guard lock(g_api);
    CloseLinkLocked();
  } catch (...) {
  }
  return ZAV_OK;
}

}  // extern "C"
