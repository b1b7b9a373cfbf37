// An exclusive flock() on a lock file that stays in place for good: the
// data file beside it is replaced on every write, so it cannot carry the
// lock itself. Two locks on the same file exclude each other even within
// one process, so a thread must not hold two at once.
#pragma once

#include <string>

namespace zavo {

class FileLock {
 public:
  // Creates the lock file when it can and waits for the lock. When the
  // file cannot be created or opened (a folder the account may only read),
  // no lock is held and canWrite() is false.
  explicit FileLock(const std::string& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // The lock file could be opened for writing: the folder is ours.
  bool canWrite() const { return canWrite_; }

 private:
  int fd_ = -1;
  bool canWrite_ = false;
};

}  // namespace zavo
