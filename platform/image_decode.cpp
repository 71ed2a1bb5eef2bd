// Decoding a checked picture with SDL (BMP) or SDL2_image (PNG, JPEG) into 0x00RRGGBB pixels.
#include <SDL.h>
#ifdef PANO_HAVE_SDL_IMAGE
#include <SDL_image.h>
#endif

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
  return IMG_LoadTyped_RW(rw, 1, kind == IMGK_PNG ? "PNG" : "JPG");
#else
  SDL_RWclose(rw);
  SDL_SetError("no PNG or JPEG decoder in this build");
  return nullptr;
#endif
}

// SDL converts every source form row by row straight into the bitmap's own memory.
bool Convert(SDL_Surface* from, TGdiBitmap* bm) {
  SDL_Surface* to =
      SDL_CreateRGBSurfaceWithFormatFrom(bm->px.data(), bm->width, bm->height, 32, bm->width * 4, SDL_PIXELFORMAT_RGB888);
  if (!to) return false;
  SDL_SetSurfaceBlendMode(from, SDL_BLENDMODE_NONE);
  SDL_SetColorKey(from, SDL_FALSE, 0);
  const bool ok = SDL_BlitSurface(from, nullptr, to, nullptr) == 0;
  SDL_FreeSurface(to);
  for (uint32_t& p : bm->px) p &= 0xFFFFFF;
  return ok;
}
}  // namespace

TGdiBitmap* IMGL_Decode(const uint8_t* bytes, size_t size, const TImgInfo& info, std::string* why) {
  if (IMGL_JpegByLibjpeg(info)) return IMGL_DecodeJpeg(bytes, size, info, why);
  std::vector<uint8_t> mended;
  if (info.kind == IMGK_BMP && FullColourTable(bytes, size, info, &mended)) {
    bytes = mended.data();
    size = mended.size();
  }
  SDL_Surface* s = Load(bytes, size, info.kind);
  if (!s) {
    *why = SDL_GetError();
    return nullptr;
  }
  TGdiBitmap* bm = nullptr;
  if (s->w != info.width || s->h != info.height) {
    *why = "decoded size differs from the header";
  } else {
    bm = new TGdiBitmap();
    bm->width = s->w;
    bm->height = s->h;
    bm->bits = info.bits;
    try {
      bm->px.assign((size_t)s->w * (size_t)s->h, 0);
    } catch (const std::bad_alloc&) {
      bm->px.clear();
    }
    if (bm->px.empty() || !Convert(s, bm)) {
      *why = bm->px.empty() ? "out of memory" : SDL_GetError();
      delete bm;
      bm = nullptr;
    }
  }
  SDL_FreeSurface(s);
  return bm;
}
