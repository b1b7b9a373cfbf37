#include "settings/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "settings/key_value_store.h"

namespace zavo {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, int err) {
  throw StoreError(what + " " + path + ": " + std::strerror(err));
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string TemporaryPathFor(const std::string& path) {
  return path + ".tmp";
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return std::nullopt;
    Fail("cannot open", path, errno);
  }
  std::string content;
  char buf[65536];
  while (true) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int err = errno;
      ::close(fd);
      Fail("cannot read", path, err);
    }
    if (n == 0) break;
    content.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return content;
}

void ReplaceFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string temp = TemporaryPathFor(path);
  mode_t mode = 0644;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;

  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) Fail("cannot create", temp, errno);
  auto failAndRemove = [&](const char* what, int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    Fail(what, temp, err);
  };
  if (::fchmod(fd, mode) != 0) failAndRemove("cannot set permissions of", errno);
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) failAndRemove("cannot write", errno);
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) failAndRemove("cannot sync", errno);
  if (::close(fd) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    Fail("cannot write", temp, err);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    Fail("cannot replace", path, err);
  }
  // The rename itself must reach the disk before we report success.
  const std::string folder = FolderOf(path);
  int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) Fail("cannot open folder", folder, errno);
  int rc = ::fsync(dir);
  int err = errno;
  ::close(dir);
  if (rc != 0) Fail("cannot sync folder", folder, err);
}

}  // namespace zavo
