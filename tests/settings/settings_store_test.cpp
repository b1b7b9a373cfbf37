// The settings store's operations over the memory backend: value order,
// defaults, failure behaviour and the slot operations.
#include "settings/settings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "recording_store.h"
#include "settings/memory_store.h"

namespace zavo {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

std::string Hklm(const std::string& path) {
  return "HKEY_LOCAL_MACHINE\\" + path;
}

// Profile n: four values that follow their entry, plus a heartbeat and
// chart values that stay with the slot.
struct SlotFixture {
  MemoryStore memory;

  void AddSlot(int n) {
    RegKey& slot = memory.document().Ensure(Hklm(ProfileSlotPath(n)));
    std::string p = "P" + std::to_string(n);
    slot.SetValue("InputLabels", RegValue::String(p + "i1,i2,i3,i4"));
    slot.SetValue("OutputLabels", RegValue::String(p + "o1,o2,o3,o4"));
    slot.SetValue("RefreshInterval", RegValue::Dword(200 + n));
    slot.SetValue("LPrintPort", RegValue::Dword(3000 + n));
    slot.SetValue("HeartbeatMessage", RegValue::String("HB" + std::to_string(n)));
    slot.SetValue("SpanSeconds", RegValue::Dword(n));
    memory.document()
        .Ensure(Hklm(ProfileSlotPath(n) + "\\ChartPens\\Pen3"))
        .SetValue("Color", RegValue::Dword(0x100 + n));
  }
  void AddAllSlots() {
    for (int n = 1; n <= kProfileSlots; ++n) AddSlot(n);
  }

  // "P3" for slot content that came from profile 3, "R" for reset values,
  // "-" for a missing slot key.
  std::string Tag(int slot) {
    SettingsStore store(memory);
    auto v = store.LoadDialogProfile(slot);
    if (!v) return "-";
    ProfileValues reset;
    if (v->inputLabels == reset.inputLabels && v->outputLabels == reset.outputLabels &&
        v->refreshInterval == reset.refreshInterval && v->printPort == reset.printPort)
      return "R";
    std::string p = v->inputLabels.substr(0, 2);
    EXPECT_EQ(v->outputLabels, p + "o1,o2,o3,o4");
    EXPECT_EQ(v->refreshInterval, 200 + (p[1] - '0'));
    EXPECT_EQ(v->printPort, 3000 + (p[1] - '0'));
    return p;
  }
  std::vector<std::string> Tags() {
    std::vector<std::string> tags;
    for (int n = 1; n <= kProfileSlots; ++n) tags.push_back(Tag(n));
    return tags;
  }

  // Heartbeat and chart values of every present slot are its own.
  void ExpectSlotBoundValuesUnchanged() {
    for (int n = 1; n <= kProfileSlots; ++n) {
      const RegKey* slot = memory.document().Find(Hklm(ProfileSlotPath(n)));
      if (!slot) continue;
      EXPECT_EQ(StringOf(*slot->FindValue("HeartbeatMessage")), "HB" + std::to_string(n));
      EXPECT_EQ(DwordOf(*slot->FindValue("SpanSeconds")), n);
      const RegKey* pen = memory.document().Find(Hklm(ProfileSlotPath(n) + "\\ChartPens\\Pen3"));
      ASSERT_NE(pen, nullptr);
      EXPECT_EQ(DwordOf(*pen->FindValue("Color")), 0x100 + n);
    }
  }
};

void AddFullRoot(MemoryStore& memory) {
  RegKey& root = memory.document().Ensure(Hklm(kRootPath));
  for (const char* s : {"ZavNameList", "ZavIPList"}) root.SetValue(s, RegValue::String("x"));
  for (const char* i :
       {"Benchmark", "CurrentZavNumber", "ShowHints", "KeypadEnabled", "LeftPosition",
        "TopPosition", "NetScanTimeout", "MinimumRefreshInterval", "RefreshIntervalIncrement"})
    root.SetValue(i, RegValue::Dword(1));
}

TEST(SettingsStoreOrder, EachOperationOpensOneKeyAndKeepsItsValueOrder) {
  struct Case {
    const char* name;
    std::function<void(SettingsStore&)> run;
    std::vector<std::string> log;
  };
  const std::vector<std::string> readSlot5 = {"open Zav5 write",   "read InputLabels",
                                              "read OutputLabels", "read RefreshInterval",
                                              "read LPrintPort",   "close"};
  auto writeSlot = [](int n) {
    std::string z = "Zav" + std::to_string(n);
    return std::vector<std::string>{"open " + z + " write", "write InputLabels",
                                    "write OutputLabels",   "write RefreshInterval",
                                    "write LPrintPort",     "close"};
  };
  auto concat = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const Case cases[] = {
      {"LoadStartupSettings",
       [](SettingsStore& s) { s.LoadStartupSettings(); },
       {"open root read", "read Benchmark", "read ZavIPList", "read ZavNameList",
        "read CurrentZavNumber", "read ShowHints", "read LeftPosition", "read TopPosition",
        "read KeypadEnabled", "close"}},
      {"SaveClosingSettings",
       [](SettingsStore& s) { s.SaveClosingSettings({}); },
       {"open root create", "write ZavIPList", "write ZavNameList", "write CurrentZavNumber",
        "write ShowHints", "write LeftPosition", "write TopPosition", "close", "commit"}},
      {"SaveWindowPosition",
       [](SettingsStore& s) { s.SaveWindowPosition(1, 2); },
       {"open root write", "write LeftPosition", "write TopPosition", "close", "commit"}},
      {"LoadDialogSettings",
       [](SettingsStore& s) { s.LoadDialogSettings(); },
       {"open root read", "read ZavNameList", "read ZavIPList", "read NetScanTimeout",
        "read MinimumRefreshInterval", "read RefreshIntervalIncrement", "read ShowHints",
        "read KeypadEnabled", "close"}},
      {"SaveDialogSettings",
       [](SettingsStore& s) { s.SaveDialogSettings({}); },
       {"open root create", "write ZavNameList", "write ZavIPList", "write CurrentZavNumber",
        "write NetScanTimeout", "write ShowHints", "write KeypadEnabled", "close", "commit"}},
      {"LoadSwitchProfile",
       [](SettingsStore& s) { s.LoadSwitchProfile(2); },
       {"open Zav2 read", "read RefreshInterval", "read LPrintPort", "read HeartbeatMessage",
        "read InputLabels", "read OutputLabels", "close"}},
      {"LoadDialogProfile",
       [](SettingsStore& s) { s.LoadDialogProfile(2); },
       {"open Zav2 read", "read InputLabels", "read OutputLabels", "read RefreshInterval",
        "read LPrintPort", "close"}},
      {"SaveProfile", [](SettingsStore& s) { s.SaveProfile(3, {}); },
       concat({writeSlot(3), {"commit"}})},
      {"RemoveProfileSlot", [](SettingsStore& s) { s.RemoveProfileSlot(5); },
       concat({{"open Zav6 write", "read InputLabels", "read OutputLabels", "read RefreshInterval",
                "read LPrintPort", "close"},
               writeSlot(5),
               writeSlot(6),
               {"commit"}})},
      {"InsertProfileSlot", [](SettingsStore& s) { s.InsertProfileSlot(5); },
       concat({readSlot5, writeSlot(6), writeSlot(5), {"commit"}})},
      {"SwapProfileSlots", [](SettingsStore& s) { s.SwapProfileSlots(4, 5); },
       concat({readSlot5,
               {"open Zav4 write", "read InputLabels", "read OutputLabels", "read RefreshInterval",
                "read LPrintPort", "close"},
               writeSlot(5),
               writeSlot(4),
               {"commit"}})},
      {"WriteAutoConnectHost",
       [](SettingsStore& s) { s.WriteAutoConnectHost("10.0.0.1"); },
       {"open terminal create", "write AutoConnectHost", "close", "commit"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SlotFixture f;
    f.AddAllSlots();
    AddFullRoot(f.memory);
    testing::RecordingStore recording(f.memory);
    SettingsStore store(recording);
    c.run(store);
    EXPECT_THAT(recording.log, ElementsAreArray(c.log));
  }
}

TEST(SettingsStoreRoot, AbsentRootReadsNothingAndOnlyTheCloseAndTheDialogCreateIt) {
  MemoryStore memory;
  SettingsStore store(memory);
  StartupSettings s = store.LoadStartupSettings();
  EXPECT_FALSE(s.found);
  EXPECT_EQ(s.currentZavNumber, 1);
  EXPECT_TRUE(s.showHints);
  EXPECT_FALSE(s.keypadEnabled);
  EXPECT_EQ(s.leftPosition, 0);
  EXPECT_EQ(s.topPosition, 0);
  EXPECT_FALSE(store.LoadDialogSettings().found);

  store.SaveWindowPosition(5, 6);
  EXPECT_EQ(memory.document().Find(Hklm(kRootPath)), nullptr);

  store.SaveClosingSettings({"192.168.001.010,010.000.000.002", "Bay 1,Bay 2", 2, false, 40, -3});
  const RegKey* root = memory.document().Find(Hklm(kRootPath));
  ASSERT_NE(root, nullptr);
  std::vector<std::string> names;
  for (const auto& nv : root->values()) names.push_back(nv.first);
  EXPECT_THAT(names, ElementsAre("ZavIPList", "ZavNameList", "CurrentZavNumber", "ShowHints",
                                 "LeftPosition", "TopPosition"));
}

// A list confirmed in the dialog on a machine without settings must not be
// dropped: the dialog's save creates the root key.
TEST(SettingsStoreRoot, DialogOkOnAFreshMachineKeepsTheList) {
  MemoryStore memory;
  SettingsStore store(memory);
  DialogSave save;
  save.nameList = "Zav1";
  save.ipList = "127.000.000.001";
  store.SaveDialogSettings(save);
  const StartupSettings s = store.LoadStartupSettings();
  EXPECT_TRUE(s.found);
  EXPECT_EQ(s.nameList, "Zav1");
  EXPECT_EQ(s.ipList, "127.000.000.001");
  EXPECT_FALSE(s.benchmark);  // values the program only reads stay at their defaults
}

TEST(SettingsStoreRoot, RootMadeByTheFirstCloseLoadsWithWhenAbsentValues) {
  MemoryStore memory;
  SettingsStore store(memory);
  store.SaveClosingSettings({"192.168.001.010", "Bay 1", 1, false, 40, -3});

  StartupSettings s = store.LoadStartupSettings();
  EXPECT_TRUE(s.found);
  EXPECT_FALSE(s.benchmark);
  EXPECT_FALSE(s.keypadEnabled);
  EXPECT_FALSE(s.showHints);
  EXPECT_EQ(s.ipList, "192.168.001.010");
  EXPECT_EQ(s.nameList, "Bay 1");
  EXPECT_EQ(s.leftPosition, 40);
  EXPECT_EQ(s.topPosition, -3);

  DialogSettings d = store.LoadDialogSettings();
  EXPECT_TRUE(d.found);
  EXPECT_EQ(d.netScanTimeout, 50);
  EXPECT_EQ(d.minimumRefreshInterval, 100);
  EXPECT_EQ(d.refreshIntervalIncrement, 25);
}

TEST(SettingsStoreRoot, ValueOfWrongTypeIsARegistryError) {
  MemoryStore memory;
  memory.document().Ensure(Hklm(kRootPath)).SetValue("ShowHints", RegValue::String("yes"));
  SettingsStore store(memory);
  try {
    store.LoadStartupSettings();
    FAIL() << "no error";
  } catch (const RegistryError& e) {
    EXPECT_STREQ(e.what(), "Invalid data type for 'ShowHints'");
  }
}

TEST(SettingsStoreRoot, StoreThatMayOnlyBeReadLosesWritesSilently) {
  MemoryStore memory;
  memory.SetWritable(false);
  SettingsStore store(memory);
  store.SaveClosingSettings({});
  store.WriteAutoConnectHost("10.0.0.1");
  EXPECT_TRUE(memory.document().top().subkeys().empty());
}

TEST(SettingsStoreProfile, SlotReads) {
  SlotFixture f;
  f.AddSlot(2);
  SettingsStore store(f.memory);
  EXPECT_FALSE(store.LoadSwitchProfile(1));
  EXPECT_FALSE(store.LoadDialogProfile(0));
  auto p = store.LoadSwitchProfile(2);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->refreshInterval, 202);
  EXPECT_EQ(p->printPort, 3002);
  EXPECT_EQ(p->heartbeatMessage, "HB2");
  EXPECT_EQ(p->inputLabels, "P2i1,i2,i3,i4");

  // Strings may be missing; integers in an existing slot may not.
  RegKey* slot = f.memory.document().Find(Hklm(ProfileSlotPath(2)));
  slot->DeleteValue("HeartbeatMessage");
  EXPECT_EQ(store.LoadSwitchProfile(2)->heartbeatMessage, "");
  slot->DeleteValue("LPrintPort");
  try {
    store.LoadSwitchProfile(2);
    FAIL() << "no error";
  } catch (const RegistryError& e) {
    EXPECT_STREQ(e.what(), "Failed to get data for 'LPrintPort'");
  }
}

TEST(SettingsStoreProfile, SaveProfileWritesOnlyIntoAnExistingSlot) {
  SlotFixture f;
  f.AddSlot(1);
  SettingsStore store(f.memory);
  store.SaveProfile(1, {"a,b,c,d", "e,f,g,h", 250, 1750});
  store.SaveProfile(2, {});
  EXPECT_EQ(store.LoadDialogProfile(1)->inputLabels, "a,b,c,d");
  EXPECT_EQ(store.LoadDialogProfile(1)->printPort, 1750);
  EXPECT_EQ(f.memory.document().Find(Hklm(ProfileSlotPath(2))), nullptr);
}

TEST(SettingsStoreSlots, RemoveInsertSwapMoveOnlyTheFourValues) {
  struct Case {
    const char* name;
    std::function<std::optional<std::string>(SettingsStore&)> run;
    std::vector<std::string> tags;
  };
  auto remove = [](int k) {
    return [k](SettingsStore& s) {
      s.RemoveProfileSlot(k);
      return std::optional<std::string>();
    };
  };
  auto insert = [](int k) {
    return [k](SettingsStore& s) {
      s.InsertProfileSlot(k);
      return std::optional<std::string>();
    };
  };
  auto swap = [](int a, int b) {
    return [a, b](SettingsStore& s) { return s.SwapProfileSlots(a, b); };
  };
  const std::vector<std::string> same = {"P1", "P2", "P3", "P4", "P5", "P6"};
  const Case cases[] = {
      {"remove 2", remove(2), {"P1", "P3", "P4", "P5", "P6", "R"}},
      {"remove 1", remove(1), {"P2", "P3", "P4", "P5", "P6", "R"}},
      {"remove 6", remove(6), {"P1", "P2", "P3", "P4", "P5", "R"}},
      {"insert 2", insert(2), {"P1", "R", "P2", "P3", "P4", "P5"}},
      {"insert 1", insert(1), {"R", "P1", "P2", "P3", "P4", "P5"}},
      {"insert 6", insert(6), {"P1", "P2", "P3", "P4", "P5", "R"}},
      {"swap 2 5", swap(2, 5), {"P1", "P5", "P3", "P4", "P2", "P6"}},
      {"swap 6 1", swap(6, 1), {"P6", "P2", "P3", "P4", "P5", "P1"}},
      {"remove 0", remove(0), same},
      {"remove 7", remove(7), same},
      {"insert 0", insert(0), same},
      {"insert 7", insert(7), same},
      {"swap 3 3", swap(3, 3), same},
      {"swap 0 2", swap(0, 2), same},
      {"swap 2 7", swap(2, 7), same},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SlotFixture f;
    f.AddAllSlots();
    SettingsStore store(f.memory);
    EXPECT_EQ(c.run(store), std::nullopt);
    EXPECT_THAT(f.Tags(), ElementsAreArray(c.tags));
    f.ExpectSlotBoundValuesUnchanged();
  }
}

TEST(SettingsStoreSlots, MissingSlotKeyIsNeverCreatedAndOtherSlotsStayIntact) {
  struct Case {
    const char* name;
    std::function<void(SettingsStore&)> run;
    std::vector<std::string> tags;
  };
  // Slot 4 has no key. A copy out of it writes the reset values (the entry
  // had no stored profile), a copy into it writes nothing; a swap with it
  // does nothing.
  const Case cases[] = {
      {"remove 2",
       [](SettingsStore& s) { s.RemoveProfileSlot(2); },
       {"P1", "P3", "R", "-", "P6", "R"}},
      {"insert 2",
       [](SettingsStore& s) { s.InsertProfileSlot(2); },
       {"P1", "R", "P2", "-", "R", "P5"}},
      {"swap 2 4",
       [](SettingsStore& s) { EXPECT_EQ(s.SwapProfileSlots(2, 4), std::nullopt); },
       {"P1", "P2", "P3", "-", "P5", "P6"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SlotFixture f;
    for (int n : {1, 2, 3, 5, 6}) f.AddSlot(n);
    SettingsStore store(f.memory);
    c.run(store);
    EXPECT_THAT(f.Tags(), ElementsAreArray(c.tags));
    f.ExpectSlotBoundValuesUnchanged();
  }
}

TEST(SettingsStoreSlots, SwapReportsTheErrorAndKeepsWhatWasWritten) {
  {
    SlotFixture f;
    f.AddAllSlots();
    f.memory.document()
        .Find(Hklm(ProfileSlotPath(2)))
        ->SetValue("RefreshInterval", RegValue::String("fast"));
    SettingsStore store(f.memory);
    EXPECT_EQ(store.SwapProfileSlots(2, 3), "Invalid data type for 'RefreshInterval' #0");
    f.memory.document()
        .Find(Hklm(ProfileSlotPath(2)))
        ->SetValue("RefreshInterval", RegValue::Dword(202));
    EXPECT_EQ(f.Tag(2), "P2");  // nothing was written before the read failed
    EXPECT_EQ(f.Tag(3), "P3");
  }
  {
    SlotFixture f;
    f.AddAllSlots();
    f.memory.document().Find(Hklm(ProfileSlotPath(5)))->DeleteValue("LPrintPort");
    SettingsStore store(f.memory);
    EXPECT_EQ(store.SwapProfileSlots(1, 5), "Failed to get data for 'LPrintPort' #2");
  }
  {
    // The sixth write (slot a's OutputLabels) is refused: slot b already
    // holds a's values, slot a its new input labels only.
    SlotFixture f;
    f.AddAllSlots();
    testing::RecordingStore recording(f.memory);
    recording.failWrite = 6;
    SettingsStore store(recording);
    EXPECT_EQ(store.SwapProfileSlots(2, 3), "Failed to set data for 'OutputLabels' #5");
    EXPECT_EQ(f.Tag(3), "P2");
    SettingsStore plain(f.memory);
    ProfileValues a = *plain.LoadDialogProfile(2);
    EXPECT_EQ(a.inputLabels, "P3i1,i2,i3,i4");
    EXPECT_EQ(a.outputLabels, "P2o1,o2,o3,o4");
    EXPECT_EQ(a.refreshInterval, 202);
  }
}

TEST(SettingsStoreTerminalProgram, AutoConnectHostCreatesItsKey) {
  MemoryStore memory;
  SettingsStore store(memory);
  store.WriteAutoConnectHost("192.168.1.10");
  const RegKey* key = memory.document().Find(Hklm(kTerminalProgramPath));
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(StringOf(*key->FindValue("AutoConnectHost")), "192.168.1.10");
}

}  // namespace
}  // namespace zavo
