// The decisions of connecting to the terminals and reading a terminal's
// identity: what to call on the access library, in which order, and what
// the face should show as a result. The main window applies the results.
#pragma once

#include <array>
#include <string>

#include "link/access_library.h"

namespace zavo {

enum class ConnectOutcome {
  NoList,         // no terminal configured: nothing was registered
  ConnectFailed,  // register refused; the link was closed again
  Connected,
};

// Closes any open link, then registers the stored address text unchanged
// with its terminal count. A failed register is followed by a close.
ConnectOutcome ConnectLink(AccessLibrary& library, const std::string& ipList, int terminalCount);

inline constexpr const char* kIdentityFailed = "--------";

// The four identity texts in the order scale ID, calibration date, software
// ID, part number: what the dark labels (and then the light ones) show.
struct IdentityTexts {
  std::array<std::string, 4> texts;
  const std::string& osVersion() const { return texts[2]; }
};

// The identity fields in read order: /cs118, /cs130, /zav11, /bd005.
const std::array<const char*, 4>& IdentityFields();

// Reads the four fields of terminal n; a failed read shows "--------" for
// that field only.
IdentityTexts ReadIdentityTexts(AccessLibrary& library, int terminal);

// The alternative keypad set belongs to terminals whose software ID caption
// contains ZAVOR in any case.
bool WantsAlternativeKeys(const std::string& osVersionCaption);

}  // namespace zavo
