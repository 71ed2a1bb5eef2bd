// Paints the program's icon resources/PANO_ICON.bmp: a 64 × 64 globe with a panorama
// inside it (sky, and hills on the horizon) and its meridians, on a dark tile.
// Usage: gen_icon [output.bmp]
#include <cstdio>

#include "tools/aa_platno.h"

namespace {

const int N = 64;
const float C = N / 2.0f;
const float R = 27.0f;

float Zemegula(float x, float y) { return SD_Kruh(x, y, C, C, R); }

// Inside the globe only.
TTvar Vnutri(TTvar t) {
  return [t](float x, float y) { return std::max(t(x, y), Zemegula(x, y) + 0.6f); };
}

// The skyline of hills standing on the horizon.
float Kopce(float x) { return C - 1.0f - 3.0f * (1 + std::sin(x * 0.21f)) - 1.5f * (1 + std::sin(x * 0.47f + 1.0f)); }

}  // namespace

int main(int argc, char** argv) {
  const char* vystup = argc > 1 ? argv[1] : "resources/PANO_ICON.bmp";
  TPlatno p(N, N);
  p.Nanes([](float, float) { return -1.0f; }, [](float x, float y) {
    return Zmiesaj(TFarba{40, 48, 66}, TFarba{18, 22, 32}, std::clamp((x + y) / (2.0f * N), 0.0f, 1.0f));
  });
  p.Nanes([](float x, float y) { return Zemegula(x, y) - 1.6f; }, TFarba{10, 12, 18});
  p.Nanes(Zemegula, [](float, float y) {
    return Zmiesaj(TFarba{34, 92, 214}, TFarba{170, 212, 250}, std::clamp((y - C + R) / R, 0.0f, 1.0f));
  });
  p.Nanes(Vnutri([](float x, float y) { return Kopce(x) - y; }), [](float, float y) {
    return Zmiesaj(TFarba{110, 142, 66}, TFarba{46, 66, 30}, std::clamp((y - C) / R, 0.0f, 1.0f));
  });
  const TTvar siet = Vnutri([](float x, float y) {
    float d = std::fabs(x - C) - 0.6f;
    for (float rx : {11.0f, 21.0f}) {
      const float u = (x - C) / rx, v = (y - C) / R;
      d = std::min(d, std::fabs(std::hypot(u, v) - 1.0f) * rx - 0.6f);
    }
    for (float sirka : {-14.0f, 14.0f}) d = std::min(d, std::fabs(y - C - sirka - 0.004f * (x - C) * (x - C) * (sirka > 0 ? -1 : 1)) - 0.6f);
    return d;
  });
  p.Nanes(siet, TFarba{255, 255, 255}, 0.75f);
  TRgbPicture pic(N, N);
  p.Poloz(pic, 0, 0, TFarba{0, 0, 0}, TFarba{0, 0, 0}, 0.0f);
  if (!BMP24_Zapis(pic, vystup)) {
    std::fprintf(stderr, "gen_icon: cannot write %s\n", vystup);
    return 1;
  }
  return 0;
}
