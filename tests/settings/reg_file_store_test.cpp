// The .reg file backend: the file's form, unknown content kept, damaged
// files left alone, the lock and the atomic replacement, crashes and
// concurrent writers.
#include "settings/reg_file_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "settings/reg_document.h"
#include "settings/reg_parser.h"
#include "settings/settings_store.h"
#include "settings/text_encoding.h"
#include "temp_dir.h"

namespace zavo {
namespace {

using ::testing::HasSubstr;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

ino_t Inode(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_ino;
}

RegDocument ParseFile(const std::string& path) {
  RegDocument doc;
  doc.Apply(ParseRegFile(ReadBytes(path)));
  return doc;
}

const std::string kTestKey = "SOFTWARE\\T";

TEST(RegFileStore, WritesTheFormARegistryEditorImports) {
  testing::TempDir dir;
  RegFileStore file(dir.File("sub/registry.reg"));  // folders are made as needed
  SettingsStore(file).SaveClosingSettings({"192.168.001.010", "Bay \"1\"", 1, true, 0, 0});
  std::string bytes = ReadBytes(file.path());
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  std::u16string head =
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n";
  std::string expected;
  for (char16_t c : head) expected += {static_cast<char>(c), '\0'};
  EXPECT_EQ(bytes.substr(2, expected.size()), expected);
  std::u16string text = LeBytesToUtf16(std::vector<uint8_t>(bytes.begin() + 2, bytes.end()));
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == u'\n') ASSERT_TRUE(i > 0 && text[i - 1] == u'\r') << "LF alone at " << i;
  EXPECT_EQ(text.back(), u'\n');
}

TEST(RegFileStore, KeepsKeysAndValuesItDoesNotKnow) {
  testing::TempDir dir;
  const std::string path = dir.File("registry.reg");
  WriteBytes(path,
             "REGEDIT4\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Zavo\\Zavo Remote]\r\n"
             "\"ZavNameList\"=\"Caf\xE9\"\r\n"
             "\"Unknown\"=hex(7):61,00,62,00,00\r\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other Vendor]\r\n"
             "\"Blob\"=hex:de,ad,be,ef\r\n"
             "[HKEY_CURRENT_USER\\Elsewhere]\r\n"
             "@=\"kept\"\r\n");
  RegDocument before = ParseFile(path);
  RegFileStore file(path);
  SettingsStore store(file);
  EXPECT_EQ(store.LoadStartupSettings().nameList, "Caf\xC3\xA9");
  store.SaveWindowPosition(12, 34);

  RegDocument after = ParseFile(path);
  for (const char* key :
       {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Other Vendor", "HKEY_CURRENT_USER\\Elsewhere"})
    EXPECT_EQ(after.Find(key)->values(), before.Find(key)->values()) << key;
  const RegKey* root = after.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Zavo\\Zavo Remote");
  EXPECT_EQ(*root->FindValue("Unknown"),
            *before.Find("HKEY_LOCAL_MACHINE\\SOFTWARE\\Zavo\\Zavo Remote")->FindValue("Unknown"));
  EXPECT_EQ(DwordOf(*root->FindValue("LeftPosition")), 12);
}

TEST(RegFileStore, DamagedFileGivesTheErrorAndStaysUnchanged) {
  const std::string h = "Windows Registry Editor Version 5.00\r\n";
  struct Case {
    std::string bytes;
    std::string where;
  };
  const Case cases[] = {
      {h + "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Zavo\\Zavo Remote]\r\n\"ZavNameList\"=\"a\\qb\"\r\n",
       "line 4: "},
      {h + "[HKEY_LOCAL_MACHINE\\SOFTWARE\r\n", "line 2: "},
      {"garbage that is no registry file\r\n", "line 1: "},
      {h + "[HKLM\\X]\r\n\"v\"=hex:01,\\", "line 3: "},  // cut off in the middle
      {std::string("\xFF\xFE\x41", 3), "line 1: "},      // half a UTF-16 character
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    testing::TempDir dir;
    const std::string path = dir.File("registry.reg");
    WriteBytes(path, c.bytes);
    RegFileStore file(path);
    SettingsStore store(file);
    for (int attempt = 0; attempt < 2; ++attempt) {
      try {
        if (attempt == 0)
          store.SaveClosingSettings({});
        else
          store.LoadStartupSettings();
        ADD_FAILURE() << "no error";
      } catch (const StoreError& e) {
        EXPECT_THAT(e.what(), HasSubstr(path + ": " + c.where));
      }
    }
    EXPECT_EQ(ReadBytes(path), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  }
}

TEST(RegFileStore, LockFileStaysTemporaryFileGoesAndUnchangedDataIsNotRewritten) {
  testing::TempDir dir;
  const std::string path = dir.File("registry.reg");
  RegFileStore file(path);
  SettingsStore store(file);
  store.SaveClosingSettings({});
  const ino_t lock = Inode(path + ".lock");
  ino_t data = Inode(path);

  WriteBytes(path + ".tmp", "left by a writer that died");
  store.LoadStartupSettings();
  store.SaveClosingSettings({});  // the same values again
  EXPECT_EQ(Inode(path), data) << "nothing changed, so nothing was written";
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

  store.SaveWindowPosition(1, 2);
  EXPECT_NE(Inode(path), data);
  EXPECT_EQ(Inode(path + ".lock"), lock);
}

TEST(RegFileStore, DefaultPathFollowsXdgConfigHome) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";
  ::setenv("HOME", "/home/op", 1);
  ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(RegFileStore::DefaultPath(), "/cfg/zavo-remote/registry.reg");
  ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored
  EXPECT_EQ(RegFileStore::DefaultPath(), "/home/op/.config/zavo-remote/registry.reg");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegFileStore::DefaultPath(), "/home/op/.config/zavo-remote/registry.reg");
  oldXdg ? ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
  oldHome ? ::setenv("HOME", savedHome.c_str(), 1) : ::unsetenv("HOME");
}

// A killed process, unlike a power loss, does not depend on fsync: a memory
// file system, where there is one, lets these loops do many writes quickly.
std::filesystem::path FastFolder() {
  std::error_code ec;
  if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

constexpr int kCrashValues = 16;

// One transaction: every value becomes the old counter plus one, so a file
// holding different numbers would be a torn write.
int32_t WriteNextGeneration(RegFileStore& file) {
  auto tx = file.Begin();
  auto key = tx->Open(kTestKey, OpenMode::Create);
  int32_t next = key->HasValue("V0") ? key->ReadInteger("V0") + 1 : 0;
  for (int i = 0; i < kCrashValues; ++i) key->WriteInteger("V" + std::to_string(i), next);
  key->WriteString("Padding", std::string(500, 'x') + std::to_string(next));
  key.reset();
  tx->Commit();
  return next;
}

// The generation the file holds; fails the test when the file is torn.
int32_t FileGeneration(const std::string& path) {
  RegDocument doc = ParseFile(path);  // throws when unparsable
  const RegKey* key = doc.Find("HKEY_LOCAL_MACHINE\\" + kTestKey);
  if (!key) throw std::runtime_error("key missing");
  int32_t g = *DwordOf(*key->FindValue("V0"));
  for (int i = 1; i < kCrashValues; ++i)
    if (DwordOf(*key->FindValue("V" + std::to_string(i))) != g)
      throw std::runtime_error("values of two generations");
  return g;
}

TEST(RegFileStoreCrash, WriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
  testing::TempDir dir(FastFolder());
  const std::string path = dir.File("registry.reg");
  // How long one write takes here (builds with sanitizers are much slower),
  // so that the kills land anywhere in a write.
  auto started = std::chrono::steady_clock::now();
  {
    RegFileStore file(path);
    for (int i = 0; i < 5; ++i) WriteNextGeneration(file);
  }
  auto writeMicros = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now() - started)
                         .count() /
                     5;
  std::mt19937 random(12345);
  std::uniform_int_distribution<long> delayMicros(0, 2 * writeMicros + 50);
  int32_t last = FileGeneration(path);
  int kills = 0;
  for (; kills < 200; ++kills) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      ::close(ready[0]);
      try {
        RegFileStore file(path);
        WriteNextGeneration(file);
        if (::write(ready[1], "w", 1) != 1) ::_exit(1);
        while (true) WriteNextGeneration(file);
      } catch (...) {
      }
      ::_exit(1);
    }
    ::close(ready[1]);
    char c;
    ssize_t n = ::read(ready[0], &c, 1);  // the writer has written once
    ::close(ready[0]);
    if (n == 1) ::usleep(static_cast<useconds_t>(delayMicros(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_EQ(n, 1) << "the writer failed before its first write";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";
    int32_t g;
    try {
      g = FileGeneration(path);
    } catch (const std::exception& e) {
      FAIL() << "after kill " << kills << ": " << e.what();
    }
    ASSERT_GT(g, last) << "after kill " << kills << " the file lost a completed write";
    last = g;
  }
  RegFileStore file(path);
  EXPECT_EQ(WriteNextGeneration(file), last + 1);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(RegFileStoreConcurrency, TwoProcessesWritingAtOnceLoseNoUpdate) {
  testing::TempDir dir(FastFolder());
  const std::string path = dir.File("registry.reg");
  constexpr int kRounds = 150;
  auto increment = [&](RegFileStore& file, const std::string& own) {
    auto tx = file.Begin();
    auto key = tx->Open(kTestKey, OpenMode::Create);
    for (const std::string& name : {std::string("Shared"), own})
      key->WriteInteger(name, key->HasValue(name) ? key->ReadInteger(name) + 1 : 1);
    key.reset();
    tx->Commit();
  };
  std::vector<pid_t> children;
  for (const char* own : {"A", "B"}) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int rc = 0;
      try {
        RegFileStore file(path);
        for (int i = 0; i < kRounds; ++i) increment(file, own);
      } catch (...) {
        rc = 1;
      }
      ::_exit(rc);
    }
    children.push_back(pid);
  }
  for (pid_t pid : children) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  RegFileStore file(path);
  auto tx = file.Begin();
  auto key = tx->Open(kTestKey, OpenMode::Read);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadInteger("Shared"), 2 * kRounds);
  EXPECT_EQ(key->ReadInteger("A"), kRounds);
  EXPECT_EQ(key->ReadInteger("B"), kRounds);
}

}  // namespace
}  // namespace zavo
