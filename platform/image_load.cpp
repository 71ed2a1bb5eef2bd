// LoadImageA and the header-only size probe: find the bytes, check them, decode, scale.
#include <unistd.h>

#include <cstdio>

#include "platform/fault.h"
#include "platform/gdi_internal.h"
#include "platform/image_load.h"
#include "platform/image_source.h"
#include "platform/plat_file.h"

namespace {
const size_t kProbeBytes = 64 * 1024;

// The largest file read whole: a 32-bit BMP at the pixel ceiling, with room for its headers.
size_t MaxFileBytes() { return (size_t)IMGL_PixelLimit() * 4 + (1u << 20); }

HANDLE Refuse(const char* name, const char* why) {
  std::fprintf(stderr, "platform: picture \"%s\" refused: %s\n", name, why);
  return nullptr;
}

// The size asked for, or the picture's own along a side given as 0.
bool Target(const char* name, const TImgInfo& info, int cx, int cy, int* w, int* h) {
  *w = cx ? cx : info.width;
  *h = cy ? cy : info.height;
  if (IMGL_SizeOk(*w, *h)) return true;
  Refuse(name, "the size asked for is too large");
  return false;
}

HANDLE Registered(const char* name, TGdiBitmap* bm, const std::string& why) {
  if (!bm) return Refuse(name, why.c_str());
  GDI_Register(bm);
  return bm;
}

HANDLE FromBytes(const char* name, const std::vector<uint8_t>& bytes, size_t total, int cx, int cy) {
  if (bytes.size() < total) return Refuse(name, "file too large");
  TImgInfo info;
  if (IMGL_Probe(bytes.data(), bytes.size(), total, &info) != IMGP_OK)
    return Refuse(name, "not a BMP, PNG or JPEG picture of an accepted form and size");
  if (!IMGL_CheckWhole(bytes.data(), bytes.size(), info)) return Refuse(name, "corrupt or truncated");
  int w, h;
  if (!Target(name, info, cx, cy, &w, &h)) return nullptr;
  std::string why;
  if (IMGL_BmpDirect(info)) return Registered(name, IMGL_DecodeBmpBytes(bytes.data(), bytes.size(), info, w, h, &why), why);
  TGdiBitmap* bm = IMGL_Decode(bytes.data(), bytes.size(), info, &why);
  if (bm && !IMGL_Scale(bm, w, h)) {
    delete bm;
    bm = nullptr;
    why = "out of memory while scaling";
  }
  return Registered(name, bm, why);
}

// A plain BMP is read from the file row by row once its header passes; anything else whole.
HANDLE FromFile(const char* name, int fd, size_t total, int cx, int cy) {
  if (total > MaxFileBytes()) return Refuse(name, "file too large");
  std::vector<uint8_t> head(total < kProbeBytes ? total : kProbeBytes);
  if (!IMGL_ReadAt(fd, 0, head.data(), head.size())) return nullptr;
  TImgInfo info;
  if (IMGL_Probe(head.data(), head.size(), total, &info) == IMGP_OK && IMGL_BmpDirect(info)) {
    int w, h;
    if (!Target(name, info, cx, cy, &w, &h)) return nullptr;
    std::string why;
    return Registered(name, IMGL_DecodeBmpFile(fd, info, w, h, &why), why);
  }
  std::vector<uint8_t> bytes;
  if (total > head.size()) {
    bytes.resize(total);
    if (!IMGL_ReadAt(fd, 0, bytes.data(), bytes.size())) return nullptr;
  } else {
    bytes.swap(head);
  }
  return FromBytes(name, bytes, total, cx, cy);
}
}  // namespace

HANDLE LoadImageA(HINSTANCE hinst, const char* name, UINT type, int cx, int cy, UINT flags) {
  if (PLAT_FaultHit(PC_LoadImage, nullptr)) return nullptr;
  if (type != IMAGE_BITMAP || cx < 0 || cy < 0) return nullptr;
  if (name && (uintptr_t)name >= 0x10000 && (flags & LR_LOADFROMFILE)) {
    size_t total = 0;
    const int fd = PLAT_OpenRead(name, &total);
    if (fd < 0) return nullptr;  // no such picture
    HANDLE h = FromFile(name, fd, total, cx, cy);
    close(fd);
    return h;
  }
  std::vector<uint8_t> bytes;
  size_t total = 0;
  if (!IMGL_Read(hinst, name, flags, MaxFileBytes(), &bytes, &total)) return nullptr;  // no such picture
  return FromBytes(name, bytes, total, cx, cy);
}

BOOL PLAT_ImageSize(HINSTANCE hinst, const char* name, UINT flags, int* width, int* height) {
  if (!width || !height) return FALSE;
  // Most headers sit in the first bytes; a JPEG's frame may follow large metadata, so read on.
  for (size_t limit = kProbeBytes;; limit *= 4) {
    std::vector<uint8_t> bytes;
    size_t total = 0;
    if (!IMGL_Read(hinst, name, flags, limit, &bytes, &total)) return FALSE;
    TImgInfo info;
    const TImgProbe r = IMGL_Probe(bytes.data(), bytes.size(), total, &info);
    if (r == IMGP_OK) {
      *width = info.width;
      *height = info.height;
      return TRUE;
    }
    if (r == IMGP_BAD || bytes.size() >= total) return FALSE;
  }
}
