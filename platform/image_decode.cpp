// Decoding a checked picture: which decoder takes it; SDL (BMP) and SDL2_image (PNG) into rows of
// XRGB words.
#include <SDL.h>
#ifdef PANO_HAVE_SDL_IMAGE
#include <SDL_image.h>
#endif

#include <algorithm>
#include <climits>
#include <new>

#include "platform/image_load.h"

namespace {
void Put32(uint8_t* p, size_t v) {
  for (int i = 0; i < 4; i++) p[i] = (uint8_t)(v >> (8 * i));
}

// SDL looks up every pixel index in a table only as long as the file's colour table, so an
// index past a short table would read past it: pad the table to its full size with black.
bool FullColourTable(const uint8_t* bytes, size_t size, const TImgInfo& info, std::vector<uint8_t>* out) {
  const size_t full = (size_t)1 << info.bits, have = (size_t)info.colours;
  const size_t table_end = info.table_offset + have * 4;
  if (info.bits > 8 || have >= full || table_end > size || info.data_offset > size) return false;
  out->assign(bytes, bytes + table_end);
  out->resize(info.table_offset + full * 4, 0);
  out->insert(out->end(), bytes + info.data_offset, bytes + size);
  Put32(out->data() + 2, out->size());
  Put32(out->data() + 10, info.table_offset + full * 4);
  Put32(out->data() + 46, 0);  // colours used: all
  return true;
}

SDL_Surface* Load(const uint8_t* bytes, size_t size, TImgKind kind) {
  if (size > INT_MAX) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes, (int)size);
  if (!rw) return nullptr;
  if (kind == IMGK_BMP) return SDL_LoadBMP_RW(rw, 1);
#ifdef PANO_HAVE_SDL_IMAGE
  if (kind == IMGK_PNG) return IMG_LoadTyped_RW(rw, 1, "PNG");
#endif
  SDL_RWclose(rw);
  SDL_SetError("no decoder for this picture in this build");
  return nullptr;
}

const int kBand = 16;  // rows converted at a time

// SDL converts every source form, a band of rows at a time, into one band of XRGB words
// (and a word of slack, so that the band's last pixel reads as a word).
bool Rows(SDL_Surface* from, int w, int h, const TImgEmit& out) {
  std::vector<uint32_t> band((size_t)from->w * kBand + 1);
  SDL_Surface* to = SDL_CreateRGBSurfaceWithFormatFrom(band.data(), from->w, kBand, 32, from->w * 4, SDL_PIXELFORMAT_RGB888);
  if (!to) return false;
  SDL_SetSurfaceBlendMode(from, SDL_BLENDMODE_NONE);
  SDL_SetColorKey(from, SDL_FALSE, 0);
  int first = -kBand;
  const auto row = [&](int y) {
    if (y >= first + kBand) {
      first = y;
      SDL_Rect r = {0, y, from->w, std::min(kBand, from->h - y)};
      if (SDL_BlitSurface(from, &r, to, nullptr) != 0) return TImgRow{nullptr, 4};
    }
    return TImgRow{reinterpret_cast<const uint8_t*>(band.data() + (size_t)(y - first) * from->w), 4};
  };
  const bool ok = IMGL_Rows(from->w, from->h, row, w, h, out);
  SDL_FreeSurface(to);
  return ok;
}
}  // namespace

bool IMGL_DecodeSdl(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                    std::string* why) {
  std::vector<uint8_t> mended;
  if (info.kind == IMGK_BMP && FullColourTable(bytes, size, info, &mended)) {
    bytes = mended.data();
    size = mended.size();
  }
  SDL_Surface* s = Load(bytes, size, info.kind);
  if (!s) {
    *why = SDL_GetError();
    return false;
  }
  bool ok = false;
  if (s->w != info.width || s->h != info.height) {
    *why = "decoded size differs from the header";
  } else {
    try {
      ok = Rows(s, w, h, out);
    } catch (const std::bad_alloc&) {
    }
    if (!ok) *why = "out of memory";
  }
  SDL_FreeSurface(s);
  return ok;
}

bool IMGL_Decode(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                 std::string* why, const TImgPlace& place) {
  if (info.kind == IMGK_JPEG) return IMGL_DecodeJpeg(bytes, size, info, w, h, out, why, place);
  if (IMGL_BmpDirect(info)) return IMGL_DecodeBmpBytes(bytes, size, info, w, h, out, why);
  return IMGL_DecodeSdl(bytes, size, info, w, h, out, why);
}
