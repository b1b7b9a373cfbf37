#include "settings/key_value_store.h"

namespace zavo {

RegistryError GetDataError(const std::string& name, uint32_t lastError) {
  return RegistryError("Failed to get data for '" + name + "'", lastError);
}

RegistryError DataTypeError(const std::string& name) {
  return RegistryError("Invalid data type for '" + name + "'");
}

RegistryError SetDataError(const std::string& name, uint32_t lastError) {
  return RegistryError("Failed to set data for '" + name + "'", lastError);
}

std::string OpenKey::ReadString(const std::string& name) const {
  std::optional<RegValue> value = ReadValue(name);
  if (!value) return {};
  std::optional<std::string> text = StringOf(*value);
  if (!text) throw DataTypeError(name);
  return *text;
}

int32_t OpenKey::ReadInteger(const std::string& name) const {
  std::optional<RegValue> value = ReadValue(name);
  if (!value) throw GetDataError(name);
  std::optional<int32_t> number = DwordOf(*value);
  if (!number) throw DataTypeError(name);
  return *number;
}

void OpenKey::WriteString(const std::string& name, const std::string& value) {
  WriteValue(name, RegValue::String(value));
}

void OpenKey::WriteInteger(const std::string& name, int32_t value) {
  WriteValue(name, RegValue::Dword(static_cast<uint32_t>(value)));
}

}  // namespace zavo
