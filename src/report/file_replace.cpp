#include "report/file_replace.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vdw {

namespace {

mode_t current_umask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Writes all of `content`, however many calls the system needs for it.
int write_all(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace

int replace_file(const char* path, std::string_view content) {
  std::string temporary = std::string(path) + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return errno;

  int error = 0;
  if (fchmod(fd, 0666 & ~current_umask()) != 0) error = errno;
  if (error == 0) error = write_all(fd, content);
  // On stable storage before the rename, or a crash could leave an empty file
  // where the old chart was.
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), path) != 0) error = errno;

  if (error != 0) unlink(temporary.c_str());
  return error;
}

}  // namespace vdw
