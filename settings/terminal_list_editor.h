// The settings dialog's list editor without any window: the terminal list
// being edited, the selection and focus mark, the slot whose profile is
// shown (EditedSlot), the name and address fields, the label grid, the
// refresh interval and port, the two options and the enabled state of the
// controls. The dialog maps its control events onto the operations below
// and draws the state they leave.
//
// Profiles live in a working copy while the dialog is open: list edits shift
// them there and OK writes them together with the list and the options.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_working_copy.h"
#include "settings/scan_ports.h"
#include "settings/settings_store.h"
#include "settings/terminal_entry.h"

namespace zavo {

class TerminalListEditor : public ScanList {
 public:
  static constexpr int kMaxEntries = 6;
  static constexpr size_t kNameLimit = 13;
  static constexpr int kRefreshMaximum = 4000;
  static constexpr int32_t kDefaultPort = 1749;

  struct Enabled {
    bool add = false;
    bool del = false;
    bool up = false;
    bool down = false;
    bool fields = true;  // name and address fields
    bool grid = false;
  };
  struct RefreshControl {
    int position = 100;
    int minimum = 100;
    int maximum = kRefreshMaximum;
    int step = 25;
  };
  enum class Focus { Unchanged, NameField, List };
  enum class ListKey { CtrlUp, CtrlDown, Delete, F2, Other };
  enum class KeyResult { Pass, Swallowed, StartRename };

  explicit TerminalListEditor(SettingsStore& store) : store_(store) {}

  // The dialog is shown. Stores the main window's position, rebuilds the
  // list from the store and shows slot 1. Returns the stored scan wait when
  // the settings root was found.
  std::optional<int32_t> Open(int32_t mainLeft, int32_t mainTop);

  // The list view's selection and focus mark as the operator left them
  // (index from 0, -1 for no focus); EntryChange then follows them.
  void SetSelection(const std::vector<bool>& selected, int focused);
  void EntryChange();

  void FieldChange();                       // click into the name or address field
  void SetNameText(std::string_view text);  // commas dropped, 13 characters
  // The masked address field's text, an unfilled digit read as a blank.
  void SetAddressText(std::string_view text);
  // Enter is '\r'. True when the key is swallowed.
  bool NameKeyPress(char key);
  bool AddressKeyPress(char key);

  void Add();
  void Delete();
  void TakeOut();
  void MoveUp() { Move(-1); }
  void MoveDown() { Move(+1); }
  KeyResult ListKeyDown(ListKey key);
  // A name edited in place; commas dropped, 13 characters. An empty name
  // is refused (false), the entry keeps its name.
  bool RenameEntry(int index, std::string_view name);

  void SetLabel(int column, int row,
                std::string_view text);  // column 1 inputs, 2 outputs; row 1..4
  void SetRefreshPosition(int position);
  void SetPortText(std::string_view text);
  void SetShowHints(bool on) { showHints_ = on; }
  void SetKeypadEnabled(bool on) { keypadEnabled_ = on; }

  // Writes the profiles, the list and the options. Throws what the store throws.
  void Ok(int32_t currentTerminal, int32_t netScanTimeout);

  // ScanList: entries found by the scan.
  int Count() const override { return static_cast<int>(rows_.size()); }
  const std::string& AddressAt(int index) const override;
  void Append(const TerminalEntry& entry) override;

  std::vector<TerminalEntry> entries() const;
  bool IsSelected(int index) const;
  int focused() const { return focused_; }
  int editedSlot() const { return editedSlot_; }
  const std::string& nameText() const { return nameText_; }
  const std::string& addressText() const { return addressText_; }
  const std::string& label(int column, int row) const;
  const RefreshControl& refresh() const { return refresh_; }
  const std::string& portText() const { return portText_; }
  bool showHints() const { return showHints_; }
  bool keypadEnabled() const { return keypadEnabled_; }
  const Enabled& enabled() const { return enabled_; }
  // Where the last operation sends the keyboard focus; reading resets it.
  Focus TakeFocusRequest();

  // All twelve digits of an address field text typed.
  static bool IsCompleteAddress(std::string_view text);
  // A typed name or label as the store can keep it: no commas; names are
  // also cut to 13 characters.
  static std::string CleanName(std::string_view text);
  static std::string CleanLabel(std::string_view text);

 private:
  struct Row {
    TerminalEntry entry;
    bool selected = false;
  };

  bool AddingAllowed() const;
  bool AnySelected() const;
  void LoadSlot(int slot);
  void SaveSlot(int slot);
  void KeepEdits();
  void RemoveRow(int index);
  void Move(int direction);
  void FollowFocus();
  void FocusNameOrList();
  void FillColumn(int column, const std::string& stored);
  int ClampRefresh(int position) const;

  SettingsStore& store_;
  ProfileWorkingCopy slots_;
  std::vector<Row> rows_;
  int focused_ = -1;
  int editedSlot_ = 1;
  std::string nameText_;
  std::string addressText_;
  std::array<std::array<std::string, 4>, 2> labels_;
  RefreshControl refresh_;
  std::string portText_ = "1749";
  bool showHints_ = true;
  bool keypadEnabled_ = false;
  bool gridEdited_ = false;  // grid, interval or port typed since the last load
  Enabled enabled_;
  Focus focusRequest_ = Focus::Unchanged;
};

}  // namespace zavo
