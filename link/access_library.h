// The four calls of the terminal access library, as the panel makes them.
// The real library is loaded at run time (DynamicAccessLibrary); tests put a
// scripted one in its place.
#pragma once

#include <cstdint>
#include <string>

namespace zavo {

class AccessLibrary {
 public:
  virtual ~AccessLibrary() = default;
  // 0 = linked, anything else is the library's failure status.
  virtual int16_t Register(int32_t mode, const std::string& addresses, int32_t count) = 0;
  // Reads field `name` ("/z<n><field>") into at most `length` bytes of
  // `buffer`. Returns 0 when the buffer holds the value.
  virtual int16_t Read(const std::string& name, int32_t length, char* buffer) = 0;
  // The library's result is not looked at by the panel.
  virtual void SendKeystroke(int32_t terminal, int32_t kind, int32_t code) = 0;
  virtual void Close() = 0;
};

// Stands in when the real library could not be loaded: nothing links, every
// read fails with the library's own "not linked" status, keystrokes vanish.
class UnavailableAccessLibrary : public AccessLibrary {
 public:
  int16_t Register(int32_t, const std::string&, int32_t) override { return kNotLinked; }
  int16_t Read(const std::string&, int32_t, char*) override { return kNotLinked; }
  void SendKeystroke(int32_t, int32_t, int32_t) override {}
  void Close() override {}

  static constexpr int16_t kNotLinked = -1;  // ZAV_ERR_NOT_LINKED
};

}  // namespace zavo
