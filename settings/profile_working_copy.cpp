#include "settings/profile_working_copy.h"

#include <utility>

namespace zavo {
namespace {

bool Same(const ProfileValues& a, const ProfileValues& b) {
  return a.inputLabels == b.inputLabels && a.outputLabels == b.outputLabels &&
         a.refreshInterval == b.refreshInterval && a.printPort == b.printPort;
}

}  // namespace

void ProfileWorkingCopy::Load(SettingsStore& store) {
  for (int n = 1; n <= kProfileSlots; ++n) {
    Slot slot;
    try {
      const std::optional<ProfileValues> read = store.LoadDialogProfile(n);
      slot.exists = read.has_value();
      slot.values = read;
      slot.original = read;
    } catch (const RegistryError& e) {
      slot.exists = true;
      slot.error = e.what();
      slot.lastError = e.lastError();
    }
    At(n) = std::move(slot);
  }
}

bool ProfileWorkingCopy::Exists(int slot) const {
  return Valid(slot) && At(slot).exists;
}

const ProfileValues* ProfileWorkingCopy::Get(int slot) const {
  if (!Exists(slot)) return nullptr;
  const Slot& s = At(slot);
  if (!s.values) throw RegistryError(s.error, s.lastError);
  return &*s.values;
}

void ProfileWorkingCopy::Set(int slot, const ProfileValues& values) {
  if (Exists(slot) && At(slot).values) At(slot).values = values;
}

ProfileValues ProfileWorkingCopy::Take(int slot) const {
  if (Exists(slot) && At(slot).values) return *At(slot).values;
  return ProfileValues{};
}

void ProfileWorkingCopy::Put(int slot, const ProfileValues& values) {
  if (!Exists(slot)) return;
  At(slot).values = values;
  At(slot).error.clear();
}

void ProfileWorkingCopy::Remove(int k) {
  if (!Valid(k)) return;
  for (int t = k; t < kProfileSlots; ++t) Put(t, Take(t + 1));
  Put(kProfileSlots, ProfileValues{});
}

void ProfileWorkingCopy::Insert(int k) {
  if (!Valid(k)) return;
  for (int t = kProfileSlots - 1; t >= k; --t) Put(t + 1, Take(t));
  Put(k, ProfileValues{});
}

void ProfileWorkingCopy::Swap(int a, int b) {
  if (!Valid(a) || !Valid(b) || a == b) return;
  const ProfileValues atA = Take(a);
  const ProfileValues atB = Take(b);
  Put(b, atA);
  Put(a, atB);
}

void ProfileWorkingCopy::Write(SettingsStore& store) const {
  for (int n = 1; n <= kProfileSlots; ++n) {
    const Slot& s = At(n);
    if (!s.exists || !s.values) continue;
    if (s.original && Same(*s.original, *s.values)) continue;
    store.SaveProfile(n, *s.values);
  }
}

}  // namespace zavo
