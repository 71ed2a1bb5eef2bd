// LoadImageA and the header-only size probe: find the bytes, check them, decode, scale.
#include <cstdio>

#include "platform/fault.h"
#include "platform/gdi_internal.h"
#include "platform/image_load.h"
#include "platform/image_source.h"

namespace {
const size_t kProbeBytes = 64 * 1024;

// The largest file read whole: a 32-bit BMP at the pixel ceiling, with room for its headers.
size_t MaxFileBytes() { return (size_t)IMGL_PixelLimit() * 4 + (1u << 20); }

HANDLE Refuse(const char* name, const char* why) {
  std::fprintf(stderr, "platform: picture \"%s\" refused: %s\n", name, why);
  return nullptr;
}
}  // namespace

HANDLE LoadImageA(HINSTANCE hinst, const char* name, UINT type, int cx, int cy, UINT flags) {
  if (PLAT_FaultHit(PC_LoadImage, nullptr)) return nullptr;
  if (type != IMAGE_BITMAP || cx < 0 || cy < 0) return nullptr;
  std::vector<uint8_t> bytes;
  size_t total = 0;
  if (!IMGL_Read(hinst, name, flags, MaxFileBytes(), &bytes, &total)) return nullptr;  // no such picture
  if (bytes.size() < total) return Refuse(name, "file too large");
  TImgInfo info;
  if (IMGL_Probe(bytes.data(), bytes.size(), total, &info) != IMGP_OK)
    return Refuse(name, "not a BMP, PNG or JPEG picture of an accepted form and size");
  if (!IMGL_CheckWhole(bytes.data(), bytes.size(), info)) return Refuse(name, "corrupt or truncated");
  const int w = cx ? cx : info.width, h = cy ? cy : info.height;
  if (!IMGL_SizeOk(w, h)) return Refuse(name, "the size asked for is too large");
  std::string why;
  TGdiBitmap* bm = IMGL_Decode(bytes.data(), bytes.size(), info, &why);
  if (!bm) return Refuse(name, why.c_str());
  if (!IMGL_Scale(bm, w, h)) {
    delete bm;
    return Refuse(name, "out of memory while scaling");
  }
  GDI_Register(bm);
  return bm;
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
