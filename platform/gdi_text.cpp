// Text on a context: UTF-8 lines rendered anti-aliased by SDL2_ttf and blended over the pixels.
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>

#include "platform/gdi_internal.h"

namespace {
const int kFallbackLine = 16;  // line height when no font could be opened at all

TTF_Font* FontOf(HDC dc) { return static_cast<TTF_Font*>(GDI_FontTTF(dc->font)); }

int LineHeight(HDC dc) {
  TTF_Font* f = FontOf(dc);
  return f ? TTF_FontHeight(f) : kFallbackLine;
}

int LineWidth(HDC dc, const std::string& s) {
  TTF_Font* f = FontOf(dc);
  int w = 0, h = 0;
  if (!f || s.empty() || TTF_SizeUTF8(f, s.c_str(), &w, &h) != 0) return 0;
  return w;
}

// One line with the top left of its cell at (x, y), in the text colour, background per mode.
void DrawLine(HDC dc, int x, int y, const std::string& s) {
  TTF_Font* f = FontOf(dc);
  if (!f || s.empty()) return;
  SDL_Surface* g = TTF_RenderUTF8_Blended(f, s.c_str(), SDL_Color{255, 255, 255, 255});
  if (!g) return;
  if (dc->bk_mode == OPAQUE)
    for (int r = 0; r < g->h; r++) GDI_Span(dc, x, x + g->w, y + r, dc->bk_color);
  if (SDL_LockSurface(g) == 0) {
    for (int r = 0; r < g->h; r++) {
      const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(g->pixels) + (size_t)r * g->pitch);
      for (int c = 0; c < g->w; c++) GDI_Mix(dc, x + c, y + r, dc->text_color, (int)(row[c] >> 24));
    }
    SDL_UnlockSurface(g);
  }
  SDL_FreeSurface(g);
}

std::string WithoutBreaks(const std::string& s) {
  std::string out;
  for (char ch : s)
    if (ch != '\r' && ch != '\n') out += ch;
  return out;
}

// Breaks a line at spaces so that each piece fits `width` (a single long word stays whole).
void Wrap(HDC dc, const std::string& line, int width, std::vector<std::string>* out) {
  std::string cur;
  size_t p = 0;
  while (p <= line.size()) {
    size_t q = line.find(' ', p);
    if (q == std::string::npos) q = line.size();
    const std::string word = line.substr(p, q - p);
    const std::string joined = cur.empty() ? word : cur + " " + word;
    if (!cur.empty() && LineWidth(dc, joined) > width) {
      out->push_back(cur);
      cur = word;
    } else {
      cur = joined;
    }
    p = q + 1;
  }
  out->push_back(cur);
}

std::vector<std::string> Lines(HDC dc, const std::string& text, UINT format, int width) {
  std::vector<std::string> lines;
  if (format & DT_SINGLELINE) {
    lines.push_back(WithoutBreaks(text));
    return lines;
  }
  size_t p = 0;
  while (p <= text.size()) {
    size_t q = text.find('\n', p);
    if (q == std::string::npos) q = text.size();
    const std::string line = WithoutBreaks(text.substr(p, q - p));
    if (format & DT_WORDBREAK)
      Wrap(dc, line, width, &lines);
    else
      lines.push_back(line);
    p = q + 1;
  }
  return lines;
}
}  // namespace

BOOL TextOutA(HDC dc, int x, int y, const char* text, int len) {
  if (!GDI_IsDC(dc) || !text || len < 0) return FALSE;
  DrawLine(dc, x, y, std::string(text, strnlen(text, (size_t)len)));
  return TRUE;
}

BOOL GetTextExtentPoint32A(HDC dc, const char* text, int len, SIZE* size) {
  if (!GDI_IsDC(dc) || !text || len < 0 || !size) return FALSE;
  size->cx = LineWidth(dc, std::string(text, strnlen(text, (size_t)len)));
  size->cy = LineHeight(dc);
  return TRUE;
}

int DrawTextA(HDC dc, const char* text, int len, RECT* rect, UINT format) {
  if (!GDI_IsDC(dc) || !text || !rect || len < -1) return 0;
  // A text ends at its terminator even where the length given says more.
  const std::string all(text, len == -1 ? std::strlen(text) : strnlen(text, (size_t)len));
  const std::vector<std::string> lines = Lines(dc, all, format, rect->right - rect->left);
  const int lh = LineHeight(dc), height = lh * (int)lines.size();
  if (format & DT_CALCRECT) {
    int widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, LineWidth(dc, l));
    rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  int y = rect->top;
  if (format & DT_SINGLELINE) {  // vertical placement applies to a single line only
    if (format & DT_BOTTOM)
      y = rect->bottom - lh;
    else if (format & DT_VCENTER)
      y = rect->top + (rect->bottom - rect->top - lh) / 2;
  }
  const RECT saved = dc->clip;
  if (!(format & DT_NOCLIP))
    dc->clip = RECT{std::max(saved.left, rect->left), std::max(saved.top, rect->top),
                    std::min(saved.right, rect->right), std::min(saved.bottom, rect->bottom)};
  for (size_t i = 0; i < lines.size(); i++) {
    const int lw = LineWidth(dc, lines[i]);
    int x = rect->left;
    if (format & DT_RIGHT)
      x = rect->right - lw;
    else if (format & DT_CENTER)
      x = rect->left + (rect->right - rect->left - lw) / 2;
    DrawLine(dc, x, y + (int)i * lh, lines[i]);
  }
  dc->clip = saved;
  return y - rect->top + height;
}
