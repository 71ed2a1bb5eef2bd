// Drawing through a surface's context: pixels, lines, objects, text (rounded rectangles: the panels' golden pictures).
#include <algorithm>
#include <climits>

#include "gfx_fixture.h"

namespace {
const uint16_t kWhite = 0xFFFF;

class DrawTest : public GfxTest {
 public:
  IDirectDrawSurface* s = nullptr;
  HDC dc = nullptr;
  HFONT font = nullptr;
  int last_height = 0;

  void SetUp() override {
    GfxTest::SetUp();
    s = Keep(Make(240, 80));
    font = CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    Clear(0);
  }
  void TearDown() override {
    s->ReleaseDC(dc);
    DeleteObject(font);
    GfxTest::TearDown();
  }
  // The surface in one value and a fresh context (default objects, the font, transparent text).
  void Clear(uint16_t v = kWhite) {
    if (dc) s->ReleaseDC(dc);
    FillAll(s, v);
    ASSERT_EQ(DD_OK, s->GetDC(&dc));
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
  }
  // How many pixels hold v, and the inclusive bounds of the dark ones.
  int Count(uint16_t v) const {
    int n = 0;
    for (int i = 0; i < 240 * 80; i++) n += At(s, i % 240, i / 240) == v;
    return n;
  }
  RECT Ink() const {
    RECT k = {INT_MAX, INT_MAX, -1, -1};
    for (int i = 0; i < 240 * 80; i++)
      if (At(s, i % 240, i / 240) < 0x8000)
        k = RECT{std::min<LONG>(k.left, i % 240), std::min<LONG>(k.top, i / 240), std::max<LONG>(k.right, i % 240), i / 240};
    return k;
  }
  std::vector<uint16_t> Text(const char* text, UINT format = DT_LEFT, RECT r = {10, 10, 240, 80}) {
    Clear();
    last_height = DrawTextA(dc, text, -1, &r, format);
    return std::vector<uint16_t>(s->PLAT_Row(0), s->PLAT_Row(79) + 240);
  }
};

TEST_F(DrawTest, PixelsConvertByBitReplicationAndOnlyInside) {
  const std::pair<COLORREF, COLORREF> cases[] = {
      {RGB(255, 255, 255), RGB(255, 255, 255)}, {RGB(255, 0, 0), RGB(255, 0, 0)}, {RGB(8, 4, 8), RGB(8, 4, 8)},
      {RGB(7, 3, 7), RGB(0, 0, 0)}, {RGB(100, 150, 200), RGB(99, 150, 206)}, {RGB(60, 60, 255), RGB(57, 60, 255)}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.second, SetPixel(dc, 3, 4, c.first));
    EXPECT_EQ(c.second, GetPixel(dc, 3, 4));
  }
  SetPixel(dc, 239, 79, RGB(0, 0, 255));
  EXPECT_EQ(0x001F, At(s, 239, 79));
  for (const POINT& p : {POINT{-1, 0}, POINT{0, -1}, POINT{240, 0}, POINT{0, 80}, POINT{5, 1 << 30}}) {
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, p.x, p.y));
    EXPECT_EQ(CLR_INVALID, SetPixel(dc, p.x, p.y, RGB(255, 0, 0)));
  }
  EXPECT_EQ(0, Count(0xF800));
}

// `on`: a pixel the line must cover, where its steps across fall.
TEST_F(DrawTest, LinesLeaveOutTheirEndPoint) {
  const struct {
    POINT from, to;
    int pixels;
    POINT on;
  } cases[] = {{{2, 2}, {10, 2}, 8, {9, 2}}, {{10, 2}, {2, 2}, 8, {3, 2}}, {{5, 1}, {5, 9}, 8, {5, 8}},
               {{1, 1}, {7, 7}, 6, {6, 6}},  {{0, 0}, {9, 3}, 9, {2, 1}},  {{0, 0}, {4, 2}, 4, {1, 1}},
               {{4, 4}, {4, 4}, 0, {0, 1}},  {{-5, 3}, {5, 3}, 5, {4, 3}}};
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
  for (const auto& c : cases) {
    Clear(0);
    SelectObject(dc, pen);
    MoveToEx(dc, c.from.x, c.from.y, nullptr);
    LineTo(dc, c.to.x, c.to.y);
    EXPECT_EQ(c.pixels, Count(0x07E0)) << c.from.x << "," << c.from.y << " → " << c.to.x << "," << c.to.y;
    EXPECT_EQ(c.pixels ? 0x07E0 : 0, At(s, c.on.x, c.on.y)) << c.from.x << "," << c.from.y;
    EXPECT_TRUE(c.pixels == 0 || c.from.x < 0 || At(s, c.from.x, c.from.y) == 0x07E0);
    EXPECT_EQ(0, At(s, c.to.x, c.to.y));
  }
  SelectObject(dc, GetStockObject(BLACK_PEN));
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_FALSE(DeleteObject(pen)) << "twice is refused, not a double free";
  HPEN wide = CreatePen(PS_SOLID, 1 << 30, RGB(0, 255, 0));
  SelectObject(dc, wide);
  EXPECT_TRUE(DeleteObject(wide)) << "deleted while selected: it goes when let go";
  MoveToEx(dc, 0, 3, nullptr);
  EXPECT_TRUE(LineTo(dc, 0x7FFFFFFF, 3)) << "an absurd line moves on without drawing";
  MoveToEx(dc, 120, 40, nullptr);
  LineTo(dc, 121, 40);
  EXPECT_EQ(240 * 80, Count(0x07E0)) << "the widest pen's dot covers all, in bounded time";
  SelectObject(dc, GetStockObject(BLACK_PEN));
}

// The ink moves by exactly the room left beside and below the line (or half of it).
// The face itself (size, weight, letters) is checked in the panels' golden pictures.
TEST_F(DrawTest, DrawTextPlacesTheLineInTheBoxAndKeepsItThere) {
  const RECT box = {20, 10, 220, 70};  // 200 × 60
  RECT m = {0, 0, 0, 0}, dva = {0, 0, 200, 0};
  const int lh = DrawTextA(dc, "Menu", -1, &m, DT_CALCRECT), lw = m.right;
  EXPECT_EQ(2 * lh, DrawTextA(dc, "prvý\ndruhý riadok", -1, &dva, DT_CALCRECT)) << "two lines";
  EXPECT_EQ(240 * 80, Count(0)) << "measuring draws nothing";
  EXPECT_TRUE(TextOutA(dc, -5000, 100000, "ab\xC5", 3)) << "a character cut in half, far away";
  Text("Menu", DT_LEFT | DT_TOP, box);
  const RECT k0 = Ink();
  for (UINT f : {DT_RIGHT, DT_CENTER, DT_SINGLELINE | DT_BOTTOM, DT_SINGLELINE | DT_BOTTOM | DT_RIGHT,
                 DT_SINGLELINE | DT_VCENTER | DT_CENTER}) {
    Text("Menu", f, box);
    const RECT k = Ink();
    EXPECT_EQ(k.left - k0.left, f & DT_RIGHT ? 200 - lw : f & DT_CENTER ? (200 - lw) / 2 : 0) << f;
    EXPECT_EQ(k.top - k0.top, f & DT_BOTTOM ? 60 - lh : f & DT_VCENTER ? (60 - lh) / 2 : 0) << f;
    EXPECT_EQ(f & DT_BOTTOM ? 60 : f & DT_VCENTER ? (60 - lh) / 2 + lh : lh, last_height) << f;
  }
  Text("Dlhý text, ktorý sa nezmestí", DT_LEFT | DT_SINGLELINE, RECT{30, 20, 60, 40});
  EXPECT_TRUE(Ink().left >= 30 && Ink().right < 60) << "clipped to its box";
}
}  // namespace
