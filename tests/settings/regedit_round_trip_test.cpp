// Awkward strings through the registry editor: a .reg file in the form our
// file backend writes is imported with "regedit /S", read back through the
// registry backend, exported with "regedit /E" and read by our parser.
// Runs in the Windows build (under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "settings/reg_document.h"
#include "settings/reg_parser.h"
#include "settings/reg_writer.h"
#include "settings/text_encoding.h"
#include "settings/windows_registry_store.h"
#include "temp_dir.h"

namespace zavo {
namespace {

DWORD RunRegedit(const std::string& arguments) {
  std::u16string wide = Utf8ToUtf16("regedit.exe " + arguments);
  std::wstring command(wide.begin(), wide.end());
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return GetLastError() | 0x80000000u;
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

TEST(RegeditRoundTrip, AwkwardStringsSurviveImportAndExport) {
  const std::string base = "SOFTWARE\\ZavoRegeditTest\\" + std::to_string(GetCurrentProcessId());
  const std::string full = "HKEY_LOCAL_MACHINE\\" + base;
  const std::vector<std::pair<std::string, std::string>> strings = {
      {"Backslash", "C:\\dir\\sub\\"},
      {"Quote", "say \"hi\" \"\""},
      {"Comma", "In 1,In 2,,In 4"},
      {"Equals", "a=b == c"},
      {"NonAscii",
       "Gr\xC3\xBC\xC3\x9F"
       "e \xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"},
      {"Mixed \"name\" = \\,", "\\\"=,\\\\"},
      {"Empty", ""},
  };
  RegDocument doc;
  RegKey& key = doc.Ensure(full);
  for (const auto& [name, text] : strings) key.SetValue(name, RegValue::String(text));
  key.SetValue("Number", RegValue::Dword(0xFFFFFFFE));

  testing::TempDir dir;
  const std::string in = dir.File("in.reg"), out = dir.File("out.reg");
  RegWriter writer;
  writer.AddDocument(doc);
  std::vector<uint8_t> bytes = RegWriter::EncodeWindowsFile(writer.text());
  std::ofstream(in, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));

  ASSERT_EQ(RunRegedit("/S \"" + in + "\""), 0u);
  WindowsRegistryStore registry;
  {
    auto tx = registry.Begin();
    auto k = tx->Open(base, OpenMode::Read);
    ASSERT_TRUE(k) << "regedit did not import " << in;
    for (const auto& [name, text] : strings) EXPECT_EQ(k->ReadString(name), text) << name;
    EXPECT_EQ(k->ReadInteger("Number"), -2);
  }

  ASSERT_EQ(RunRegedit("/E \"" + out + "\" \"" + full + "\""), 0u);
  std::ifstream exported(out, std::ios::binary);
  std::ostringstream text;
  text << exported.rdbuf();
  RegDocument back;
  back.Apply(ParseRegFile(text.str()));
  const RegKey* k = back.Find(full);
  ASSERT_NE(k, nullptr) << text.str();
  for (const auto& [name, value] : key.values()) {
    ASSERT_NE(k->FindValue(name), nullptr) << name;
    EXPECT_EQ(*k->FindValue(name), value) << name;
  }

  auto tx = registry.Begin();
  tx->DeleteKey("SOFTWARE\\ZavoRegeditTest\\" + std::to_string(GetCurrentProcessId()));
}

}  // namespace
}  // namespace zavo
