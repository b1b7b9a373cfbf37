#include "link/terminal_connection.h"

#include <algorithm>
#include <cctype>

#include "link/panel_decoder.h"

namespace zavo {
namespace {

constexpr int32_t kIdentityLength = 16;
constexpr size_t kIdentityBufferSize = 18;

}  // namespace

ConnectOutcome ConnectLink(AccessLibrary& library, const std::string& ipList, int terminalCount) {
  library.Close();
  if (terminalCount <= 0) return ConnectOutcome::NoList;
  if (library.Register(1, ipList, terminalCount) != 0) {
    library.Close();
    return ConnectOutcome::ConnectFailed;
  }
  return ConnectOutcome::Connected;
}

const std::array<const char*, 4>& IdentityFields() {
  static const std::array<const char*, 4> fields = {"/cs118", "/cs130", "/zav11", "/bd005"};
  return fields;
}

IdentityTexts ReadIdentityTexts(AccessLibrary& library, int terminal) {
  static const std::array<const char*, 4> prefixes = {"", "Calibrated: ", "SWID: ", "P/N: "};
  IdentityTexts result;
  for (size_t i = 0; i < 4; ++i) {
    char buffer[kIdentityBufferSize] = {};
    const std::string name = "/z" + std::to_string(terminal) + IdentityFields()[i];
    if (library.Read(name, kIdentityLength, buffer) != 0) {
      result.texts[i] = kIdentityFailed;
      continue;
    }
    const std::string value(buffer);  // up to the first NUL; the buffer keeps one
    // The scale ID is shown as read; the others trimmed behind their prefix.
    result.texts[i] = i == 0 ? value : prefixes[i] + TrimControl(value);
  }
  return result;
}

bool WantsAlternativeKeys(const std::string& caption) {
  std::string upper = caption;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return !caption.empty() && upper.find("ZAVOR") != std::string::npos;
}

}  // namespace zavo
