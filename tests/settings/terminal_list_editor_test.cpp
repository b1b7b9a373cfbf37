#include "settings/terminal_list_editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "dialog_test_store.h"

namespace zavo {
namespace {

using Editor = TerminalListEditor;

// The list view as the operator leaves it, then its selection event.
void Select(Editor& e, std::vector<int> rows, int focused) {
  std::vector<bool> flags(static_cast<size_t>(e.Count()));
  for (int r : rows) flags[static_cast<size_t>(r)] = true;
  e.SetSelection(flags, focused);
  e.EntryChange();
}

void Type(Editor& e, const std::string& name, const std::string& address) {
  e.SetNameText(name);
  e.SetAddressText(address);
}

std::string Names(const Editor& e) {
  std::vector<std::string> names;
  for (const auto& entry : e.entries()) names.push_back(entry.name);
  return JoinCommaList(names);
}

// Add, Delete, Move Up, Move Down, fields, grid: a letter when enabled.
std::string Flags(const Editor& e) {
  const auto& on = e.enabled();
  std::string s;
  s += on.add ? 'A' : '.';
  s += on.del ? 'D' : '.';
  s += on.up ? 'U' : '.';
  s += on.down ? 'N' : '.';
  s += on.fields ? 'F' : '.';
  s += on.grid ? 'G' : '.';
  return s;
}

class EditorTest : public ::testing::Test {
 protected:
  DialogTestStore db;
  Editor editor{db.store};
};

struct Sequence {
  const char* why;
  int entries;
  std::function<void(Editor&)> ops;
  const char* names;               // the list afterwards
  std::vector<std::string> slots;  // profiles in slots 1..6 after OK
  int editedSlot;
  const char* flags;
  const char* gridFirstInput;  // cell (1, 1)
};

TEST_F(EditorTest, OperationSequences) {
  const std::string R = "In 1";  // a reset slot
  const Sequence sequences[] = {
      {"delete entries 2 and 4 of five, both selected",
       5,
       [](Editor& e) {
         Select(e, {1, 3}, 3);
         e.Delete();
       },
       "T1,T3,T5",
       {"P1", "P3", "P5", "P6", R, R},
       1,
       "....F.",
       "P1"},
      {"Delete key with nothing selected removes nothing",
       3,
       [](Editor& e) { e.ListKeyDown(Editor::ListKey::Delete); },
       "T1,T2,T3",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       1,
       "....F.",
       "P1"},
      {"delete at six entries enables the fields again",
       6,
       [](Editor& e) {
         Select(e, {5}, 5);
         e.Delete();
       },
       "T1,T2,T3,T4,T5",
       {"P1", "P2", "P3", "P4", "P5", R},
       1,
       "....F.",
       "P1"},
      {"move entry 3 up swaps slots 2 and 3 and shows it at 2",
       4,
       [](Editor& e) {
         Select(e, {2}, 2);
         e.MoveUp();
       },
       "T1,T3,T2,T4",
       {"P1", "P3", "P2", "P4", "P5", "P6"},
       2,
       ".DUNFG",
       "P3"},
      {"Ctrl+Down moves the focused entry down",
       3,
       [](Editor& e) {
         Select(e, {0}, 0);
         e.ListKeyDown(Editor::ListKey::CtrlDown);
       },
       "T2,T1,T3",
       {"P2", "P1", "P3", "P4", "P5", "P6"},
       2,
       ".DUNFG",
       "P1"},
      {"Ctrl+Up on the first entry changes nothing",
       3,
       [](Editor& e) {
         Select(e, {0}, 0);
         e.ListKeyDown(Editor::ListKey::CtrlUp);
       },
       "T1,T2,T3",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       1,
       ".D.NFG",
       "P1"},
      {"Ctrl+Down on the last entry changes nothing",
       3,
       [](Editor& e) {
         Select(e, {2}, 2);
         e.ListKeyDown(Editor::ListKey::CtrlDown);
       },
       "T1,T2,T3",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       3,
       ".DU.FG",
       "P3"},
      {"move with a focus mark but no selection only follows the focus",
       3,
       [](Editor& e) {
         e.SetSelection({}, 1);
         e.MoveDown();
       },
       "T1,T2,T3",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       2,
       ".DUNF.",
       "P2"},
      {"add inserts a reset slot at the new entry, later slots move up",
       3,
       [](Editor& e) {
         Type(e, "New", "010.000.000.099");
         e.Add();
       },
       "T1,T2,T3,New",
       {"P1", "P2", "P3", R, "P4", "P5"},
       4,
       "....F.",
       "In 1"},
      {"adding the sixth entry disables Add and both fields",
       5,
       [](Editor& e) {
         Type(e, "New", "010.000.000.099");
         e.Add();
       },
       "T1,T2,T3,T4,T5,New",
       {"P1", "P2", "P3", "P4", "P5", R},
       6,
       "......",
       "In 1"},
      {"an address already listed is not added, even under another name",
       3,
       [](Editor& e) {
         Type(e, "Other", "010.000.000.002");
         e.Add();
       },
       "T1,T2,T3",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       1,
       "A...F.",
       "P1"},
      {"an incomplete address is not added",
       2,
       [](Editor& e) {
         Type(e, "X", "010.000.0  .   ");
         e.Add();
       },
       "T1,T2",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       1,
       "....F.",
       "P1"},
      {"'+' in the name field with an incomplete address reaches the field",
       2,
       [](Editor& e) {
         Type(e, "X", "010.000.0  .   ");
         EXPECT_FALSE(e.NameKeyPress('+'));
       },
       "T1,T2",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       1,
       "....F.",
       "P1"},
      {"'+' in the name field with a complete address adds",
       2,
       [](Editor& e) {
         Type(e, "X", "010.000.000.077");
         EXPECT_TRUE(e.NameKeyPress('+'));
       },
       "T1,T2,X",
       {"P1", "P2", R, "P3", "P4", "P5"},
       3,
       "....F.",
       "In 1"},
      {"Enter in the address field adds",
       2,
       [](Editor& e) {
         Type(e, "X", "010.000.000.077");
         EXPECT_TRUE(e.AddressKeyPress('\r'));
       },
       "T1,T2,X",
       {"P1", "P2", R, "P3", "P4", "P5"},
       3,
       "....F.",
       "In 1"},
      {"take-out then Add puts the entry last with a reset profile",
       3,
       [](Editor& e) {
         Select(e, {0}, 0);
         e.TakeOut();
         EXPECT_EQ(e.nameText(), "T1");
         EXPECT_EQ(e.addressText(), "010.000.000.001");
         EXPECT_EQ(Names(e), "T2,T3");
         e.Add();
       },
       "T2,T3,T1",
       {"P2", "P3", R, "P4", "P5", "P6"},
       3,
       "....F.",
       "In 1"},
      {"taking out two entries leaves the later one in the fields",
       4,
       [](Editor& e) {
         Select(e, {1, 2}, 2);
         e.TakeOut();
         EXPECT_EQ(e.nameText(), "T3");
       },
       "T1,T4",
       {"P1", "P4", "P5", "P6", R, R},
       1,
       "A...F.",
       "P1"},
      {"a scan that fills the list to six disables Add and the fields",
       5,
       [](Editor& e) {
         e.Append({"Zav6", "010.000.000.066"});
       },
       "T1,T2,T3,T4,T5,Zav6",
       {"P1", "P2", "P3", "P4", "P5", "P6"},
       1,
       "......",
       "P1"},
  };
  for (const Sequence& s : sequences) {
    SCOPED_TRACE(s.why);
    DialogTestStore store;
    store.Provision(s.entries);
    Editor e(store.store);
    e.Open(0, 0);
    s.ops(e);
    EXPECT_EQ(Names(e), s.names);
    EXPECT_EQ(e.editedSlot(), s.editedSlot);
    EXPECT_EQ(Flags(e), s.flags);
    EXPECT_EQ(e.label(1, 1), s.gridFirstInput);
    e.Ok(1, 50);
    EXPECT_EQ(store.Markers(), s.slots);
    EXPECT_EQ(JoinCommaList(SplitCommaList(store.store.LoadDialogSettings().nameList)), s.names);
  }
}

TEST_F(EditorTest, OpenShowsStoredListAndSlotOne) {
  db.Provision(3);
  {
    auto tx = db.memory.Begin();
    auto root = tx->Open(kRootPath, OpenMode::Write);
    root->WriteInteger("NetScanTimeout", 300);
    root->WriteInteger("MinimumRefreshInterval", 150);
    root->WriteInteger("RefreshIntervalIncrement", 50);
    root->WriteBool("ShowHints", false);
    root->WriteBool("KeypadEnabled", true);
  }
  EXPECT_EQ(editor.Open(12, 34), 300);
  EXPECT_EQ(Names(editor), "T1,T2,T3");
  EXPECT_EQ(editor.AddressAt(2), "010.000.000.003");
  EXPECT_EQ(editor.focused(), -1);
  EXPECT_EQ(editor.editedSlot(), 1);
  EXPECT_EQ(Flags(editor), "....F.");
  EXPECT_EQ(editor.TakeFocusRequest(), Editor::Focus::NameField);
  EXPECT_EQ(editor.label(2, 4), "o4");
  EXPECT_EQ(editor.refresh().minimum, 150);
  EXPECT_EQ(editor.refresh().step, 50);
  EXPECT_EQ(editor.refresh().position, 150);  // slot 1's 125 is below the stored minimum
  EXPECT_EQ(editor.portText(), "2001");
  EXPECT_FALSE(editor.showHints());
  EXPECT_TRUE(editor.keypadEnabled());
  const StartupSettings root = db.store.LoadStartupSettings();
  EXPECT_EQ(root.leftPosition, 12);
  EXPECT_EQ(root.topPosition, 34);
}

TEST_F(EditorTest, OpenWithSixEntriesLeavesFieldsAndAddOff) {
  db.Provision(6);
  editor.Open(0, 0);
  EXPECT_EQ(Flags(editor), "......");
  EXPECT_EQ(editor.TakeFocusRequest(), Editor::Focus::List);
  Type(editor, "Seven", "010.000.000.077");
  editor.Add();
  EXPECT_EQ(editor.Count(), 6);
}

TEST_F(EditorTest, FirstOpeningOfAnEmptyStore) {
  EXPECT_EQ(editor.Open(5, 5), std::nullopt);
  EXPECT_EQ(editor.Count(), 0);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(editor.label(1, r), "");
  EXPECT_EQ(editor.refresh().position, 100);
  EXPECT_EQ(editor.portText(), "1749");
  EXPECT_EQ(Flags(editor), "....F.");
  // No slot keys: the new entry's profile has nowhere to go and the grid stays empty.
  Type(editor, "Zav", "127.030.000.001");
  editor.Add();
  EXPECT_EQ(editor.Count(), 1);
  EXPECT_EQ(editor.label(1, 1), "");
}

TEST_F(EditorTest, EntryAndFieldChangeFollowTheEnabledTable) {
  db.Provision(3);
  editor.Open(0, 0);
  Select(editor, {1}, 1);
  EXPECT_EQ(Flags(editor), ".DUNFG");
  EXPECT_EQ(editor.editedSlot(), 2);
  EXPECT_EQ(editor.label(1, 1), "P2");
  EXPECT_EQ(editor.refresh().position, 150);
  editor.FieldChange();
  EXPECT_EQ(Flags(editor), "....F.");
  EXPECT_EQ(editor.editedSlot(), 2);
  Type(editor, "Name", "010.000.000.050");
  EXPECT_EQ(Flags(editor), "A...F.");
  editor.SetNameText("");
  EXPECT_EQ(Flags(editor), "....F.");
}

// A stored label text is read row by row; the grid is written back whole.
TEST_F(EditorTest, StoredLabelTextsFillTheGrid) {
  const struct {
    const char* stored;
    const char* rows[4];
    const char* written;
  } cases[] = {
      {"a,b", {"a", "b", "b", "b"}, "a,b,b,b"},
      {"", {"", "", "", ""}, ",,,"},
      {"a,,c,d", {"a", "", "c", "d"}, "a,,c,d"},
      {"a,b,c,d,e", {"a", "b", "c", "d"}, "a,b,c,d"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    DialogTestStore store;
    store.Provision(1);
    store.WriteSlotValue(1, "InputLabels", c.stored);
    Editor e(store.store);
    e.Open(0, 0);
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(e.label(1, r), c.rows[r - 1]);
    e.Ok(1, 50);
    EXPECT_EQ(store.store.LoadDialogProfile(1)->inputLabels, c.written);
  }
}

TEST_F(EditorTest, OkWritesProfileListAndOptions) {
  db.Provision(2);
  editor.Open(0, 0);
  Select(editor, {1}, 1);
  editor.SetLabel(2, 3, "Valve");
  editor.SetRefreshPosition(375);
  editor.SetPortText("x17");  // not a whole number
  editor.SetShowHints(false);
  editor.SetKeypadEnabled(true);
  editor.Ok(2, 650);
  const ProfileValues p = *db.store.LoadDialogProfile(2);
  EXPECT_EQ(p.outputLabels, "Q2,o2,Valve,o4");
  EXPECT_EQ(p.refreshInterval, 375);
  EXPECT_EQ(p.printPort, 1749);
  const StartupSettings s = db.store.LoadStartupSettings();
  EXPECT_EQ(s.nameList, "T1,T2");
  EXPECT_EQ(s.ipList, "010.000.000.001,010.000.000.002");
  EXPECT_EQ(s.currentZavNumber, 2);
  EXPECT_FALSE(s.showHints);
  EXPECT_TRUE(s.keypadEnabled);
  EXPECT_EQ(db.store.LoadDialogSettings().netScanTimeout, 650);
  // Heartbeat texts stay with their slot numbers.
  EXPECT_EQ(db.store.LoadSwitchProfile(2)->heartbeatMessage, "hb2");
}

// Slot operations and profile edits stay in the dialog until OK: a dialog
// closed by its close box (no OK) leaves the store as it was.
TEST_F(EditorTest, WithoutOkNothingReachesTheStore) {
  const struct {
    const char* why;
    std::function<void(Editor&)> ops;
  } cases[] = {
      {"add", [](Editor& e) { Type(e, "N", "010.000.000.090"), e.Add(); }},
      {"delete",
       [](Editor& e) {
         Select(e, {0, 2}, 0), e.Delete();
       }},
      {"take out", [](Editor& e) { Select(e, {1}, 1), e.TakeOut(); }},
      {"move", [](Editor& e) { Select(e, {1}, 1), e.MoveDown(); }},
      {"profile edit and entry change",
       [](Editor& e) {
         Select(e, {0}, 0);
         e.SetLabel(1, 1, "changed");
         Select(e, {1}, 1);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    DialogTestStore store;
    store.Provision(3);
    Editor e(store.store);
    e.Open(0, 0);
    const std::string before = store.Snapshot();
    c.ops(e);
    EXPECT_EQ(store.Snapshot(), before);
  }
}

TEST_F(EditorTest, ProfileEditsFollowTheirEntryThroughListEdits) {
  db.Provision(3);
  editor.Open(0, 0);
  Select(editor, {2}, 2);
  editor.SetLabel(1, 2, "edited");  // profile of T3
  Select(editor, {0}, 0);           // leaving T3 keeps the edit
  editor.Delete();                  // T3 moves to slot 2
  Select(editor, {0}, 0);
  editor.SetLabel(1, 3, "typed");  // profile of T2, not yet left
  Type(editor, "New", "010.000.000.040");
  editor.Add();
  editor.Ok(1, 50);
  EXPECT_EQ(db.store.LoadDialogProfile(1)->inputLabels, "P2,i2,typed,i4");
  EXPECT_EQ(db.store.LoadDialogProfile(2)->inputLabels, "P3,edited,i3,i4");
  EXPECT_EQ(db.store.LoadDialogProfile(3)->inputLabels, "In 1,In 2,In 3,In 4");
}

// Commas would split a stored name or label into two items; names keep to
// 13 characters wherever they are typed.
TEST_F(EditorTest, TypedNamesAndLabelsStayStorable) {
  db.Provision(2);
  editor.Open(0, 0);
  editor.SetNameText("Line,1");
  EXPECT_EQ(editor.nameText(), "Line1");
  editor.SetNameText("Fourteen chars");
  EXPECT_EQ(editor.nameText(), "Fourteen char");
  editor.SetNameText(
      "\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84"
      "\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84");  // 14 x U+00C4
  EXPECT_EQ(editor.nameText().size(), 26u);

  EXPECT_TRUE(editor.RenameEntry(0, "Scale,Room,North,East"));
  EXPECT_FALSE(editor.RenameEntry(1, ""));
  EXPECT_FALSE(editor.RenameEntry(1, ",,"));
  editor.SetSelection({false, false}, -1);
  editor.SetLabel(1, 1, "Door,open");
  editor.Ok(1, 50);

  const StartupSettings s = db.store.LoadStartupSettings();
  EXPECT_EQ(s.nameList, "ScaleRoomNort,T2");
  EXPECT_EQ(SplitCommaList(s.nameList).size(), SplitCommaList(s.ipList).size());
  EXPECT_EQ(db.store.LoadDialogProfile(1)->inputLabels, "Dooropen,i2,i3,i4");
}

TEST_F(EditorTest, F2StartsRenamingOnlyWithAFocusedEntry) {
  db.Provision(2);
  editor.Open(0, 0);
  EXPECT_EQ(editor.ListKeyDown(Editor::ListKey::F2), Editor::KeyResult::Swallowed);
  Select(editor, {1}, 1);
  EXPECT_EQ(editor.ListKeyDown(Editor::ListKey::F2), Editor::KeyResult::StartRename);
  EXPECT_EQ(editor.ListKeyDown(Editor::ListKey::Other), Editor::KeyResult::Pass);
}

TEST_F(EditorTest, UnreadableSlotFailsOnlyWhenShown) {
  db.Provision(3);
  {
    auto tx = db.memory.Begin();
    tx->Open(ProfileSlotPath(2), OpenMode::Write)->WriteString("RefreshInterval", "fast");
  }
  editor.Open(0, 0);
  EXPECT_THROW(Select(editor, {1}, 1), RegistryError);
  Select(editor, {2}, 2);
  EXPECT_EQ(editor.label(1, 1), "P3");
  editor.Ok(1, 50);
  EXPECT_THROW(db.store.LoadDialogProfile(2), RegistryError);  // left as it was
  EXPECT_EQ(db.store.LoadDialogProfile(3)->inputLabels, "P3,i2,i3,i4");
}

}  // namespace
}  // namespace zavo
