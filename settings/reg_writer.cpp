#include "settings/reg_writer.h"

#include <cstdio>

#include "settings/text_encoding.h"

namespace zavo {
namespace {

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out.push_back('\\');
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
  return out;
}

// A REG_SZ that a quoted string gives back byte for byte: whole UTF-16 units,
// exactly one zero at the end, no line breaks, valid UTF-16.
bool QuotableString(const RegValue& value) {
  if (value.type != kRegSz || value.data.size() < 2 || value.data.size() % 2) return false;
  std::u16string wide = LeBytesToUtf16(value.data);
  if (wide.back() != u'\0') return false;
  wide.pop_back();
  for (size_t i = 0; i < wide.size(); ++i) {
    char16_t c = wide[i];
    if (c == u'\0' || c == u'\n' || c == u'\r') return false;
    // A lone surrogate has no UTF-8 form.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] <= 0xDFFF) {
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      return false;
    }
  }
  return true;
}

}  // namespace

RegWriter::RegWriter(std::string newline) : newline_(std::move(newline)) {
  text_ = "Windows Registry Editor Version 5.00" + newline_;
}

void RegWriter::AddDocument(const RegDocument& document) {
  for (const auto& root : document.top().subkeys()) AddKey(root->name(), *root);
}

void RegWriter::AddKey(const std::string& fullPath, const RegKey& key) {
  bool isRoot = fullPath.find('\\') == std::string::npos;
  if (!isRoot || !key.values().empty()) {
    text_ += newline_ + "[" + fullPath + "]" + newline_;
    for (const auto& [name, value] : key.values()) AddValue(name, value);
  }
  for (const auto& sub : key.subkeys()) AddKey(fullPath + "\\" + sub->name(), *sub);
}

void RegWriter::AddValue(const std::string& name, const RegValue& value) {
  std::string line = name.empty() ? "@=" : Quote(name) + "=";
  if (QuotableString(value)) {
    text_ += line + Quote(*StringOf(value)) + newline_;
    return;
  }
  char buf[32];
  if (value.type == kRegDword && value.data.size() == 4) {
    std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<uint32_t>(*DwordOf(value)));
    text_ += line + buf + newline_;
    return;
  }
  if (value.type == kRegBinary) {
    line += "hex:";
  } else {
    std::snprintf(buf, sizeof buf, "hex(%x):", value.type);
    line += buf;
  }
  for (size_t i = 0; i < value.data.size(); ++i) {
    std::snprintf(buf, sizeof buf, "%02x", value.data[i]);
    line += buf;
    if (i + 1 == value.data.size()) break;
    line += ',';
    if (line.size() > 76) {
      text_ += line + "\\" + newline_;
      line = "  ";
    }
  }
  text_ += line + newline_;
}

std::vector<uint8_t> RegWriter::EncodeWindowsFile(std::string_view utf8) {
  std::vector<uint8_t> out{0xFF, 0xFE};
  std::vector<uint8_t> body = Utf16ToLeBytes(Utf8ToUtf16(utf8));
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace zavo
