// The settings dialog's copy of the six profile slots. Adding, deleting,
// taking out and moving entries shift and swap the profiles here, and the
// profile being edited is kept here too; only the dialog's OK writes them,
// together with the list, so a dialog closed any other way changes nothing.
// Slot keys do not move: a slot absent from the store stays absent and
// takes no values, as the store itself would.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "settings/settings_store.h"

namespace zavo {

class ProfileWorkingCopy {
 public:
  // Reads slots 1 to 6. A slot whose values cannot be read (a damaged
  // store) is remembered with its error, which Get raises.
  void Load(SettingsStore& store);

  bool Exists(int slot) const;
  // Null for an absent slot (or one outside 1..6); throws the slot's
  // RegistryError when it could not be read.
  const ProfileValues* Get(int slot) const;
  // Keeps the edited values; ignored for an absent or unreadable slot.
  void Set(int slot, const ProfileValues& values);

  // The list operations. A profile moved out of an absent or unreadable
  // slot arrives as the reset profile.
  void Remove(int k);  // entry k was removed: k+1..6 move down, 6 is reset
  void Insert(int k);  // entry inserted at k: k..5 move up, k is reset
  void Swap(int a, int b);

  // Writes every slot whose values differ from what Load read.
  void Write(SettingsStore& store) const;

 private:
  struct Slot {
    bool exists = false;
    std::optional<ProfileValues> values;  // empty: unreadable, see error
    std::string error;
    uint32_t lastError = 0;
    std::optional<ProfileValues> original;
  };

  static bool Valid(int slot) { return slot >= 1 && slot <= kProfileSlots; }
  Slot& At(int slot) { return slots_[static_cast<size_t>(slot - 1)]; }
  const Slot& At(int slot) const { return slots_[static_cast<size_t>(slot - 1)]; }
  ProfileValues Take(int slot) const;
  void Put(int slot, const ProfileValues& values);

  std::array<Slot, kProfileSlots> slots_;
};

}  // namespace zavo
