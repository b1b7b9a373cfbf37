// One contract for every backend: the memory store, the .reg file (off
// Windows) and the Windows registry (in the Windows build, under Wine).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

#include "settings/key_value_store.h"
#include "settings/memory_store.h"
#include "temp_dir.h"
#ifdef _WIN32
#include <windows.h>

#include "settings/windows_registry_store.h"
#else
#include "settings/reg_file_store.h"
#endif

namespace zavo {
namespace {

using ::testing::UnorderedElementsAre;

// A backend with a key of its own to test under; removes it afterwards.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual KeyValueStore& store() = 0;
  // A fresh store object on the same data, as another program run sees it.
  virtual std::unique_ptr<KeyValueStore> Reopen() = 0;
  std::string base = "SOFTWARE\\Zavo\\ContractTest";
};

class MemoryBackend : public Backend {
 public:
  KeyValueStore& store() override { return memory_; }
  std::unique_ptr<KeyValueStore> Reopen() override { return nullptr; }

 private:
  MemoryStore memory_;
};

#ifndef _WIN32
class FileBackend : public Backend {
 public:
  FileBackend() : store_(dir_.File("registry.reg")) {}
  KeyValueStore& store() override { return store_; }
  std::unique_ptr<KeyValueStore> Reopen() override {
    return std::make_unique<RegFileStore>(store_.path());
  }

 private:
  testing::TempDir dir_;
  RegFileStore store_;
};
#else
class WindowsBackend : public Backend {
 public:
  WindowsBackend() {
    static int counter = 0;
    base = "SOFTWARE\\ZavoContractTest\\" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
  }
  ~WindowsBackend() override {
    auto tx = store_.Begin();
    tx->DeleteKey(base);
  }
  KeyValueStore& store() override { return store_; }
  std::unique_ptr<KeyValueStore> Reopen() override {
    return std::make_unique<WindowsRegistryStore>();
  }

 private:
  WindowsRegistryStore store_;
};
#endif

struct BackendKind {
  const char* name;
  std::function<std::unique_ptr<Backend>()> make;
};

class BackendContract : public ::testing::TestWithParam<BackendKind> {
 protected:
  void SetUp() override { backend_ = GetParam().make(); }
  KeyValueStore& store() { return backend_->store(); }
  std::string Path(const std::string& rest) { return backend_->base + "\\" + rest; }
  std::unique_ptr<OpenKey> Open(const std::string& rest, OpenMode mode) {
    tx_.reset();  // one transaction at a time, as the file lock demands
    tx_ = store().Begin();
    return tx_->Open(Path(rest), mode);
  }
  void End() { tx_.reset(); }

  // Runs body with the key created and a fixed set of values in it.
  void WithValues(const std::function<void(OpenKey&)>& body) {
    {
      auto key = Open("k", OpenMode::Create);
      ASSERT_TRUE(key);
      key->WriteString("Text", "abc");
      key->WriteInteger("Number", 7);
      key->WriteValue("Binary", RegValue{kRegBinary, {1, 2, 3, 4}});
      key->WriteValue("Expand", RegValue{kRegExpandSz, RegValue::String("%TEMP%\\x").data});
      key->WriteValue("Long", RegValue{kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}});
      key.reset();
      tx_->Commit();
      End();
    }
    auto key = Open("k", OpenMode::Read);
    ASSERT_TRUE(key);
    body(*key);
    key.reset();
    End();
  }

  std::unique_ptr<Backend> backend_;
  std::unique_ptr<Transaction> tx_;
};

void ExpectRegistryError(const std::function<void()>& f, const std::string& message,
                         uint32_t lastError) {
  try {
    f();
    ADD_FAILURE() << "no error, expected " << message;
  } catch (const RegistryError& e) {
    EXPECT_EQ(e.what(), message);
    EXPECT_EQ(e.lastError(), lastError) << message;
  }
}

TEST_P(BackendContract, MissingKeysOpenOnlyWithCreate) {
  for (const char* rest : {"absent", "absent\\deeper"}) {
    SCOPED_TRACE(rest);
    EXPECT_FALSE(Open(rest, OpenMode::Read));
    EXPECT_FALSE(Open(rest, OpenMode::Write));
    End();
    EXPECT_FALSE(Open(rest, OpenMode::Read)) << "a write open created the key";
  }
  auto created = Open("a\\b\\c", OpenMode::Create);
  EXPECT_TRUE(created);
  created.reset();
  tx_->Commit();
  End();
  for (const char* rest : {"a", "a\\b", "a\\b\\c", "A\\B\\C"}) {
    EXPECT_TRUE(Open(rest, OpenMode::Read)) << rest;
    EXPECT_TRUE(Open(rest, OpenMode::Write)) << rest;
  }
  End();
}

TEST_P(BackendContract, MissingValues) {
  WithValues([](OpenKey& key) {
    EXPECT_FALSE(key.HasValue("Nothing"));
    EXPECT_EQ(key.ReadString("Nothing"), "");
    ExpectRegistryError([&] { key.ReadInteger("Nothing"); }, "Failed to get data for 'Nothing'",
                        kErrorFileNotFound);
    ExpectRegistryError([&] { key.ReadBool("Nothing"); }, "Failed to get data for 'Nothing'",
                        kErrorFileNotFound);
  });
}

TEST_P(BackendContract, WrongTypes) {
  WithValues([](OpenKey& key) {
    for (const char* name : {"Text", "Binary", "Expand", "Long"})
      ExpectRegistryError([&] { key.ReadInteger(name); },
                          std::string("Invalid data type for '") + name + "'", 0);
    for (const char* name : {"Number", "Binary"})
      ExpectRegistryError([&] { key.ReadString(name); },
                          std::string("Invalid data type for '") + name + "'", 0);
    EXPECT_EQ(key.ReadString("Expand"), "%TEMP%\\x");  // never expanded
  });
}

TEST_P(BackendContract, KeyOpenedForReadingRefusesWrites) {
  WithValues([](OpenKey& key) {
    ExpectRegistryError([&] { key.WriteString("Text", "new"); }, "Failed to set data for 'Text'",
                        kErrorAccessDenied);
    ExpectRegistryError([&] { key.WriteInteger("Number", 8); }, "Failed to set data for 'Number'",
                        kErrorAccessDenied);
    ExpectRegistryError([&] { key.WriteBool("Flag", true); }, "Failed to set data for 'Flag'",
                        kErrorAccessDenied);
    EXPECT_EQ(key.ReadString("Text"), "abc");
    EXPECT_EQ(key.ReadInteger("Number"), 7);
    EXPECT_FALSE(key.HasValue("Flag"));
  });
}

TEST_P(BackendContract, ValuesComeBackAsWritten) {
  const std::string awkward =
      "C:\\dir\\ \"q\" a,b=c Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x82\xAC \xF0\x9F\x98\x80";
  {
    auto key = Open("values", OpenMode::Create);
    ASSERT_TRUE(key);
    key->WriteString("Awkward", awkward);
    key->WriteString("Empty", "");
    key->WriteInteger("Min", INT32_MIN);
    key->WriteInteger("Minus", -1);
    key->WriteBool("On", true);
    key->WriteBool("Off", false);
    key->WriteValue("Seven", RegValue::Dword(7));
    key.reset();
    tx_->Commit();
    End();
  }
  auto check = [&](KeyValueStore& s) {
    auto tx = s.Begin();
    auto key = tx->Open(Path("values"), OpenMode::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadString("Awkward"), awkward);
    EXPECT_EQ(key->ReadString("awkward"), awkward);  // names ignore case
    EXPECT_TRUE(key->HasValue("Empty"));
    EXPECT_EQ(key->ReadString("Empty"), "");
    EXPECT_EQ(key->ReadInteger("Min"), INT32_MIN);
    EXPECT_EQ(key->ReadInteger("Minus"), -1);
    EXPECT_TRUE(key->ReadBool("On"));
    EXPECT_FALSE(key->ReadBool("Off"));
    EXPECT_TRUE(key->ReadBool("Seven"));  // any non-zero value is true
    EXPECT_EQ(key->ReadValue("Awkward")->type, kRegSz);
    EXPECT_THAT(key->ValueNames(),
                UnorderedElementsAre("Awkward", "Empty", "Min", "Minus", "On", "Off", "Seven"));
  };
  check(store());
  if (auto other = backend_->Reopen()) check(*other);
}

TEST_P(BackendContract, DeletingKeysAndValues) {
  {
    auto key = Open("tree\\sub\\leaf", OpenMode::Create);
    key->WriteString("V", "x");
    key = tx_->Open(Path("tree"), OpenMode::Write);
    key->WriteString("Gone", "x");
    EXPECT_TRUE(key->DeleteValue("gone"));
    EXPECT_FALSE(key->DeleteValue("Gone"));
    EXPECT_THAT(key->SubkeyNames(), UnorderedElementsAre("sub"));
    key.reset();
    EXPECT_TRUE(tx_->DeleteKey(Path("tree\\sub")));
    EXPECT_FALSE(tx_->DeleteKey(Path("tree\\sub")));
    tx_->Commit();
    End();
  }
  EXPECT_TRUE(Open("tree", OpenMode::Read));
  EXPECT_FALSE(Open("tree\\sub", OpenMode::Read));
  End();
}

const BackendKind kBackends[] = {
    {"Memory", [] { return std::make_unique<MemoryBackend>(); }},
#ifndef _WIN32
    {"RegFile", [] { return std::make_unique<FileBackend>(); }},
#else
    {"WindowsRegistry", [] { return std::make_unique<WindowsBackend>(); }},
#endif
};

INSTANTIATE_TEST_SUITE_P(All, BackendContract, ::testing::ValuesIn(kBackends),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zavo
