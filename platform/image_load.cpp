// LoadImageA, the loading of a picture row by row into the caller's memory, and the header-only
// size probe: find the bytes, check them, decode at the size asked for.
#include <unistd.h>

#include <cstdio>
#include <new>

#include "platform/fault.h"
#include "platform/gdi_internal.h"
#include "platform/image_load.h"
#include "platform/image_rows.h"
#include "platform/image_source.h"
#include "platform/plat_file.h"

namespace {
const size_t kProbeBytes = 64 * 1024;
const int kProgressRows = 32;  // progress is told every so many rows

// The largest file read whole: a 32-bit BMP at the pixel ceiling, with room for its headers.
size_t MaxFileBytes() { return (size_t)IMGL_PixelLimit() * 4 + (1u << 20); }

// Where the decoded picture goes: `begin` once it has passed its checks, then its rows.
struct TTarget {
  std::function<bool(const TImgInfo& info, int w, int h)> begin;
  TImgEmit row;
  TImgPlace place;  // where rows may be decoded in place (may be empty)
  bool stopped = false;  // the row function stopped the decoding on purpose
};

bool Refuse(const char* name, const char* why) {
  std::fprintf(stderr, "platform: picture \"%s\" refused: %s\n", name, why);
  return false;
}

// The size asked for, or the picture's own along a side given as 0.
bool Size(const char* name, const TImgInfo& info, int cx, int cy, int* w, int* h) {
  *w = cx ? cx : info.width;
  *h = cy ? cy : info.height;
  return IMGL_SizeOk(*w, *h) || Refuse(name, "the size asked for is too large");
}

bool Decoded(const char* name, bool ok, const TTarget& t, const std::string& why) {
  if (!ok && !t.stopped) Refuse(name, why.c_str());
  return ok;
}

bool FromBytes(const char* name, const std::vector<uint8_t>& bytes, size_t total, int cx, int cy, TTarget* t) {
  if (bytes.size() < total) return Refuse(name, "file too large");
  TImgInfo info;
  if (IMGL_Probe(bytes.data(), bytes.size(), total, &info) != IMGP_OK)
    return Refuse(name, "not a BMP, PNG or JPEG picture of an accepted form and size");
  if (!IMGL_CheckWhole(bytes.data(), bytes.size(), info)) return Refuse(name, "corrupt or truncated");
  int w, h;
  if (!Size(name, info, cx, cy, &w, &h) || !t->begin(info, w, h)) return false;
  std::string why;
  return Decoded(name, IMGL_Decode(bytes.data(), bytes.size(), info, w, h, t->row, &why, t->place), *t, why);
}

// A plain BMP is read from the file row by row once its header passes; anything else whole.
bool FromFile(const char* name, int fd, size_t total, int cx, int cy, TTarget* t) {
  if (total > MaxFileBytes()) return Refuse(name, "file too large");
  std::vector<uint8_t> head(total < kProbeBytes ? total : kProbeBytes);
  if (!IMGL_ReadAt(fd, 0, head.data(), head.size())) return false;
  TImgInfo info;
  if (IMGL_Probe(head.data(), head.size(), total, &info) == IMGP_OK && IMGL_BmpDirect(info)) {
    int w, h;
    if (!Size(name, info, cx, cy, &w, &h) || !t->begin(info, w, h)) return false;
    std::string why;
    return Decoded(name, IMGL_DecodeBmpFile(fd, info, w, h, t->row, &why), *t, why);
  }
  std::vector<uint8_t> bytes;
  if (total > head.size()) {
    bytes.resize(total);
    if (!IMGL_ReadAt(fd, 0, bytes.data(), bytes.size())) return false;
  } else {
    bytes.swap(head);
  }
  return FromBytes(name, bytes, total, cx, cy, t);
}

bool Load(HINSTANCE hinst, const char* name, UINT flags, int cx, int cy, TTarget* t) {
  if (PLAT_FaultHit(PC_LoadImage, nullptr) || cx < 0 || cy < 0) return false;
  if (name && (uintptr_t)name >= 0x10000 && (flags & LR_LOADFROMFILE)) {
    size_t total = 0;
    const int fd = PLAT_OpenRead(name, &total);
    if (fd < 0) return false;  // no such picture
    const bool ok = FromFile(name, fd, total, cx, cy, t);
    close(fd);
    return ok;
  }
  std::vector<uint8_t> bytes;
  size_t total = 0;
  return IMGL_Read(hinst, name, flags, MaxFileBytes(), &bytes, &total) && FromBytes(name, bytes, total, cx, cy, t);
}

// A sink's pixels from a row of words: as they are for 4 bytes, packed to 5-6-5 for 2.
struct TSinkRows {
  const TImgSink& sink;
  int bytes;
  int w = 0, h = 0;
  std::vector<uint16_t> packed;

  bool Begin(int width, int height) {
    w = width;
    h = height;
    if (bytes == 2) packed.resize((size_t)w);
    return sink.begin(sink.ctx, w, h, bytes);
  }
  uint32_t* Place(int y) const { return sink.place ? static_cast<uint32_t*>(sink.place(sink.ctx, y)) : nullptr; }
  bool Row(int y, const uint32_t* px, bool* stopped) {
    if (bytes == 2) {
      for (int x = 0; x < w; x++) packed[x] = PLAT_Pack565((BYTE)(px[x] >> 16), (BYTE)(px[x] >> 8), (BYTE)px[x]);
      sink.row(sink.ctx, y, packed.data());
    } else if (px != Place(y)) {  // a row decoded in its place is there already
      sink.row(sink.ctx, y, px);
    }
    const bool told = (y + 1) % kProgressRows == 0 || y + 1 == h;
    *stopped = told && sink.progress && !sink.progress(sink.ctx, y + 1, h);
    return !*stopped;
  }
};
}  // namespace

HANDLE LoadImageA(HINSTANCE hinst, const char* name, UINT type, int cx, int cy, UINT flags) {
  if (type != IMAGE_BITMAP) return nullptr;
  TGdiBitmap* bm = new TGdiBitmap();
  TTarget t;
  t.begin = [name, bm](const TImgInfo& info, int w, int h) {
    bm->width = w;
    bm->height = h;
    bm->bits = info.bits;
    try {
      bm->px.reserve((size_t)w * h);  // filled once, row by row: never zeroed first
    } catch (const std::bad_alloc&) {
      return Refuse(name, "out of memory");
    }
    return true;
  };
  t.row = [bm](int, const uint32_t* px) {
    for (int x = 0; x < bm->width; x++) bm->px.push_back(px[x] & 0xFFFFFF);
    return true;
  };
  if (!Load(hinst, name, flags, cx, cy, &t)) {
    delete bm;
    return nullptr;
  }
  GDI_Register(bm);
  return bm;
}

TImgLoad PLAT_LoadImageRows(HINSTANCE hinst, const char* name, UINT flags, int cx, int cy, int bytes,
                            const TImgSink& sink) {
  if (bytes != 2 && bytes != 4) return IMG_LOAD_FAILED;
  TSinkRows rows{sink, bytes, 0, 0, {}};
  TTarget t;
  t.begin = [&rows](const TImgInfo&, int w, int h) { return rows.Begin(w, h); };
  t.row = [&rows, &t](int y, const uint32_t* px) { return rows.Row(y, px, &t.stopped); };
  if (bytes == 4 && sink.place) t.place = [&rows](int y) { return rows.Place(y); };
  if (Load(hinst, name, flags, cx, cy, &t)) return IMG_LOAD_OK;
  return t.stopped ? IMG_LOAD_STOPPED : IMG_LOAD_FAILED;
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
