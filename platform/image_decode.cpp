// Decoding a checked picture with SDL (BMP) or SDL2_image (PNG, JPEG) into 0x00RRGGBB pixels.
#include <SDL.h>
#ifdef PANO_HAVE_SDL_IMAGE
#include <SDL_image.h>
#endif

#include <climits>
#include <new>

#include "platform/image_load.h"

namespace {
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
