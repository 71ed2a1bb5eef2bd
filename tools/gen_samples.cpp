// Writes sample equirectangular panoramas whose content makes the geometry easy to judge:
// a latitude/longitude grid with labels, the horizon, the zenith and nadir caps and the
// 0°/360° seam. Text is drawn with a small built-in bitmap font, widened by 1/cos(latitude)
// so that labels look upright and undistorted in the viewer.
//   gen_samples <folder>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/bmp24.h"

namespace {

const double kPi = 3.14159265358979323846;

struct TGlyph {
  char c;
  const char* rows[7];
};

// 5 × 7 glyphs, '#' = ink.
const TGlyph kFont[] = {
    {'0', {" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "}},
    {'1', {"  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'2', {" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"}},
    {'3', {"#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "}},
    {'4', {"   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "}},
    {'5', {"#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "}},
    {'6', {"  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "}},
    {'7', {"#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "}},
    {'8', {" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "}},
    {'9', {" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "}},
    {'+', {"     ", "  #  ", "  #  ", "#####", "  #  ", "  #  ", "     "}},
    {'-', {"     ", "     ", "     ", "#####", "     ", "     ", "     "}},
    {'*', {" ##  ", "#  # ", "#  # ", " ##  ", "     ", "     ", "     "}},  // degree sign
    {'N', {"#   #", "##  #", "# # #", "#  ##", "#   #", "#   #", "#   #"}},
    {'E', {"#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"}},
    {'S', {" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "}},
    {'W', {"#   #", "#   #", "#   #", "# # #", "# # #", "## ##", "#   #"}},
    {'Z', {"#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"}},
    {'I', {" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "}},
    {'T', {"#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "}},
    {'A', {" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
    {'D', {"#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "}},
    {'R', {"#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"}},
    {'O', {" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "}},
    {'H', {"#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"}},
};

const TGlyph* FindGlyph(char c) {
  for (const TGlyph& g : kFont)
    if (g.c == c) return &g;
  return nullptr;
}

struct TColor {
  uint8_t r, g, b;
};

class CPainter {
 public:
  explicit CPainter(TRgbPicture& p) : pic(p) {}

  double Lat(int y) const { return kPi / 2 - (y + 0.5) * kPi / pic.h; }
  int Row(double lat) const { return (int)std::lround((kPi / 2 - lat) * pic.h / kPi); }
  int Col(double lon) const { return (int)std::lround(lon * pic.w / (2 * kPi)); }

  void Put(int x, int y, TColor c) { pic.Set(((x % pic.w) + pic.w) % pic.w, y, c.r, c.g, c.b); }

  void Background() {
    for (int y = 0; y < pic.h; y++) {
      const double lat = Lat(y);
      TColor c;
      if (lat >= 0) {  // sky: deep blue overhead, pale at the horizon
        const double t = lat / (kPi / 2);
        c = TColor{(uint8_t)(170 - 140 * t), (uint8_t)(205 - 130 * t), (uint8_t)(240 - 60 * t)};
      } else {  // ground: green-brown, darker towards the nadir
        const double t = -lat / (kPi / 2);
        c = TColor{(uint8_t)(120 - 70 * t), (uint8_t)(135 - 80 * t), (uint8_t)(70 - 40 * t)};
      }
      for (int x = 0; x < pic.w; x++) Put(x, y, c);
    }
  }

  // Longitude sectors of 30° tinted in turn, so that a turn of the view is easy to follow.
  void SectorTint() {
    static const TColor kTint[12] = {{255, 80, 80}, {255, 160, 60}, {240, 230, 70}, {120, 220, 90},
                                     {70, 200, 200}, {80, 130, 255}, {170, 100, 255}, {255, 90, 200},
                                     {200, 200, 200}, {255, 120, 120}, {120, 255, 160}, {150, 150, 255}};
    for (int y = 0; y < pic.h; y++)
      for (int x = 0; x < pic.w; x++) {
        const int s = x * 12 / pic.w;
        uint8_t* p = &pic.rgb[((size_t)y * pic.w + x) * 3];
        p[0] = (uint8_t)((p[0] * 3 + kTint[s].r) / 4);
        p[1] = (uint8_t)((p[1] * 3 + kTint[s].g) / 4);
        p[2] = (uint8_t)((p[2] * 3 + kTint[s].b) / 4);
      }
  }

  void Meridian(double lon, int half_width, TColor c) {
    const int x0 = Col(lon);
    for (int y = 0; y < pic.h; y++)
      for (int dx = -half_width; dx <= half_width; dx++) Put(x0 + dx, y, c);
  }

  // A parallel drawn with constant thickness on the sphere.
  void Parallel(double lat, int half_height, TColor c) {
    const int y0 = Row(lat);
    for (int dy = -half_height; dy <= half_height; dy++)
      for (int x = 0; x < pic.w; x++) Put(x, y0 + dy, c);
  }

  void Cap(double from_lat, bool north, TColor c) {
    for (int y = 0; y < pic.h; y++) {
      const double lat = Lat(y);
      if (north ? lat < from_lat : lat > -from_lat) continue;
      for (int x = 0; x < pic.w; x++) {
        if (((x / (pic.w / 72)) + (y / (pic.h / 36 + 1))) % 2) Put(x, y, c);
      }
    }
  }

  // Text centred at (lon, lat), `scale` picture pixels per font pixel at the equator.
  void Text(const char* s, double lon, double lat, int scale, TColor ink, TColor halo) {
    const double widen = 1.0 / std::max(0.05, std::cos(lat));
    const int n = (int)std::strlen(s);
    const double gw = 6 * scale * widen;  // glyph advance
    const double x_left = Col(lon) - n * gw / 2;
    const int y_top = Row(lat) - 7 * scale / 2;
    for (int pass = 0; pass < 2; pass++) {
      const int grow = pass == 0 ? std::max(1, scale / 2) : 0;
      const TColor c = pass == 0 ? halo : ink;
      for (int i = 0; i < n; i++) {
        const TGlyph* g = FindGlyph(s[i]);
        if (!g) continue;
        for (int gy = 0; gy < 7; gy++)
          for (int gx = 0; gx < 5; gx++) {
            if (g->rows[gy][gx] != '#') continue;
            const int x0 = (int)(x_left + i * gw + gx * scale * widen);
            const int x1 = (int)(x_left + i * gw + (gx + 1) * scale * widen);
            for (int y = y_top + gy * scale - grow; y < y_top + (gy + 1) * scale + grow; y++)
              for (int x = x0 - grow; x < x1 + grow; x++) Put(x, y, c);
          }
      }
    }
  }

 private:
  TRgbPicture& pic;
};

void DrawGrid(TRgbPicture& pic, bool tint) {
  CPainter p(pic);
  const TColor white{255, 255, 255}, black{0, 0, 0}, yellow{255, 230, 0}, magenta{255, 0, 255};
  const int line = std::max(1, pic.w / 2000);
  const int label = std::max(2, pic.w / 500);
  p.Background();
  if (tint) p.SectorTint();
  for (int d = 15; d < 90; d += 15) {
    p.Parallel(d * kPi / 180, d % 30 ? 0 : line, white);
    p.Parallel(-d * kPi / 180, d % 30 ? 0 : line, white);
  }
  for (int d = 15; d < 360; d += 15) p.Meridian(d * kPi / 180, d % 30 ? 0 : line, white);
  p.Cap(80 * kPi / 180, true, TColor{220, 40, 40});
  p.Cap(80 * kPi / 180, false, TColor{40, 60, 220});
  p.Parallel(0, 2 * line, yellow);
  p.Meridian(0, 2 * line, magenta);
  char buf[16];
  for (int d = 0; d < 360; d += 30) {
    std::snprintf(buf, sizeof buf, "%d*", d);
    p.Text(buf, d * kPi / 180, 4 * kPi / 180, label, black, white);
  }
  static const char* kCompass[4] = {"N", "E", "S", "W"};
  for (int q = 0; q < 4; q++) p.Text(kCompass[q], (q * 90 + 15) * kPi / 180, 10 * kPi / 180, 3 * label, white, black);
  for (int lon = 0; lon < 360; lon += 90)
    for (int d = -60; d <= 60; d += 30) {
      if (d == 0) continue;
      std::snprintf(buf, sizeof buf, "%+d*", d);
      p.Text(buf, (lon + 7) * kPi / 180, (d + 3) * kPi / 180, label, black, white);
    }
  for (int lon = 45; lon < 360; lon += 90) {
    p.Text("ZENIT", lon * kPi / 180, 70 * kPi / 180, label, white, black);
    p.Text("NADIR", lon * kPi / 180, -70 * kPi / 180, label, white, black);
  }
}

bool Write(const std::string& folder, const char* name, int w, int h, bool tint) {
  TRgbPicture pic(w, h);
  DrawGrid(pic, tint);
  const std::string path = folder + "/" + name;
  if (!BMP24_Zapis(pic, path.c_str())) {
    std::fprintf(stderr, "gen_samples: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s (%d x %d)\n", path.c_str(), w, h);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: gen_samples <folder>\n  writes sample equirectangular panoramas (BMP) into <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  bool ok = Write(folder, "grid_4000x2000.bmp", 4000, 2000, false);
  ok = Write(folder, "sectors_2000x1000.bmp", 2000, 1000, true) && ok;
  ok = Write(folder, "small_1024x512.bmp", 1024, 512, true) && ok;
  return ok ? 0 : 1;
}
