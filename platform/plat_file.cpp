#include "platform/plat_file.h"

#include <cerrno>

#include "platform/fault.h"

FILE* PLAT_fopen(const char* path, const char* mode) {
  if (PLAT_FaultHit(PC_FileOpen, nullptr)) {
    errno = EACCES;
    return nullptr;
  }
  return std::fopen(path, mode);
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
