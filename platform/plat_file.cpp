#include "platform/plat_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/fault.h"

int PLAT_OpenRead(const char* path, size_t* size) {
  // The kind is looked at before opening, so that no device is ever opened; and again on
  // what was opened, in case the name changed in between.
  struct stat st;
  if (path == nullptr || stat(path, &st) != 0) return -1;
  if (!S_ISREG(st.st_mode)) {
    errno = EINVAL;
    return -1;
  }
  const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    errno = EINVAL;
    return -1;
  }
  *size = (size_t)st.st_size;
  return fd;
}

FILE* PLAT_fopen(const char* path, const char* mode) {
  if (PLAT_FaultHit(PC_FileOpen, nullptr)) {
    errno = EACCES;
    return nullptr;
  }
  if (mode[0] != 'r') return std::fopen(path, mode);
  size_t size = 0;
  const int fd = PLAT_OpenRead(path, &size);
  if (fd < 0) return nullptr;
  FILE* f = fdopen(fd, mode);
  if (f == nullptr) close(fd);
  return f;
}

size_t PLAT_fwrite(const void* data, size_t size, size_t count, FILE* f) {
  if (size == 0 || count == 0) return 0;
  const size_t room = PLAT_FaultBytes(size * count);
  if (room < size * count) {
    // The disk fills up part-way: what fits is written, the rest is lost.
    const size_t whole = room / size;
    const size_t done = whole ? std::fwrite(data, size, whole, f) : 0;
    errno = ENOSPC;
    return done;
  }
  return std::fwrite(data, size, count, f);
}

int PLAT_fclose(FILE* f) {
  const bool fail = PLAT_FaultHit(PC_FileClose, nullptr);
  const int rc = std::fclose(f);
  if (fail) {
    errno = ENOSPC;
    return EOF;
  }
  return rc;
}

int PLAT_rename(const char* from, const char* to) {
  if (PLAT_FaultHit(PC_FileRename, nullptr)) {
    errno = EACCES;
    return -1;
  }
  return std::rename(from, to);
}

int PLAT_remove(const char* path) { return std::remove(path); }
