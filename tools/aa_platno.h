// A small anti-aliased painter for the asset generators: shapes given as signed distances
// (negative inside), covered by 4 × 4 samples a pixel and laid over each other.
#pragma once
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/bmp24.h"

struct TFarba {
  float r, g, b;
};

inline TFarba Zmiesaj(TFarba a, TFarba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

typedef std::function<float(float, float)> TTvar;       // signed distance at a point
typedef std::function<TFarba(float, float)> TVypln;     // colour at a point

// Signed distances of the basic shapes.
inline float SD_Kruh(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

inline float SD_Usecka(float x, float y, float ax, float ay, float bx, float by, float hrubka) {
  const float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
  const float l2 = dx * dx + dy * dy;
  const float t = l2 > 0 ? std::clamp((px * dx + py * dy) / l2, 0.0f, 1.0f) : 0.0f;
  return std::hypot(px - dx * t, py - dy * t) - hrubka / 2;
}

inline float SD_ZaoblenyObdlznik(float x, float y, float x0, float y0, float x1, float y1, float rad) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
  const float qx = std::fabs(x - cx) - ((x1 - x0) / 2 - rad);
  const float qy = std::fabs(y - cy) - ((y1 - y0) / 2 - rad);
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - rad;
}

// A stroke along the arc from angle a0 to a1 (radians; with y down, growing angles turn clockwise).
inline float SD_Obluk(float x, float y, float cx, float cy, float r, float a0, float a1, float hrubka) {
  const float pi2 = 6.2831853f;
  float a = std::atan2(y - cy, x - cx);
  while (a < a0) a += pi2;
  while (a > a0 + pi2) a -= pi2;
  if (a <= a1) return std::fabs(std::hypot(x - cx, y - cy) - r) - hrubka / 2;
  const float d0 = std::hypot(x - cx - r * std::cos(a0), y - cy - r * std::sin(a0));
  const float d1 = std::hypot(x - cx - r * std::cos(a1), y - cy - r * std::sin(a1));
  return std::min(d0, d1) - hrubka / 2;
}

// A convex polygon given clockwise on screen (y down); distance is exact enough for anti-aliasing.
inline float SD_Mnohouholnik(float x, float y, const std::vector<float>& body) {
  const size_t n = body.size() / 2;
  float d = -1e9f;
  for (size_t i = 0; i < n; i++) {
    const float ax = body[2 * i], ay = body[2 * i + 1];
    const float bx = body[(2 * i + 2) % (2 * n)], by = body[(2 * i + 3) % (2 * n)];
    const float ex = bx - ax, ey = by - ay, l = std::hypot(ex, ey);
    d = std::max(d, ((x - ax) * ey - (y - ay) * ex) / l);
  }
  return d;
}

inline TTvar Zjednotenie(std::vector<TTvar> tvary) {
  return [tvary](float x, float y) {
    float d = 1e9f;
    for (const TTvar& t : tvary) d = std::min(d, t(x, y));
    return d;
  };
}

inline TTvar Rozsir(TTvar t, float o) {
  return [t, o](float x, float y) { return t(x, y) - o; };
}

// Premultiplied colour and coverage of every pixel; pixel (i, j) spans [i, i+1] × [j, j+1].
struct TPlatno {
  int w, h;
  std::vector<float> r, g, b, a;

  TPlatno(int sirka, int vyska)
      : w(sirka), h(vyska), r((size_t)sirka * vyska), g(r.size()), b(r.size()), a(r.size()) {}

  void Nanes(const TTvar& tvar, const TVypln& vypln, float kryt = 1.0f) {
    for (int j = 0; j < h; j++)
      for (int i = 0; i < w; i++) {
        int zasahy = 0;
        for (int sy = 0; sy < 4; sy++)
          for (int sx = 0; sx < 4; sx++)
            if (tvar(i + (sx + 0.5f) / 4, j + (sy + 0.5f) / 4) <= 0) zasahy++;
        if (!zasahy) continue;
        const float k = kryt * zasahy / 16.0f;
        const TFarba c = vypln(i + 0.5f, j + 0.5f);
        const size_t p = (size_t)j * w + i;
        r[p] = c.r * k + r[p] * (1 - k);
        g[p] = c.g * k + g[p] * (1 - k);
        b[p] = c.b * k + b[p] * (1 - k);
        a[p] = k + a[p] * (1 - k);
      }
  }
  void Nanes(const TTvar& tvar, TFarba c, float kryt = 1.0f) {
    Nanes(tvar, [c](float, float) { return c; }, kryt);
  }

  // Pixels covered less than `prah` get `pozadie`; the others are laid over `matne`.
  void Poloz(TRgbPicture& pic, int x0, int y0, TFarba matne, TFarba pozadie, float prah) const {
    for (int j = 0; j < h; j++)
      for (int i = 0; i < w; i++) {
        const size_t p = (size_t)j * w + i;
        TFarba c = pozadie;
        if (a[p] >= prah)
          c = {r[p] + matne.r * (1 - a[p]), g[p] + matne.g * (1 - a[p]), b[p] + matne.b * (1 - a[p])};
        pic.Set(x0 + i, y0 + j, (uint8_t)std::lround(std::clamp(c.r, 0.0f, 255.0f)),
                (uint8_t)std::lround(std::clamp(c.g, 0.0f, 255.0f)),
                (uint8_t)std::lround(std::clamp(c.b, 0.0f, 255.0f)));
      }
  }
};
