// The white net background: exact pixels on a 14 × 8 surface at both depths.
#include "panel_fixture.h"

namespace {
const uint16_t kPod = 0x1234;  // what lies under the panel

// Rows joined by '|': '.' untouched, 'B' black, 'W' white; none: all untouched.
const struct { const char* nazov; RECT r; const char* obraz; bool bez_zamku = false; } kPripady[] = {
    {"even width: right frame at W - 1, last row untouched", {2, 1, 12, 7},
     "..............|..BBBBBBBBBB..|..B.W.W.W.WB..|..BW.W.W.W.B..|"
     "..B.W.W.W.WB..|..BBBBBBBBBB..|..............|.............."},
    {"odd width: the frame column lies at offset W", {2, 1, 11, 6},
     "..............|..BBBBBBBBB...|..B.W.W.W.WB..|..BW.W.W.W.B..|"
     "..BBBBBBBBB...|..............|..............|.............."},
    {"height 3: no patterned row", {1, 2, 6, 5},
     "..............|..............|.BBBBB........|.BBBBB........|"
     "..............|..............|..............|.............."},
    {"height 1: the closing row is the one below", {1, 2, 7, 3},
     "..............|..............|.BBBBBB.......|.BBBBBB.......|"
     "..............|..............|..............|.............."},
    {"cut by the surface's top and left edges", {-3, -1, 5, 4},
     ".W.WB.........|W.W.B.........|BBBBB.........|..............|"
     "..............|..............|..............|.............."},
    {"cut by the surface's right and bottom edges", {10, 5, 20, 12},
     "..............|..............|..............|..............|"
     "..............|..........BBBB|..........B.W.|..........BW.W"},
    {"empty rectangle", {4, 4, 4, 9}, nullptr},
    {"a surface that cannot be locked", {2, 1, 12, 7}, nullptr, true},
};
}  // namespace

class WhiteNet : public PanelDepthTest {};

TEST_P(WhiteNet, ExactPixels) {
  for (const auto& c : kPripady) {
    IDirectDrawSurface* s = Plocha(14, 8, kPod);
    for (TPlatCall k : {PC_Lock, PC_GetDC})
      if (c.bez_zamku) PLAT_FaultSet(k, 0, -1, DDERR_SURFACELOST);
    CDUI_podklad_efekt_A_biela_siet(s, c.r);
    PLAT_FaultClear();
    for (int y = 0; y < 8; y++)
      for (int x = 0; x < 14; x++) {
        const char z = c.obraz ? c.obraz[y * 15 + x] : '.';
        EXPECT_EQ(At(s, x, y), z == 'B' ? 0x0000 : z == 'W' ? 0xFFFF : kPod) << c.nazov << " at " << x << "," << y;
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, WhiteNet, ::testing::Values(16, 32));
