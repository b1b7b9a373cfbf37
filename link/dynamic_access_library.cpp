#include "link/dynamic_access_library.h"

#include <cstdint>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#endif

namespace zavo {

struct DynamicAccessLibrary::Api {
  using RegisterFn = int16_t (*)(int32_t, const char*, int32_t);
  using ReadFn = int16_t (*)(const char*, int32_t, char*, int16_t*);
  using KeystrokeFn = int32_t (*)(int32_t, int32_t, int32_t);
  using CloseFn = int32_t (*)();
  RegisterFn registerProcess = nullptr;
  ReadFn read = nullptr;
  KeystrokeFn sendKeystroke = nullptr;
  CloseFn closeProcess = nullptr;
};

namespace {

std::string ProgramDirectory() {
#ifdef _WIN32
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::string path(buffer, n);
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
#else
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  std::string path(buffer, static_cast<size_t>(n));
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
#endif
}

void* OpenLibrary(const std::string& path, std::string& why) {
#ifdef _WIN32
  HMODULE h = LoadLibraryA(path.c_str());
  if (!h) why = "error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(h);
#else
  void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!h) {
    const char* e = dlerror();
    why = e ? e : "unknown error";
  }
  return h;
#endif
}

void CloseLibrary(void* handle) {
#ifdef _WIN32
  FreeLibrary(reinterpret_cast<HMODULE>(handle));
#else
  dlclose(handle);
#endif
}

template <typename Fn>
bool Resolve(void* handle, const char* name, Fn& fn) {
#ifdef _WIN32
  FARPROC p = GetProcAddress(reinterpret_cast<HMODULE>(handle), name);
#else
  void* p = dlsym(handle, name);
#endif
  // Converting an object or procedure address to a function pointer is how
  // both loaders hand out symbols.
  fn = reinterpret_cast<Fn>(reinterpret_cast<uintptr_t>(p));
  return p != nullptr;
}

}  // namespace

const char* DynamicAccessLibrary::FileName() {
#ifdef _WIN32
  return "ZAVOAPI.DLL";
#else
  return "libzavoapi.so";
#endif
}

std::vector<std::string> DynamicAccessLibrary::DefaultCandidates() {
  std::vector<std::string> candidates;
  const std::string dir = ProgramDirectory();
  if (!dir.empty()) candidates.push_back(dir + FileName());
  candidates.push_back(FileName());
  return candidates;
}

std::unique_ptr<DynamicAccessLibrary> DynamicAccessLibrary::Load(
    const std::vector<std::string>& candidates) {
  std::string report;
  for (const std::string& path : candidates) {
    std::string why;
    void* handle = OpenLibrary(path, why);
    if (!handle) {
      report += "\n" + path + ": " + why;
      continue;
    }
    auto api = std::make_unique<Api>();
    const char* missing = nullptr;
    if (!Resolve(handle, "ZavRegisterProcessC", api->registerProcess))
      missing = "ZavRegisterProcessC";
    else if (!Resolve(handle, "ZavReadC", api->read))
      missing = "ZavReadC";
    else if (!Resolve(handle, "ZavSendKeystrokeC", api->sendKeystroke))
      missing = "ZavSendKeystrokeC";
    else if (!Resolve(handle, "ZavCloseProcessC", api->closeProcess))
      missing = "ZavCloseProcessC";
    if (missing) {
      CloseLibrary(handle);
      report += "\n" + path + ": has no function " + missing;
      continue;
    }
    return std::unique_ptr<DynamicAccessLibrary>(
        new DynamicAccessLibrary(handle, path, std::move(api)));
  }
  throw LibraryLoadError(std::string("Cannot load the terminal access library ") + FileName() +
                         ":" + (report.empty() ? std::string(" nothing to try") : report));
}

DynamicAccessLibrary::DynamicAccessLibrary(void* handle, std::string path, std::unique_ptr<Api> api)
    : handle_(handle), path_(std::move(path)), api_(std::move(api)) {}

DynamicAccessLibrary::~DynamicAccessLibrary() {
  // The link must be down before the code that runs it goes away.
  api_->closeProcess();
  CloseLibrary(handle_);
}

int16_t DynamicAccessLibrary::Register(int32_t mode, const std::string& addresses, int32_t count) {
  return api_->registerProcess(mode, addresses.c_str(), count);
}

int16_t DynamicAccessLibrary::Read(const std::string& name, int32_t length, char* buffer) {
  int16_t status = 0;  // the panel never looks at the status word
  return api_->read(name.c_str(), length, buffer, &status);
}

void DynamicAccessLibrary::SendKeystroke(int32_t terminal, int32_t kind, int32_t code) {
  api_->sendKeystroke(terminal, kind, code);
}

void DynamicAccessLibrary::Close() {
  api_->closeProcess();
}

}  // namespace zavo
