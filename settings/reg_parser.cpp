#include "settings/reg_parser.h"

#include <array>
#include <optional>

#include "settings/reg_key.h"
#include "settings/text_encoding.h"

namespace zavo {
namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

std::string DecodeFileText(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::vector<uint8_t> raw(bytes.begin() + 2, bytes.end());
    if (raw.size() % 2) throw RegParseError(1, "UTF-16 text with an odd number of bytes");
    return Utf16ToUtf8(LeBytesToUtf16(raw));
  }
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Windows1252ToUtf8(bytes);
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string_view TrimRight(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && SameRegName(s.substr(0, prefix.size()), prefix);
}

// Whatever follows a complete statement may only be blanks or a comment.
void ExpectEnd(std::string_view rest, int line) {
  rest = TrimLeft(rest);
  if (!rest.empty() && rest.front() != ';')
    throw RegParseError(line, "unexpected text '" + std::string(rest) + "'");
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// Parses 1 to maxDigits hex digits at the start of s and removes them.
std::optional<uint32_t> TakeHexNumber(std::string_view& s, size_t maxDigits) {
  uint32_t value = 0;
  size_t n = 0;
  while (n < s.size() && HexDigit(s[n])) {
    if (n == maxDigits) return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(*HexDigit(s[n]));
    ++n;
  }
  if (n == 0) return std::nullopt;
  s.remove_prefix(n);
  return value;
}

// s starts just after an opening quote; returns the unescaped text and
// removes it with its closing quote from s.
std::string TakeQuoted(std::string_view& s, int line) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      s.remove_prefix(i + 1);
      return out;
    }
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (++i == s.size()) break;
    switch (s[i]) {
      case '\\':
        out.push_back('\\');
        break;
      case '"':
        out.push_back('"');
        break;
      case 'n':
        out.push_back('\n');
        break;
      case 'r':
        out.push_back('\r');
        break;
      default:
        throw RegParseError(line, std::string("unknown escape sequence '\\") + s[i] + "'");
    }
  }
  throw RegParseError(line, "missing closing quote");
}

class Parser {
 public:
  explicit Parser(std::string text) : text_(std::move(text)) { SplitLines(); }

  RegPatch Run() {
    size_t i = 0;
    while (i + 1 < lines_.size() && TrimRight(TrimLeft(lines_[i])).empty()) ++i;
    std::string_view header = i < lines_.size() ? TrimRight(lines_[i]) : std::string_view();
    if (header == kHeader5) {
      patch_.version5 = true;
    } else if (header == kHeader4) {
      patch_.version5 = false;
    } else {
      throw RegParseError(static_cast<int>(i) + 1, "not a registry file: the first line must be '" +
                                                       std::string(kHeader5) + "' or '" +
                                                       std::string(kHeader4) + "'");
    }
    for (++i; i < lines_.size(); ++i) ParseLine(i);
    return std::move(patch_);
  }

 private:
  void SplitLines() {
    std::string_view all = text_;
    while (true) {
      size_t nl = all.find('\n');
      std::string_view line = all.substr(0, nl);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.push_back(line);
      if (nl == std::string_view::npos) break;
      all.remove_prefix(nl + 1);
    }
  }

  void ParseLine(size_t& i) {
    int line = static_cast<int>(i) + 1;
    std::string_view s = TrimLeft(lines_[i]);
    if (s.empty() || s.front() == ';') return;
    if (s.front() == '[') return ParseKeyLine(s, line);
    if (s.front() == '"' || s.front() == '@') return ParseValueLine(s, i);
    throw RegParseError(line, "unrecognised line '" + std::string(TrimRight(s)) + "'");
  }

  void ParseKeyLine(std::string_view s, int line) {
    size_t close = s.rfind(']');
    if (close == std::string_view::npos)
      throw RegParseError(line, "missing ']' after the key name");
    ExpectEnd(s.substr(close + 1), line);
    std::string_view name = s.substr(1, close - 1);
    bool remove = !name.empty() && name.front() == '-';
    if (remove) name.remove_prefix(1);
    if (!name.empty() && name.back() == '\\') name.remove_suffix(1);
    size_t sep = name.find('\\');
    std::string root = CanonicalRegRoot(name.substr(0, sep));
    if (root.empty())
      throw RegParseError(line, "unknown root key '" + std::string(name.substr(0, sep)) + "'");
    std::string path = root;
    if (sep != std::string_view::npos) {
      std::string_view rest = name.substr(sep + 1);
      for (size_t start = 0;;) {
        size_t end = rest.find('\\', start);
        std::string_view part = rest.substr(start, end - start);
        if (part.empty()) throw RegParseError(line, "empty key name in the path");
        path += '\\';
        path += part;
        if (end == std::string_view::npos) break;
        start = end + 1;
      }
    }
    currentPath_ = path;
    currentDeleted_ = remove;
    patch_.ops.push_back(
        {remove ? RegOp::Kind::DeleteKey : RegOp::Kind::CreateKey, path, {}, {}, line});
  }

  void ParseValueLine(std::string_view s, size_t& i) {
    int line = static_cast<int>(i) + 1;
    if (!currentPath_) throw RegParseError(line, "value outside of a key");
    std::string name;
    if (s.front() == '@') {
      s.remove_prefix(1);
    } else {
      s.remove_prefix(1);
      name = TakeQuoted(s, line);
    }
    s = TrimLeft(s);
    if (s.empty() || s.front() != '=')
      throw RegParseError(line, "missing '=' after the value name");
    s = TrimLeft(s.substr(1));

    RegOp op{RegOp::Kind::SetValue, *currentPath_, name, {}, line};
    if (!s.empty() && s.front() == '-') {
      ExpectEnd(s.substr(1), line);
      op.kind = RegOp::Kind::DeleteValue;
    } else if (!s.empty() && s.front() == '"') {
      s.remove_prefix(1);
      std::string text = TakeQuoted(s, line);
      ExpectEnd(s, line);
      op.value = RegValue::String(text);
    } else if (StartsWithNoCase(s, "dword:")) {
      s.remove_prefix(6);
      auto number = TakeHexNumber(s, 8);
      if (!number) throw RegParseError(line, "dword: needs 1 to 8 hex digits");
      ExpectEnd(s, line);
      op.value = RegValue::Dword(*number);
    } else if (StartsWithNoCase(s, "hex")) {
      op.value = ParseHex(s.substr(3), i);
    } else {
      throw RegParseError(line, "unrecognised value data '" + std::string(TrimRight(s)) + "'");
    }
    // Statements under a deleted key are ignored, as a registry editor does.
    if (!currentDeleted_) patch_.ops.push_back(std::move(op));
  }

  // s starts after "hex"; continuation lines are consumed through i.
  RegValue ParseHex(std::string_view s, size_t& i) {
    int line = static_cast<int>(i) + 1;
    RegValue value{kRegBinary, {}};
    if (!s.empty() && s.front() == '(') {
      s.remove_prefix(1);
      auto type = TakeHexNumber(s, 8);
      if (!type || s.empty() || s.front() != ')') throw RegParseError(line, "bad hex(type)");
      s.remove_prefix(1);
      value.type = *type;
    }
    if (s.empty() || s.front() != ':') throw RegParseError(line, "missing ':' after hex");
    s.remove_prefix(1);
    while (true) {
      if (size_t semi = s.find(';'); semi != std::string_view::npos) s = s.substr(0, semi);
      s = TrimRight(s);
      bool more = !s.empty() && s.back() == '\\';
      if (more) s.remove_suffix(1);
      while (true) {
        s = TrimLeft(s);
        if (s.empty()) break;
        auto byte = TakeHexNumber(s, 2);
        if (!byte) throw RegParseError(line, "bad hex byte '" + std::string(s) + "'");
        value.data.push_back(static_cast<uint8_t>(*byte));
        s = TrimLeft(s);
        if (s.empty()) break;
        if (s.front() != ',') throw RegParseError(line, "missing ',' between hex bytes");
        s.remove_prefix(1);
      }
      if (!more) break;
      if (++i == lines_.size()) throw RegParseError(line, "file ends after a '\\' continuation");
      line = static_cast<int>(i) + 1;
      s = lines_[i];
    }
    // An old-style file holds string data in the 8-bit code page.
    if (!patch_.version5 &&
        (value.type == kRegSz || value.type == kRegExpandSz || value.type == kRegMultiSz)) {
      std::string_view raw(reinterpret_cast<const char*>(value.data.data()), value.data.size());
      std::string text = IsValidUtf8(raw) ? std::string(raw) : Windows1252ToUtf8(raw);
      value.data = Utf16ToLeBytes(Utf8ToUtf16(text));
    }
    return value;
  }

  std::string text_;
  std::vector<std::string_view> lines_;
  RegPatch patch_;
  std::optional<std::string> currentPath_;
  bool currentDeleted_ = false;
};

}  // namespace

std::string CanonicalRegRoot(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kRoots{{
      {"HKEY_LOCAL_MACHINE", "HKLM"},
      {"HKEY_CURRENT_USER", "HKCU"},
      {"HKEY_CLASSES_ROOT", "HKCR"},
      {"HKEY_USERS", "HKU"},
      {"HKEY_CURRENT_CONFIG", "HKCC"},
  }};
  for (const auto& [full, shortName] : kRoots)
    if (SameRegName(name, full) || SameRegName(name, shortName)) return std::string(full);
  return {};
}

RegPatch ParseRegFile(std::string_view bytes) {
  return Parser(DecodeFileText(bytes)).Run();
}

}  // namespace zavo
