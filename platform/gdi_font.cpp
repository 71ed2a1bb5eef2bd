// Fonts: the face fontconfig gives for a name and weight, opened with SDL2_ttf at a GDI height.
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string>

#include "platform/fault.h"
#include "platform/gdi_internal.h"

namespace {
const int kDefaultCell = 16;  // GDI's height 0, and the stock font

bool TtfReady() {
  if (TTF_WasInit()) return true;
  if (TTF_Init() != 0) {
    std::fprintf(stderr, "platform: no text output: %s\n", TTF_GetError());
    return false;
  }
  return true;
}

struct TFace {
  std::string file;
  bool embolden = false;  // a bold face was asked for and the family has none
};

// The font file fontconfig picks for the face (it substitutes, e.g. "Arial" → Liberation Sans).
TFace FindFace(const char* face, int weight, bool italic) {
  TFace found;
  if (!FcInit()) return found;
  FcPattern* pat = FcPatternCreate();
  FcPatternAddString(pat, FC_FAMILY, (const FcChar8*)(face && *face ? face : "sans-serif"));
  FcPatternAddInteger(pat, FC_WEIGHT, FcWeightFromOpenType(weight > 0 ? weight : FW_NORMAL));
  FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pat, FcMatchPattern);
  FcDefaultSubstitute(pat);
  FcResult res = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pat, &res);
  FcChar8* path = nullptr;
  int got_weight = FC_WEIGHT_REGULAR;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    found.file = (const char*)path;
    if (FcPatternGetInteger(match, FC_WEIGHT, 0, &got_weight) == FcResultMatch)
      found.embolden = weight >= FW_BOLD && got_weight < FC_WEIGHT_DEMIBOLD;
  }
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(pat);
  return found;
}

// GDI heights: negative = the character (em) height, positive = the cell (ascent + descent).
TTF_Font* OpenSized(const std::string& file, int height) {
  const int em = height < 0 ? -height : (height > 0 ? height : kDefaultCell);
  TTF_Font* f = TTF_OpenFont(file.c_str(), em);
  if (!f || height < 0) return f;
  const int cell = TTF_FontHeight(f);
  if (cell > 0 && cell != em) {
    const int scaled = (em * em + cell / 2) / cell;
    TTF_SetFontSize(f, scaled > 0 ? scaled : 1);
  }
  return f;
}

TTF_Font* Open(const char* face, int height, int weight, bool italic) {
  if (!TtfReady()) return nullptr;
  const TFace found = FindFace(face, weight, italic);
  if (found.file.empty()) return nullptr;
  TTF_Font* f = OpenSized(found.file, height);
  if (!f)
    std::fprintf(stderr, "platform: font %s: %s\n", found.file.c_str(), TTF_GetError());
  else if (found.embolden)
    TTF_SetFontStyle(f, TTF_STYLE_BOLD);
  return f;
}
}  // namespace

HFONT GDI_StockFont() {
  static TGdiFont* const font = [] {
    TGdiFont* f = new TGdiFont();
    f->stock = true;
    f->height = kDefaultCell;
    f->weight = FW_BOLD;
    return f;
  }();
  return font;
}

void* GDI_FontTTF(HFONT font) {
  if (!font) return nullptr;
  if (!font->ttf && font == GDI_StockFont()) font->ttf = Open("sans-serif", font->height, font->weight, false);
  return font->ttf;
}

void GDI_FontClose(TGdiFont* font) {
  if (font->ttf) TTF_CloseFont(static_cast<TTF_Font*>(font->ttf));
  font->ttf = nullptr;
}

HFONT CreateFontA(int height, int, int, int, int weight, DWORD italic, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD,
                  DWORD, const char* face) {
  if (PLAT_FaultHit(PC_CreateFont, nullptr)) return nullptr;
  TTF_Font* ttf = Open(face, height, weight, italic != 0);
  if (!ttf) return nullptr;
  TGdiFont* f = new TGdiFont();
  f->height = height;
  f->weight = weight;
  f->ttf = ttf;
  GDI_Register(f);
  return f;
}

// Fontconfig keeps pieces of its parsed configuration for the whole run and never frees them;
// LeakSanitizer (sanitizer builds) is told so, so that real leaks stay visible.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
