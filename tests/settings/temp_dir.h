// A fresh folder below the system's temporary folder, removed afterwards.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace zavo::testing {

class TempDir {
 public:
  explicit TempDir(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
    std::random_device rd;
    for (int attempt = 0;; ++attempt) {
      path_ = base / ("zavo-settings-test-" + std::to_string(rd()) + std::to_string(attempt));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace zavo::testing
