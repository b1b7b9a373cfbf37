// Import and export on a store, and the shipped provisioning file.
#include "settings/reg_transfer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "settings/memory_store.h"
#include "settings/reg_parser.h"
#include "settings/reg_writer.h"
#include "settings/settings_store.h"

namespace zavo {
namespace {

std::string Hklm(const std::string& path) {
  return "HKEY_LOCAL_MACHINE\\" + path;
}

RegPatch Provision() {
  std::ifstream in(ZAVO_PROVISION_REG, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  EXPECT_FALSE(s.str().empty()) << ZAVO_PROVISION_REG;
  return ParseRegFile(s.str());
}

std::string ExportText(KeyValueStore& store) {
  RegWriter writer("\n");
  if (auto tree = ExportKey(store, "SOFTWARE")) writer.AddKey(Hklm("SOFTWARE"), *tree);
  return writer.text();
}

TEST(Provisioning, ImportKeepsWhatIsStoredAndASecondImportChangesNothing) {
  MemoryStore memory;
  RegKey& root = memory.document().Ensure(Hklm(kRootPath));
  root.SetValue("ZavNameList", RegValue::String("Bay 1,Bay 2"));
  root.SetValue("ZavIPList", RegValue::String("192.168.001.010,192.168.001.011"));
  root.SetValue("NetScanTimeout", RegValue::Dword(300));
  memory.document()
      .Ensure(Hklm(ProfileSlotPath(2)))
      .SetValue("RefreshInterval", RegValue::Dword(400));

  RegPatch patch = Provision();
  ImportSummary first = ImportPatch(memory, patch, ImportMode::KeepExisting);
  EXPECT_EQ(first.valuesKept, 2);  // NetScanTimeout and slot 2's RefreshInterval
  EXPECT_GT(first.valuesAdded, 300);

  // Every provisioned value is there, except the two that were stored.
  for (const RegOp& op : patch.ops) {
    if (op.kind != RegOp::Kind::SetValue) continue;
    const RegKey* key = memory.document().Find(op.path);
    ASSERT_NE(key, nullptr) << op.path;
    ASSERT_NE(key->FindValue(op.name), nullptr) << op.path << " " << op.name;
    bool wasStored = (op.name == "NetScanTimeout") ||
                     (op.name == "RefreshInterval" && op.path == Hklm(ProfileSlotPath(2)));
    EXPECT_EQ(*key->FindValue(op.name) == op.value, !wasStored) << op.path << " " << op.name;
  }

  SettingsStore store(memory);
  StartupSettings s = store.LoadStartupSettings();
  EXPECT_EQ(s.nameList, "Bay 1,Bay 2");
  EXPECT_FALSE(s.benchmark);
  DialogSettings d = store.LoadDialogSettings();
  EXPECT_EQ(d.netScanTimeout, 300);
  EXPECT_EQ(d.minimumRefreshInterval, 100);
  EXPECT_EQ(d.refreshIntervalIncrement, 25);
  for (int slot = 1; slot <= kProfileSlots; ++slot) {
    auto p = store.LoadSwitchProfile(slot);
    ASSERT_TRUE(p) << slot;
    EXPECT_EQ(p->inputLabels, "In 1,In 2,In 3,In 4");
    EXPECT_EQ(p->outputLabels, "Out 1,Out 2,Out 3,Out 4");
    EXPECT_EQ(p->refreshInterval, slot == 2 ? 400 : 100);
    EXPECT_EQ(p->printPort, 1749);
    std::string slotPath = Hklm(ProfileSlotPath(slot));
    EXPECT_EQ(DwordOf(*memory.document().Find(slotPath)->FindValue("SpanSeconds")), 10);
    EXPECT_EQ(
        DwordOf(*memory.document().Find(slotPath + "\\ChartGrids\\Left")->FindValue("Maximum")),
        400000);
    for (int pen = 1; pen <= 13; ++pen) {
      const RegKey* k = memory.document().Find(slotPath + "\\ChartPens\\Pen" + std::to_string(pen));
      ASSERT_NE(k, nullptr) << pen;
      EXPECT_EQ(DwordOf(*k->FindValue("Active")), pen == 1 || (pen >= 6 && pen <= 9)) << pen;
      EXPECT_EQ(DwordOf(*k->FindValue("Width")), 1);
    }
  }

  std::string before = ExportText(memory);
  EXPECT_TRUE(ImportPatch(memory, patch, ImportMode::KeepExisting).changedNothing());
  EXPECT_EQ(ExportText(memory), before);
}

TEST(Import, ReplaceModeDeletionsAndForeignRoots) {
  MemoryStore memory;
  RegKey& key = memory.document().Ensure(Hklm("SOFTWARE\\T\\Old"));
  key.SetValue("v", RegValue::Dword(1));
  memory.document().Ensure(Hklm("SOFTWARE\\T")).SetValue("gone", RegValue::Dword(1));
  RegPatch patch = ParseRegFile(
      "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\n\"gone\"=-\n\"new\"=\"x\"\n"
      "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Old]\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Old]\n"
      "\"v\"=dword:2\n");
  ImportSummary s = ImportPatch(memory, patch, ImportMode::KeepExisting);
  EXPECT_EQ(s.valuesDeleted, 1);
  EXPECT_EQ(s.keysDeleted, 1);
  EXPECT_EQ(s.valuesAdded, 2);
  EXPECT_EQ(DwordOf(*memory.document().Find(Hklm("SOFTWARE\\T\\Old"))->FindValue("v")), 2);

  patch = ParseRegFile("REGEDIT4\n[HKLM\\SOFTWARE\\T]\n\"new\"=\"y\"\n");
  EXPECT_EQ(ImportPatch(memory, patch, ImportMode::KeepExisting).valuesKept, 1);
  EXPECT_EQ(ImportPatch(memory, patch, ImportMode::Replace).valuesReplaced, 1);
  EXPECT_EQ(StringOf(*memory.document().Find(Hklm("SOFTWARE\\T"))->FindValue("new")), "y");

  patch = ParseRegFile(
      "REGEDIT4\n[HKLM\\SOFTWARE\\T]\n\"first\"=\"x\"\n[HKEY_CURRENT_USER\\Software]\n");
  try {
    ImportPatch(memory, patch, ImportMode::Replace);
    FAIL() << "imported";
  } catch (const ImportError& e) {
    EXPECT_THAT(e.what(), ::testing::HasSubstr("line 4: "));
  }
  EXPECT_EQ(memory.document().Find(Hklm("SOFTWARE\\T"))->FindValue("first"), nullptr);

  memory.SetWritable(false);
  EXPECT_THROW(ImportPatch(memory, ParseRegFile("REGEDIT4\n[HKLM\\X]\n"), ImportMode::Replace),
               StoreError);
}

TEST(Export, SubtreeOrNothing) {
  MemoryStore memory;
  memory.document().Ensure(Hklm("SOFTWARE\\T\\Sub")).SetValue("v", RegValue::String("a\\b"));
  memory.document().Ensure(Hklm("SOFTWARE\\Other")).SetValue("w", RegValue::Dword(1));
  EXPECT_FALSE(ExportKey(memory, "SOFTWARE\\Absent"));
  auto tree = ExportKey(memory, "software\\t");
  ASSERT_TRUE(tree);
  RegWriter writer("\n");
  writer.AddKey(Hklm("SOFTWARE\\T"), *tree);
  EXPECT_EQ(writer.text(),
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T]\n\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Sub]\n\"v\"=\"a\\\\b\"\n");
}

}  // namespace
}  // namespace zavo
