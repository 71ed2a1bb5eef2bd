// Where a picture's bytes come from: a BITMAP resource (its file header put back) or a file.
#include "platform/image_source.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/gdi.h"
#include "platform/image_probe.h"
#include "platform/plat_file.h"
#include "platform/resources.h"

namespace {
void PutLe16(uint8_t* p, uint32_t v) {
  p[0] = (uint8_t)v;
  p[1] = (uint8_t)(v >> 8);
}
void PutLe32(uint8_t* p, uint32_t v) {
  PutLe16(p, v & 0xFFFF);
  PutLe16(p + 2, v >> 16);
}

// A resource holds the information header onwards; the pixels start after it and its tables.
bool FromResource(HINSTANCE hinst, const char* name, std::vector<uint8_t>* out) {
  HRSRC res = FindResourceA(hinst, name, RT_BITMAP);
  const uint8_t* data = static_cast<const uint8_t*>(LockResource(LoadResource(hinst, res)));
  const size_t size = SizeofResource(hinst, res);
  uint32_t hsize = 0, bits = 0, comp = 0, clr_used = 0;
  if (!data || !IMGL_Le32(data, size, 0, &hsize) || size > 0x7FFFFFFF) return false;
  if (hsize == 12) {
    IMGL_Le16(data, size, 10, &bits);
  } else {
    IMGL_Le16(data, size, 14, &bits);
    IMGL_Le32(data, size, 16, &comp);
    IMGL_Le32(data, size, 32, &clr_used);
  }
  const unsigned long long off_bits = 14ull + hsize + IMGL_BmpTableBytes(hsize, bits, comp, clr_used);
  out->assign(14 + size, 0);
  (*out)[0] = 'B';
  (*out)[1] = 'M';
  PutLe32(out->data() + 2, (uint32_t)(14 + size));
  PutLe32(out->data() + 10, off_bits > 0xFFFFFFFFull ? 0xFFFFFFFFu : (uint32_t)off_bits);
  std::memcpy(out->data() + 14, data, size);
  return true;
}

bool FromFile(const char* path, size_t limit, std::vector<uint8_t>* out, size_t* total) {
  const int fd = PLAT_OpenRead(path, total);
  if (fd < 0) return false;
  out->resize(*total < limit ? *total : limit);
  const bool ok = IMGL_ReadAt(fd, 0, out->data(), out->size());
  close(fd);
  return ok;
}
}  // namespace

bool IMGL_Read(HINSTANCE hinst, const char* name, UINT flags, size_t limit, std::vector<uint8_t>* out,
               size_t* total) {
  out->clear();
  *total = 0;
  if (!name || (uintptr_t)name < 0x10000) return false;  // numbered resources do not exist here
  if (flags & LR_LOADFROMFILE) return FromFile(name, limit, out, total);
  if (!hinst || !FromResource(hinst, name, out)) return false;
  *total = out->size();
  return true;
}

bool IMGL_ReadAt(int fd, size_t off, uint8_t* out, size_t n) {
  size_t got = 0;
  while (got < n) {
    const ssize_t r = pread(fd, out + got, n - got, (off_t)(off + got));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    got += (size_t)r;
  }
  return true;
}
