// A thumbnail of a JPEG with restart markers, made from only the MCU rows it samples, looks as the
// one made from every row; JPEGs the shortcut does not fit load as they did.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/image_load.h"
#include "platform/image_rows.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The file's 16 × 8 thumbnail, 4 bytes a pixel; empty when it does not load.
std::vector<uint8_t> Nahlad(const TBajty& b) {
  std::vector<uint8_t> px;
  const TImgSink sink{
      [](void* c, int w, int h, int) { return static_cast<std::vector<uint8_t>*>(c)->resize((size_t)w * h * 4), true; },
      [](void* c, int y, const void* p) { std::memcpy(static_cast<std::vector<uint8_t>*>(c)->data() + y * 64, p, 64); },
      nullptr, &px, nullptr};
  if (!Zapis_bajty("n.jpg", b) || PLAT_LoadImageRows(nullptr, "n.jpg", LR_LOADFROMFILE, 16, 8, 4, sink) != IMG_LOAD_OK)
    px.clear();
  return px;
}

TEST_F(FormatsTest, ThumbnailsOfJpegsWithRestartMarkersLookAsFromEveryRow) {
  // A ramp down the picture (a wrong row shows in it) across one along it; 4:2:0, so MCUs of 16 ×
  // 16, 8 to a row, 64 rows: 8 bands of 8 for the thumbnail's rows. Intervals of two rows cannot
  // sit in a band's middle: one row (4 levels of the ramp) off it.
  TRgbPicture pic(128, 1024);
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) pic.Set(x, y, (uint8_t)(x * 2), (uint8_t)(y / 4), 128);
  const TBajty bez = Jpeg_rgb(pic, 90), riadok = Jpeg_rgb(pic, 90, false, 8);
  TBajty zle_cislo = riadok, useknuty(riadok.begin(), riadok.begin() + (long)riadok.size() / 2);
  size_t i = zle_cislo.size() - 3;
  while (!(zle_cislo[i] == 0xFF && zle_cislo[i + 1] >= 0xD0 && zle_cislo[i + 1] <= 0xD7)) --i;
  zle_cislo[i + 1] ^= 1;  // the last marker's number wrong
  TBajty vyssi = riadok;  // the frame claims 2048 rows, its data holds 1024
  for (i = 2; !(vyssi[i] == 0xFF && vyssi[i + 1] == 0xC0);) ++i;
  vyssi[i + 5] = 8;
  const std::vector<uint8_t> cely = Nahlad(bez);
  const int NACITA = -1, ZLYHA = -2;  // no comparison: it loads, or it fails
  const struct {
    const char* meno;
    TBajty bajty;
    bool skratka;
    int tolerancia;
  } pripady[] = {{"a marker every row", riadok, true, 2},
                 {"every two rows", Jpeg_rgb(pic, 90, false, 16), true, 6},
                 {"every half row", Jpeg_rgb(pic, 90, false, 4), true, 2},
                 {"every three MCUs", Jpeg_rgb(pic, 90, false, 3), false, 0},
                 {"no markers", bez, false, 0},
                 {"progressive", Jpeg_rgb(pic, 90, true, 8), false, 2},
                 {"a marker numbered wrong", zle_cislo, false, NACITA},
                 {"truncated", useknuty, false, ZLYHA},
                 {"claims more rows than it holds", vyssi, false, NACITA}};
  for (const auto& p : pripady) {
    std::vector<uint8_t> cut;
    int vyska = 0;
    EXPECT_EQ(IMGL_JpegRestartCut(p.bajty.data(), p.bajty.size(), 8, &cut, &vyska), p.skratka) << p.meno;
    const std::vector<uint8_t> px = Nahlad(p.bajty);
    ASSERT_EQ(px.size(), p.tolerancia == ZLYHA ? 0 : cely.size()) << p.meno;
    int max = 0;
    for (size_t k = 0; k < px.size(); ++k) max = std::max(max, k % 4 == 3 ? 0 : std::abs(px[k] - cely[k]));
    EXPECT_LE(max, p.tolerancia < 0 ? 255 : p.tolerancia) << p.meno;
  }
}

}  // namespace
