#include "settings/terminal_list_editor.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "link/address.h"
#include "link/panel_decoder.h"
#include "settings/comma_list.h"

namespace zavo {
namespace {

std::string WithoutCommas(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ',') out += c;
  return out;
}

// Cuts UTF-8 text after `limit` characters, never inside one.
std::string FirstCharacters(std::string text, size_t limit) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (count++ == limit) {
      text.resize(i);
      break;
    }
  }
  return text;
}

std::string JoinColumn(const std::array<std::string, 4>& cells) {
  return JoinCommaList(std::vector<std::string>(cells.begin(), cells.end()));
}

}  // namespace

bool TerminalListEditor::IsCompleteAddress(std::string_view text) {
  if (text.size() != 15) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool dot = i % 4 == 3;
    if (dot ? text[i] != '.' : !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

std::string TerminalListEditor::CleanName(std::string_view text) {
  return FirstCharacters(WithoutCommas(text), kNameLimit);
}

std::string TerminalListEditor::CleanLabel(std::string_view text) {
  return WithoutCommas(text);
}

std::optional<int32_t> TerminalListEditor::Open(int32_t mainLeft, int32_t mainTop) {
  store_.SaveWindowPosition(mainLeft, mainTop);
  const DialogSettings stored = store_.LoadDialogSettings();
  std::optional<int32_t> scanWait;
  if (stored.found) {
    scanWait = stored.netScanTimeout;
    refresh_.minimum = std::min(stored.minimumRefreshInterval, refresh_.maximum);
    refresh_.step = stored.refreshIntervalIncrement;
    refresh_.position = ClampRefresh(refresh_.position);
    showHints_ = stored.showHints;
    keypadEnabled_ = stored.keypadEnabled;
  }
  nameText_.clear();
  addressText_.clear();
  rows_.clear();
  focused_ = -1;
  for (auto& column : labels_) column.fill(std::string());

  // One entry per stored name; the addresses follow in order. A damaged
  // store with fewer addresses leaves the last entries without one.
  const std::vector<std::string> names = SplitCommaList(stored.nameList);
  const std::vector<std::string> addresses = SplitCommaList(stored.ipList);
  for (size_t i = 0; i < names.size(); ++i)
    rows_.push_back({{names[i], i < addresses.size() ? addresses[i] : std::string()}, false});

  enabled_ = Enabled{};
  enabled_.fields = Count() < kMaxEntries;
  slots_.Load(store_);
  gridEdited_ = false;
  editedSlot_ = 1;
  LoadSlot(editedSlot_);
  FocusNameOrList();
  return scanWait;
}

void TerminalListEditor::SetSelection(const std::vector<bool>& selected, int focused) {
  for (size_t i = 0; i < rows_.size(); ++i) rows_[i].selected = i < selected.size() && selected[i];
  focused_ = focused >= 0 && focused < Count() ? focused : -1;
}

void TerminalListEditor::EntryChange() {
  if (focused_ < 0) return;
  enabled_.del = true;
  enabled_.up = focused_ > 0;
  enabled_.down = focused_ < Count() - 1;
  SaveSlot(editedSlot_);
  editedSlot_ = focused_ + 1;
  LoadSlot(editedSlot_);
  enabled_.grid = true;
}

void TerminalListEditor::FieldChange() {
  enabled_.add = AddingAllowed();
  enabled_.del = enabled_.up = enabled_.down = false;
  enabled_.grid = false;
}

void TerminalListEditor::SetNameText(std::string_view text) {
  nameText_ = CleanName(text);
  FieldChange();
}

void TerminalListEditor::SetAddressText(std::string_view text) {
  addressText_ = std::string(text);
  FieldChange();
}

bool TerminalListEditor::NameKeyPress(char key) {
  if ((key == '\r' || key == '+') && IsCompleteAddress(addressText_)) {
    Add();
    return true;
  }
  return false;
}

bool TerminalListEditor::AddressKeyPress(char key) {
  if (key != '\r' && key != '+') return false;
  Add();
  return true;
}

void TerminalListEditor::Add() {
  for (const Row& row : rows_)
    if (row.entry.address == addressText_) return;
  // Six entries also stop an Add that reaches here without the button.
  if (!AddingAllowed() || Count() >= kMaxEntries) return;
  KeepEdits();
  rows_.push_back({{nameText_, addressText_}, false});
  nameText_.clear();
  addressText_.clear();
  if (Count() >= kMaxEntries) enabled_.add = enabled_.fields = false;
  focused_ = Count() - 1;
  editedSlot_ = Count();
  slots_.Insert(editedSlot_);
  LoadSlot(editedSlot_);
  enabled_.grid = true;
  FieldChange();
  FocusNameOrList();
}

void TerminalListEditor::Delete() {
  KeepEdits();
  if (AnySelected()) {
    for (int i = Count() - 1; i >= 0; --i) {
      if (!rows_[static_cast<size_t>(i)].selected) continue;
      RemoveRow(i);
      slots_.Remove(i + 1);
    }
    enabled_.add = enabled_.fields = true;
  }
  editedSlot_ = focused_ >= 0 ? focused_ + 1 : 1;
  LoadSlot(editedSlot_);
  FieldChange();
  FocusNameOrList();
}

void TerminalListEditor::TakeOut() {
  KeepEdits();
  if (AnySelected()) {
    for (int i = 0; i < Count();) {
      const Row& row = rows_[static_cast<size_t>(i)];
      if (!row.selected) {
        ++i;
        continue;
      }
      nameText_ = CleanName(row.entry.name);
      addressText_ = PadAddress(row.entry.address);
      RemoveRow(i);
      slots_.Remove(i + 1);
    }
    enabled_.add = enabled_.fields = true;
  }
  editedSlot_ = focused_ >= 0 ? focused_ + 1 : 1;
  LoadSlot(editedSlot_);
  FieldChange();
  focusRequest_ = Focus::NameField;
}

void TerminalListEditor::Move(int direction) {
  if (!AnySelected() || focused_ < 0) {
    KeepEdits();
    FollowFocus();
    return;
  }
  const int from = focused_;
  const int to = from + direction;
  if (to < 0 || to >= Count()) return;
  SaveSlot(editedSlot_);
  std::swap(rows_[static_cast<size_t>(from)], rows_[static_cast<size_t>(to)]);
  rows_[static_cast<size_t>(to)].selected = true;
  focused_ = to;
  slots_.Swap(from + 1, to + 1);
  enabled_.grid = true;
  FollowFocus();
}

// The last step of a move: focus to the list, buttons and EditedSlot by the
// focus mark, the slot shown anew.
void TerminalListEditor::FollowFocus() {
  focusRequest_ = Focus::List;
  if (focused_ >= 0) {
    enabled_.del = true;
    enabled_.up = focused_ > 0;
    enabled_.down = focused_ < Count() - 1;
    editedSlot_ = focused_ + 1;
  } else {
    editedSlot_ = 1;
  }
  LoadSlot(editedSlot_);
}

TerminalListEditor::KeyResult TerminalListEditor::ListKeyDown(ListKey key) {
  switch (key) {
    case ListKey::CtrlUp:
      MoveUp();
      return KeyResult::Swallowed;
    case ListKey::CtrlDown:
      MoveDown();
      return KeyResult::Swallowed;
    case ListKey::Delete:
      Delete();
      return KeyResult::Swallowed;
    case ListKey::F2:
      return focused_ >= 0 ? KeyResult::StartRename : KeyResult::Swallowed;
    case ListKey::Other:
      break;
  }
  return KeyResult::Pass;
}

bool TerminalListEditor::RenameEntry(int index, std::string_view name) {
  if (index < 0 || index >= Count()) return false;
  std::string clean = CleanName(name);
  // An empty name would vanish from the stored list (a trailing empty item
  // is dropped when the list is read back), taking its terminal with it.
  if (clean.empty()) return false;
  rows_[static_cast<size_t>(index)].entry.name = std::move(clean);
  return true;
}

void TerminalListEditor::SetLabel(int column, int row, std::string_view text) {
  if (column < 1 || column > 2 || row < 1 || row > 4) return;
  labels_[static_cast<size_t>(column - 1)][static_cast<size_t>(row - 1)] = CleanLabel(text);
  gridEdited_ = true;
}

void TerminalListEditor::SetRefreshPosition(int position) {
  refresh_.position = ClampRefresh(position);
  gridEdited_ = true;
}

void TerminalListEditor::SetPortText(std::string_view text) {
  portText_ = std::string(text);
  gridEdited_ = true;
}

void TerminalListEditor::Ok(int32_t currentTerminal, int32_t netScanTimeout) {
  SaveSlot(editedSlot_);
  slots_.Write(store_);
  DialogSave save;
  std::vector<std::string> names, addresses;
  for (const Row& row : rows_) {
    names.push_back(row.entry.name);
    addresses.push_back(row.entry.address);
  }
  save.nameList = JoinCommaList(names);
  save.ipList = JoinCommaList(addresses);
  save.currentZavNumber = currentTerminal;
  save.netScanTimeout = netScanTimeout;
  save.showHints = showHints_;
  save.keypadEnabled = keypadEnabled_;
  store_.SaveDialogSettings(save);
}

const std::string& TerminalListEditor::AddressAt(int index) const {
  return rows_.at(static_cast<size_t>(index)).entry.address;
}

void TerminalListEditor::Append(const TerminalEntry& entry) {
  rows_.push_back({entry, false});
  if (Count() >= kMaxEntries) enabled_.add = enabled_.fields = false;
}

std::vector<TerminalEntry> TerminalListEditor::entries() const {
  std::vector<TerminalEntry> out;
  for (const Row& row : rows_) out.push_back(row.entry);
  return out;
}

bool TerminalListEditor::IsSelected(int index) const {
  return index >= 0 && index < Count() && rows_[static_cast<size_t>(index)].selected;
}

const std::string& TerminalListEditor::label(int column, int row) const {
  return labels_.at(static_cast<size_t>(column - 1)).at(static_cast<size_t>(row - 1));
}

TerminalListEditor::Focus TerminalListEditor::TakeFocusRequest() {
  return std::exchange(focusRequest_, Focus::Unchanged);
}

bool TerminalListEditor::AddingAllowed() const {
  return !nameText_.empty() && IsCompleteAddress(addressText_);
}

bool TerminalListEditor::AnySelected() const {
  return std::any_of(rows_.begin(), rows_.end(), [](const Row& r) { return r.selected; });
}

void TerminalListEditor::LoadSlot(int slot) {
  const ProfileValues* values = slots_.Get(slot);
  if (!values) return;
  refresh_.position = ClampRefresh(values->refreshInterval);
  portText_ = std::to_string(values->printPort);
  FillColumn(0, values->inputLabels);
  FillColumn(1, values->outputLabels);
  gridEdited_ = false;
}

void TerminalListEditor::SaveSlot(int slot) {
  if (!slots_.Exists(slot)) return;
  ProfileValues values;
  values.inputLabels = JoinColumn(labels_[0]);
  values.outputLabels = JoinColumn(labels_[1]);
  values.refreshInterval = refresh_.position;
  int32_t port = kDefaultPort;
  values.printPort = ParseWholeNumber(portText_, port) ? port : kDefaultPort;
  slots_.Set(slot, values);
  gridEdited_ = false;
}

// Operations that show another slot keep what the operator typed into the
// grid, interval or port for the slot shown so far.
void TerminalListEditor::KeepEdits() {
  if (gridEdited_) SaveSlot(editedSlot_);
}

void TerminalListEditor::RemoveRow(int index) {
  rows_.erase(rows_.begin() + index);
  if (focused_ == index)
    focused_ = -1;
  else if (focused_ > index)
    --focused_;
}

void TerminalListEditor::FocusNameOrList() {
  focusRequest_ = enabled_.fields ? Focus::NameField : Focus::List;
}

// Row r takes the text before the next comma; without one it takes all
// that is left, so fewer than four labels repeat the last in later rows.
void TerminalListEditor::FillColumn(int column, const std::string& stored) {
  std::string_view rest = stored;
  for (std::string& cell : labels_[static_cast<size_t>(column)]) {
    const size_t comma = rest.find(',');
    if (comma == std::string_view::npos) {
      cell = std::string(rest);
    } else {
      cell = std::string(rest.substr(0, comma));
      rest.remove_prefix(comma + 1);
    }
  }
}

int TerminalListEditor::ClampRefresh(int position) const {
  return std::clamp(position, std::min(refresh_.minimum, refresh_.maximum), refresh_.maximum);
}

}  // namespace zavo
