#include "settings/windows_registry_store.h"

#ifdef _WIN32

#include <windows.h>

#include "settings/text_encoding.h"

namespace zavo {
namespace {

std::wstring Wide(const std::string& utf8) {
  std::u16string w = Utf8ToUtf16(utf8);
  return std::wstring(w.begin(), w.end());
}

std::string Narrow(const wchar_t* text, size_t length) {
  return Utf16ToUtf8(std::u16string(text, text + length));
}

class WindowsKey : public OpenKey {
 public:
  WindowsKey(HKEY key, bool writable) : key_(key), writable_(writable) {}
  ~WindowsKey() override { RegCloseKey(key_); }

  std::optional<RegValue> ReadValue(const std::string& name) const override {
    std::wstring wname = Wide(name);
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD type = 0, size = 0;
      LSTATUS rc = RegQueryValueExW(key_, wname.c_str(), nullptr, &type, nullptr, &size);
      if (rc == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (rc != ERROR_SUCCESS) throw GetDataError(name, static_cast<uint32_t>(rc));
      RegValue value{type, std::vector<uint8_t>(size)};
      rc = RegQueryValueExW(key_, wname.c_str(), nullptr, &type, value.data.data(), &size);
      if (rc == ERROR_MORE_DATA) continue;  // grew in between
      if (rc == ERROR_FILE_NOT_FOUND) return std::nullopt;
      if (rc != ERROR_SUCCESS) throw GetDataError(name, static_cast<uint32_t>(rc));
      value.type = type;
      value.data.resize(size);
      return value;
    }
    throw GetDataError(name, ERROR_MORE_DATA);
  }

  void WriteValue(const std::string& name, const RegValue& value) override {
    if (!writable_) throw SetDataError(name);
    LSTATUS rc = RegSetValueExW(key_, Wide(name).c_str(), 0, value.type, value.data.data(),
                                static_cast<DWORD>(value.data.size()));
    if (rc != ERROR_SUCCESS) throw SetDataError(name, static_cast<uint32_t>(rc));
  }

  bool DeleteValue(const std::string& name) override {
    if (!writable_)
      throw RegistryError("Failed to delete value '" + name + "'", kErrorAccessDenied);
    LSTATUS rc = RegDeleteValueW(key_, Wide(name).c_str());
    if (rc == ERROR_FILE_NOT_FOUND) return false;
    if (rc != ERROR_SUCCESS)
      throw RegistryError("Failed to delete value '" + name + "'", static_cast<uint32_t>(rc));
    return true;
  }

  std::vector<std::string> ValueNames() const override { return Enumerate(false); }
  std::vector<std::string> SubkeyNames() const override { return Enumerate(true); }

 private:
  std::vector<std::string> Enumerate(bool subkeys) const {
    std::vector<std::string> names;
    // Registry names are at most 16383 characters long.
    std::vector<wchar_t> buf(16384);
    for (DWORD i = 0;; ++i) {
      DWORD length = static_cast<DWORD>(buf.size());
      LSTATUS rc =
          subkeys ? RegEnumKeyExW(key_, i, buf.data(), &length, nullptr, nullptr, nullptr, nullptr)
                  : RegEnumValueW(key_, i, buf.data(), &length, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) break;
      if (rc != ERROR_SUCCESS)
        throw RegistryError("Failed to list the key", static_cast<uint32_t>(rc));
      names.push_back(Narrow(buf.data(), length));
    }
    return names;
  }

  HKEY key_;
  bool writable_;
};

class WindowsTransaction : public Transaction {
 public:
  std::unique_ptr<OpenKey> Open(const std::string& path, OpenMode mode) override {
    HKEY key = nullptr;
    std::wstring wpath = Wide(path);
    LSTATUS rc;
    if (mode == OpenMode::Create) {
      rc = RegCreateKeyExW(HKEY_LOCAL_MACHINE, wpath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    } else {
      REGSAM access = mode == OpenMode::Read ? KEY_READ : KEY_READ | KEY_WRITE;
      rc = RegOpenKeyExW(HKEY_LOCAL_MACHINE, wpath.c_str(), 0, access, &key);
    }
    if (rc != ERROR_SUCCESS) return nullptr;
    return std::make_unique<WindowsKey>(key, mode != OpenMode::Read);
  }

  bool DeleteKey(const std::string& path) override {
    if (path.empty()) return false;
    std::wstring wpath = Wide(path);
    LSTATUS rc = RegDeleteTreeW(HKEY_LOCAL_MACHINE, wpath.c_str());
    if (rc == ERROR_FILE_NOT_FOUND) return false;
    if (rc != ERROR_SUCCESS)
      throw RegistryError("Failed to delete key '" + path + "'", static_cast<uint32_t>(rc));
    // Some registry versions leave the emptied key itself behind.
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, wpath.c_str());
    return true;
  }

  void Commit() override {}
};

}  // namespace

std::unique_ptr<Transaction> WindowsRegistryStore::Begin() {
  return std::make_unique<WindowsTransaction>();
}

}  // namespace zavo

#endif
