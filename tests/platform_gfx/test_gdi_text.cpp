// Text: the bold 20-pixel face, Slovak letters, alignment in a box, measuring, clipping.
#include <climits>

#include "gfx_fixture.h"

namespace {
const uint16_t kWhite = 0xFFFF;

struct TInk {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;  // inclusive bounds of dark pixels
  int count = 0;
};

class TextTest : public GfxTest {
 public:
  IDirectDrawSurface* s = nullptr;
  HDC dc = nullptr;
  HFONT font = nullptr;

  void SetUp() override {
    GfxTest::SetUp();
    s = Make(240, 80);
    font = CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    ASSERT_NE(nullptr, font);
    Begin();
  }
  void TearDown() override {
    End();
    DeleteObject(font);
    s->Release();
    GfxTest::TearDown();
  }
  // A white surface and a fresh context with the font, transparent background.
  void Begin() {
    FillAll(s, kWhite);
    ASSERT_EQ(DD_OK, s->GetDC(&dc));
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
  }
  void End() {
    if (dc) s->ReleaseDC(dc);
    dc = nullptr;
  }
  void Again() {
    End();
    Begin();
  }
  TInk Ink() const {
    TInk k;
    for (int y = 0; y < s->PLAT_Height(); y++)
      for (int x = 0; x < s->PLAT_Width(); x++) {
        BYTE r, g, b;
        PLAT_Unpack565(At(s, x, y), &r, &g, &b);
        if (r + g + b > 3 * 128) continue;
        k.count++;
        k.left = std::min(k.left, x);
        k.right = std::max(k.right, x);
        k.top = std::min(k.top, y);
        k.bottom = std::max(k.bottom, y);
      }
    return k;
  }
  std::vector<uint16_t> Pixels() const {
    std::vector<uint16_t> v;
    for (int y = 0; y < s->PLAT_Height(); y++)
      for (int x = 0; x < s->PLAT_Width(); x++) v.push_back(At(s, x, y));
    return v;
  }
  std::vector<uint16_t> Rendered(const char* text) {
    Again();
    TextOutA(dc, 10, 10, text, (int)std::strlen(text));
    return Pixels();
  }
};

TEST_F(TextTest, TheTwentyPixelFontHasATwentyPixelCellAndBoldCapitals) {
  SIZE size = {0, 0};
  ASSERT_TRUE(GetTextExtentPoint32A(dc, "Hg", 2, &size));
  EXPECT_NEAR(20, size.cy, 1);
  TextOutA(dc, 10, 10, "H", 1);
  const TInk h = Ink();
  EXPECT_NEAR(14, h.bottom - h.top + 1, 2);  // a capital of a 20-pixel cell
  EXPECT_GE(h.top, 10);
  // Bold: the stems of the H are at least two pixels thick above the crossbar.
  int run = 0, best = 0;
  const int mid = h.top + (h.bottom - h.top) / 4;
  for (int x = h.left; x <= h.right; x++) {
    BYTE r, g, b;
    PLAT_Unpack565(At(s, x, mid), &r, &g, &b);
    run = r < 100 ? run + 1 : 0;
    best = std::max(best, run);
  }
  EXPECT_GE(best, 2);
}

TEST_F(TextTest, SlovakLettersHaveTheirOwnGlyphs) {
  // Each accented letter differs from its plain letter and from the missing-glyph box.
  const char* pairs[][2] = {{"á", "a"}, {"é", "e"}, {"í", "i"}, {"ó", "o"}, {"ú", "u"}, {"ý", "y"},
                            {"č", "c"}, {"ď", "d"}, {"ľ", "l"}, {"ň", "n"}, {"š", "s"}, {"ť", "t"},
                            {"ž", "z"}, {"ä", "a"}, {"ô", "o"}, {"Č", "C"}, {"Ž", "Z"}, {"Ľ", "L"}};
  const std::vector<uint16_t> missing = Rendered("\xEF\xBF\xBF");
  for (const auto& p : pairs) {
    const std::vector<uint16_t> accented = Rendered(p[0]);
    EXPECT_GT(Ink().count, 10) << p[0];
    EXPECT_NE(accented, Rendered(p[1])) << p[0];
    EXPECT_NE(accented, missing) << p[0];
  }
}

TEST_F(TextTest, TextIsBlackByDefaultAndTakesTheTextColour) {
  TextOutA(dc, 5, 5, "Žltý kôň", (int)std::strlen("Žltý kôň"));
  const TInk k = Ink();
  EXPECT_GT(k.count, 30);
  int black = 0;
  for (int y = 0; y < 80; y++)
    for (int x = 0; x < 240; x++) black += At(s, x, y) == 0;
  EXPECT_GT(black, 10);
  Again();
  SetTextColor(dc, RGB(255, 0, 0));
  TextOutA(dc, 5, 5, "Žltý", (int)std::strlen("Žltý"));
  int red = 0;
  for (int y = 0; y < 80; y++)
    for (int x = 0; x < 240; x++) red += At(s, x, y) == 0xF800;
  EXPECT_GT(red, 10);
}

TEST_F(TextTest, AnOpaqueBackgroundFillsTheTextCell) {
  End();
  FillAll(s, 0x0000);
  ASSERT_EQ(DD_OK, s->GetDC(&dc));
  SelectObject(dc, font);  // default mode: opaque, white background
  TextOutA(dc, 10, 10, "ab", 2);
  SIZE size;
  GetTextExtentPoint32A(dc, "ab", 2, &size);
  EXPECT_EQ(kWhite, At(s, 10, 10));
  EXPECT_EQ(kWhite, At(s, 10 + size.cx - 1, 10 + size.cy - 1));
  EXPECT_EQ(0x0000, At(s, 10 + size.cx, 10));
}

struct TAlignCase {
  UINT format;
  const char* name;
};

TEST_F(TextTest, DrawTextPlacesTheLineInTheBox) {
  const RECT box = {20, 10, 220, 70};  // 200 × 60
  const TAlignCase cases[] = {
      {DT_LEFT | DT_TOP, "left top"},
      {DT_RIGHT, "right top"},
      {DT_CENTER, "centre top"},
      {DT_SINGLELINE | DT_BOTTOM, "left bottom"},
      {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, "right bottom"},
      {DT_SINGLELINE | DT_VCENTER | DT_CENTER, "centre centre"},
  };
  for (const TAlignCase& c : cases) {
    Again();
    RECT r = box;
    const int h = DrawTextA(dc, "Menu", -1, &r, c.format);
    const TInk k = Ink();
    ASSERT_GT(k.count, 0) << c.name;
    EXPECT_GE(k.left, box.left) << c.name;
    EXPECT_LT(k.right, box.right) << c.name;
    EXPECT_GE(k.top, box.top) << c.name;
    EXPECT_LT(k.bottom, box.bottom) << c.name;
    if (c.format & DT_RIGHT) {
      EXPECT_GE(k.right, box.right - 4) << c.name;
    } else if (c.format & DT_CENTER) {
      EXPECT_NEAR((box.left + box.right) / 2, (k.left + k.right) / 2, 3) << c.name;
    } else {
      EXPECT_LE(k.left, box.left + 3) << c.name;
    }
    if (c.format & DT_BOTTOM) {
      EXPECT_GE(k.bottom, box.bottom - 8) << c.name;
      EXPECT_NEAR(box.bottom - box.top, h, 1) << c.name;  // offset from the top to the text's bottom
    } else if (c.format & DT_VCENTER) {
      EXPECT_NEAR((box.top + box.bottom) / 2, (k.top + k.bottom) / 2, 4) << c.name;
    } else {
      EXPECT_LE(k.top, box.top + 8) << c.name;
      EXPECT_NEAR(20, h, 1) << c.name;
    }
  }
}

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
  RECT r = {10, 10, 200, 10};
  const int one = DrawTextA(dc, "640 x 480", -1, &r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_NEAR(20, one, 1);
  EXPECT_EQ(10 + one, r.bottom);
  SIZE size;
  GetTextExtentPoint32A(dc, "640 x 480", 9, &size);
  EXPECT_EQ(10 + size.cx, r.right);
  EXPECT_EQ(0, Ink().count);
  RECT two = {0, 0, 200, 0};
  EXPECT_EQ(2 * one, DrawTextA(dc, "prvý\ndruhý riadok", -1, &two, DT_CALCRECT));
  EXPECT_GT(two.right, r.right - r.left);
}

TEST_F(TextTest, TextStaysInsideItsBoxUnlessToldNotTo) {
  RECT r = {30, 20, 60, 40};
  DrawTextA(dc, "Dlhý text, ktorý sa nezmestí", -1, &r, DT_LEFT | DT_SINGLELINE);
  const TInk k = Ink();
  EXPECT_GT(k.count, 0);
  EXPECT_GE(k.left, 30);
  EXPECT_LT(k.right, 60);
  Again();
  DrawTextA(dc, "Dlhý text, ktorý sa nezmestí", -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(Ink().right, 60);
}

TEST_F(TextTest, LineBreaksMakeLinesWithoutSingleLine) {
  RECT r = {0, 0, 240, 80};
  DrawTextA(dc, "a\nb", -1, &r, DT_LEFT);
  const TInk two = Ink();
  Again();
  DrawTextA(dc, "a\nb", -1, &r, DT_LEFT | DT_SINGLELINE);
  const TInk one = Ink();
  EXPECT_GT(two.bottom - two.top, 20);
  EXPECT_LT(one.bottom - one.top, 20);
}

TEST_F(TextTest, TheStockFontDrawsToo) {
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  TextOutA(dc, 0, 0, "Tessarin", 8);
  EXPECT_GT(Ink().count, 20);
}

TEST_F(TextTest, BadArgumentsDrawNothing) {
  RECT r = {0, 0, 100, 30};
  EXPECT_FALSE(TextOutA(dc, 0, 0, nullptr, 3));
  EXPECT_FALSE(TextOutA(dc, 0, 0, "abc", -2));
  EXPECT_EQ(0, DrawTextA(dc, nullptr, -1, &r, 0));
  EXPECT_EQ(0, DrawTextA(dc, "abc", -1, nullptr, 0));
  EXPECT_TRUE(TextOutA(dc, 0, 0, "", 0));
  EXPECT_TRUE(TextOutA(dc, 0, 0, "ab\xC5", 3));  // a character cut in half
  EXPECT_TRUE(TextOutA(dc, -5000, 100000, "far away", 8));
  SIZE size;
  EXPECT_FALSE(GetTextExtentPoint32A(dc, "x", 1, nullptr));
  EXPECT_TRUE(GetTextExtentPoint32A(dc, "", 0, &size));
  EXPECT_EQ(0, size.cx);
}

TEST_F(TextTest, FontCreationCanBeMadeToFail) {
  PLAT_FaultSet(PC_CreateFont, 0, 1, E_FAIL);
  EXPECT_EQ(nullptr, CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"));
  HFONT f = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
  ASSERT_NE(nullptr, f);
  SelectObject(dc, f);
  SIZE size;
  GetTextExtentPoint32A(dc, "Hg", 2, &size);
  EXPECT_GT(size.cy, 16);  // a 16-pixel character height makes a taller cell
  SelectObject(dc, font);
  DeleteObject(f);
}
}  // namespace
