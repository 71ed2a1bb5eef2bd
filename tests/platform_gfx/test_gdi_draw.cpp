// Drawing through a surface's context: pixels, fills, lines, rounded rectangles, objects.
#include "gfx_fixture.h"

namespace {
class DrawTest : public GfxTest {
 public:
  IDirectDrawSurface* s = nullptr;
  HDC dc = nullptr;
  const uint16_t kBlank = 0x0000;

  void SetUp() override {
    GfxTest::SetUp();
    s = Make(32, 24);
    FillAll(s, kBlank);
    ASSERT_EQ(DD_OK, s->GetDC(&dc));
  }
  void TearDown() override {
    if (dc) s->ReleaseDC(dc);
    s->Release();
    GfxTest::TearDown();
  }
  // Fills need the context back; a fresh one has the default objects selected.
  void Clear() {
    ASSERT_EQ(DD_OK, s->ReleaseDC(dc));
    FillAll(s, kBlank);
    ASSERT_EQ(DD_OK, s->GetDC(&dc));
  }
  int Count(uint16_t v) const {
    int n = 0;
    for (int y = 0; y < s->PLAT_Height(); y++)
      for (int x = 0; x < s->PLAT_Width(); x++) n += At(s, x, y) == v;
    return n;
  }
};

struct TColourCase {
  COLORREF in;
  COLORREF back;  // after the 5-6-5 round trip, bits replicated
};

TEST_F(DrawTest, PixelsConvertByBitReplication) {
  const TColourCase cases[] = {
      {RGB(255, 255, 255), RGB(255, 255, 255)}, {RGB(0, 0, 0), RGB(0, 0, 0)},
      {RGB(255, 0, 0), RGB(255, 0, 0)},         {RGB(0, 255, 255), RGB(0, 255, 255)},
      {RGB(8, 4, 8), RGB(8, 4, 8)},             {RGB(7, 3, 7), RGB(0, 0, 0)},
      {RGB(100, 150, 200), RGB(99, 150, 206)},  {RGB(60, 60, 255), RGB(57, 60, 255)},
  };
  for (const TColourCase& c : cases) {
    EXPECT_EQ(c.back, SetPixel(dc, 3, 4, c.in));
    EXPECT_EQ(c.back, GetPixel(dc, 3, 4));
  }
  SetPixel(dc, 0, 0, RGB(255, 255, 255));
  EXPECT_EQ(0xFFFF, At(s, 0, 0));
  SetPixel(dc, 31, 23, RGB(0, 0, 255));
  EXPECT_EQ(0x001F, At(s, 31, 23));
}

TEST_F(DrawTest, PointsOutsideReadWhiteAndAreNotWritten) {
  const POINT outside[] = {{-1, 0}, {0, -1}, {32, 0}, {0, 24}, {-100000, 5}, {5, 1 << 30}};
  for (const POINT& p : outside) {
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, p.x, p.y));
    EXPECT_EQ(CLR_INVALID, SetPixel(dc, p.x, p.y, RGB(255, 0, 0)));
  }
  EXPECT_EQ(32 * 24, Count(kBlank));
  EXPECT_EQ(CLR_INVALID, GetPixel(nullptr, 0, 0));
}

TEST_F(DrawTest, FillRectCoversLeftTopInclusiveRightBottomExclusive) {
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT r = {2, 3, 6, 5};
  EXPECT_EQ(1, FillRect(dc, &r, red));
  for (int y = 0; y < 24; y++)
    for (int x = 0; x < 32; x++) EXPECT_EQ(x >= 2 && x < 6 && y >= 3 && y < 5 ? 0xF800 : kBlank, At(s, x, y));
  RECT wide = {-10, 20, 100, 1000};  // clipped
  FillRect(dc, &wide, red);
  EXPECT_EQ(8 + 32 * 4, Count(0xF800));
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(8 + 32 * 4, Count(0xF800));
  DeleteObject(red);
}

struct TLineCase {
  POINT from, to;
  int pixels;  // drawn, without the end point
};

TEST_F(DrawTest, LinesLeaveOutTheirEndPoint) {
  const TLineCase cases[] = {
      {{2, 2}, {10, 2}, 8}, {{10, 2}, {2, 2}, 8}, {{5, 1}, {5, 9}, 8},
      {{1, 1}, {7, 7}, 6},  {{0, 0}, {9, 3}, 9},  {{4, 4}, {4, 4}, 0},
      {{-5, 3}, {5, 3}, 5},  // clipped at the left edge
  };
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
  EXPECT_EQ(GetStockObject(BLACK_PEN), SelectObject(dc, pen));
  for (const TLineCase& c : cases) {
    Clear();
    SelectObject(dc, pen);
    POINT prev;
    MoveToEx(dc, c.from.x, c.from.y, &prev);
    LineTo(dc, c.to.x, c.to.y);
    EXPECT_EQ(c.pixels, Count(0x07E0)) << c.from.x << "," << c.from.y << " → " << c.to.x << "," << c.to.y;
    const bool from_drawn = c.pixels > 0 && c.from.x >= 0, to_visible = c.to.x >= 0 && c.to.x < 32;
    EXPECT_TRUE(!from_drawn || At(s, c.from.x, c.from.y) == 0x07E0);
    EXPECT_TRUE(!to_visible || At(s, c.to.x, c.to.y) == kBlank);
  }
  // A closed outline drawn as four segments has every corner exactly once.
  Clear();
  SelectObject(dc, pen);
  MoveToEx(dc, 2, 2, nullptr);
  LineTo(dc, 8, 2);
  LineTo(dc, 8, 6);
  LineTo(dc, 2, 6);
  LineTo(dc, 2, 2);
  EXPECT_EQ(20, Count(0x07E0));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST_F(DrawTest, AnAbsurdlyLongLineIsNotDrawnButMovesOn) {
  HPEN pen = CreatePen(PS_SOLID, 1 << 30, RGB(0, 255, 0));
  SelectObject(dc, pen);
  MoveToEx(dc, 0, 3, nullptr);
  EXPECT_TRUE(LineTo(dc, 0x7FFFFFFF, 3));
  POINT at;
  MoveToEx(dc, 0, 0, &at);
  EXPECT_EQ(0x7FFFFFFF, at.x);
  EXPECT_EQ(32 * 24, Count(kBlank));
  // The widest pen is still drawn in bounded time: a dot covers the whole small surface.
  LineTo(dc, 1, 0);
  EXPECT_EQ(32 * 24, Count(0x07E0));
  SelectObject(dc, GetStockObject(BLACK_PEN));
  DeleteObject(pen);
}

TEST_F(DrawTest, NullPenDrawsNoLineButMovesOn) {
  SelectObject(dc, GetStockObject(NULL_PEN));
  MoveToEx(dc, 0, 0, nullptr);
  LineTo(dc, 10, 0);
  POINT at;
  MoveToEx(dc, 0, 0, &at);
  EXPECT_EQ(10, at.x);
  EXPECT_EQ(32 * 24, Count(kBlank));
}

TEST_F(DrawTest, RoundRectOutlinesWithThePenFillsWithTheBrushAndCutsTheCorners) {
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ old_brush = SelectObject(dc, blue);
  HGDIOBJ old_pen = SelectObject(dc, red);
  EXPECT_EQ(GetStockObject(WHITE_BRUSH), old_brush);
  ASSERT_TRUE(RoundRect(dc, 2, 2, 22, 18, 8, 8));
  EXPECT_EQ(kBlank, At(s, 2, 2));     // the corner is cut
  EXPECT_EQ(0xF800, At(s, 12, 2));    // top edge
  EXPECT_EQ(0xF800, At(s, 12, 17));   // bottom edge, inside the right/bottom bound
  EXPECT_EQ(0xF800, At(s, 2, 10));    // left edge
  EXPECT_EQ(0xF800, At(s, 21, 10));   // right edge
  EXPECT_EQ(kBlank, At(s, 22, 10));   // right bound excluded
  EXPECT_EQ(0x001F, At(s, 12, 10));   // inside
  EXPECT_EQ(0x001F, At(s, 4, 4));     // inside near the corner
  // The outline is closed: every row of the shape starts and ends with the pen colour.
  for (int y = 2; y < 18; y++) {
    int first = -1, last = -1;
    for (int x = 0; x < 32; x++)
      if (At(s, x, y) != kBlank) {
        if (first < 0) first = x;
        last = x;
      }
    ASSERT_GE(first, 0) << y;
    EXPECT_EQ(0xF800, At(s, first, y)) << y;
    EXPECT_EQ(0xF800, At(s, last, y)) << y;
  }
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(blue);
  DeleteObject(red);
}

TEST_F(DrawTest, RectangleWithSquareCorners) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ old = SelectObject(dc, pen);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Rectangle(dc, 1, 1, 5, 4);
  EXPECT_EQ(0xF800, At(s, 1, 1));
  EXPECT_EQ(0xF800, At(s, 4, 3));
  EXPECT_EQ(kBlank, At(s, 5, 3));
  EXPECT_EQ(10, Count(0xF800));
  SelectObject(dc, old);
  DeleteObject(pen);
}

TEST_F(DrawTest, ObjectsDeletedWhileSelectedGoWhenReleased) {
  const int before = PLAT_GdiLiveObjects();
  HBRUSH b = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(before + 1, PLAT_GdiLiveObjects());
  SelectObject(dc, b);
  EXPECT_TRUE(DeleteObject(b));
  EXPECT_EQ(before, PLAT_GdiLiveObjects());
  EXPECT_FALSE(DeleteObject(b));  // twice is refused, not a double free
  EXPECT_EQ(nullptr, SelectObject(dc, b));
  SelectObject(dc, GetStockObject(WHITE_BRUSH));  // lets go: the brush is freed now
  EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));  // stock objects stay
  RECT r = {0, 0, 1, 1};
  EXPECT_EQ(1, FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
  EXPECT_EQ(0xFFFF, At(s, 0, 0));
}

TEST_F(DrawTest, BackgroundModeAndTextColourAnswerThePreviousValue) {
  EXPECT_EQ(OPAQUE, SetBkMode(dc, TRANSPARENT));
  EXPECT_EQ(TRANSPARENT, SetBkMode(dc, TRANSPARENT));
  EXPECT_EQ(0, SetBkMode(dc, 77));
  EXPECT_EQ(RGB(0, 0, 0), SetTextColor(dc, RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), SetTextColor(dc, RGB(0, 0, 0)));
}

TEST_F(DrawTest, MemoryContextsCountAsLiveObjects) {
  const int before = PLAT_GdiLiveObjects();
  HDC mem = CreateCompatibleDC(nullptr);
  ASSERT_NE(nullptr, mem);
  EXPECT_EQ(before + 1, PLAT_GdiLiveObjects());
  EXPECT_FALSE(DeleteDC(dc));  // a surface's context goes back by ReleaseDC
  EXPECT_TRUE(DeleteDC(mem));
  EXPECT_EQ(before, PLAT_GdiLiveObjects());
  PLAT_FaultSet(PC_CreateCompatibleDC, 0, 1, E_FAIL);
  EXPECT_EQ(nullptr, CreateCompatibleDC(nullptr));
}

TEST_F(DrawTest, DebuggerOutputIsKeptInOrder) {
  PLAT_DebugOutputClear();
  OutputDebugStringA("handle is null\n");
  OutputDebugStringA(nullptr);
  OutputDebugStringA("ddcopybitmap failed\n");
  ASSERT_EQ(2u, PLAT_DebugOutput().size());
  EXPECT_EQ("handle is null\n", PLAT_DebugOutput()[0]);
  EXPECT_EQ("ddcopybitmap failed\n", PLAT_DebugOutput()[1]);
  PLAT_DebugOutputClear();
  EXPECT_TRUE(PLAT_DebugOutput().empty());
}

TEST(Utf8Length, CountsCharactersNotBytes) {
  EXPECT_EQ(0, PLAT_Utf8Length(nullptr));
  EXPECT_EQ(0, PLAT_Utf8Length(""));
  EXPECT_EQ(9, PLAT_Utf8Length("640 x 480"));
  EXPECT_EQ(9, PLAT_Utf8Length("<Zavriet>"));
  EXPECT_EQ(5, PLAT_Utf8Length("žltý!"));
  EXPECT_EQ(14, PLAT_Utf8Length("áéíóúýčďľňšťžä"));
}
}  // namespace
