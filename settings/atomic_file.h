// Whole-file reads and crash-safe replacement: the new content goes to a
// temporary file in the same folder, is synced, renamed over the old file
// and the folder is synced, so the file is always either old or new.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zavo {

// The temporary file that ReplaceFileAtomically uses for path.
std::string TemporaryPathFor(const std::string& path);

// nullopt when the file does not exist; StoreError when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Keeps the old file's permissions. Throws StoreError; the old file is then
// untouched and the temporary file removed.
void ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace zavo
