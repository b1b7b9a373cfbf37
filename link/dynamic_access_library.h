// The access library loaded by file name when the program runs: ZAVOAPI.DLL
// on Windows, libzavoapi.so elsewhere, looked for beside the program first
// and then wherever the system's loader looks.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/access_library.h"

namespace zavo {

// The library or one of its four functions could not be loaded; what() says
// which file was tried and why.
class LibraryLoadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class DynamicAccessLibrary : public AccessLibrary {
 public:
  // "ZAVOAPI.DLL" or "libzavoapi.so".
  static const char* FileName();
  // The candidates in the order they are tried: beside the program, then the
  // bare name for the system's search.
  static std::vector<std::string> DefaultCandidates();

  // Loads the first candidate that loads and has all four functions.
  // Throws LibraryLoadError naming every candidate tried.
  static std::unique_ptr<DynamicAccessLibrary> Load(const std::vector<std::string>& candidates);
  static std::unique_ptr<DynamicAccessLibrary> Load() { return Load(DefaultCandidates()); }

  ~DynamicAccessLibrary() override;
  DynamicAccessLibrary(const DynamicAccessLibrary&) = delete;
  DynamicAccessLibrary& operator=(const DynamicAccessLibrary&) = delete;

  const std::string& path() const { return path_; }

  int16_t Register(int32_t mode, const std::string& addresses, int32_t count) override;
  int16_t Read(const std::string& name, int32_t length, char* buffer) override;
  void SendKeystroke(int32_t terminal, int32_t kind, int32_t code) override;
  void Close() override;

 private:
  struct Api;
  DynamicAccessLibrary(void* handle, std::string path, std::unique_ptr<Api> api);

  void* handle_;
  std::string path_;
  std::unique_ptr<Api> api_;
};

}  // namespace zavo
