// Keys, the wheel, the pulse, the idle count, the sharp frame at rest, the strip, the screenshot.
#include "app/ostrost.h"
#include "app/sprava.h"
#include "app_fixture.h"
#include "engine/filter.h"
#include "log/zeph_log.h"
#include "tests/common/engine_ref.h"

namespace {

constexpr uint32_t ZNACKA = 0x4321;

WPARAM Koliesko(int delta) { return MAKEWPARAM(0, (WORD)(short)delta); }

TEST_F(AppTest, KeysAndWheelChangeTheViewStopTheIdleTurningAndRender) {
  // One of the view's values before and after; the others stay at 1, 0.1 and 400. Above the
  // limit after a mode change, the next zoom limits it. The wheel: a sixth of the delta.
  enum { Y, P, DD };
  constexpr UINT K = WM_KEYDOWN, W = WM_MOUSEWHEEL;
  const float L = 0.05f - 0.1f + 2 * pi, R = 6.25f + 0.1f - 2 * pi;
  const std::tuple<UINT, WPARAM, bool, int, float, float> pripady[] = {
      {K, VK_ADD, 0, DD, 110, 100},        {K, VK_SUBTRACT, 0, DD, 581, 600},
      {K, VK_SUBTRACT, 0, DD, 640, 600},   {K, VK_UP, 1, DD, 590, 600},
      {K, VK_DOWN, 1, DD, 119, 100},       {K, VK_NUMPAD8, 1, DD, 400, 430},
      {K, VK_LEFT, 0, Y, 0.05f, L},        {K, VK_NUMPAD4, 0, Y, 1, 0.9f},
      {K, VK_RIGHT, 0, Y, 6.25f, R},       {K, VK_NUMPAD6, 0, Y, 1, 1.1f},
      {K, VK_UP, 0, P, 1.45f, 1.4707963f}, {K, VK_NUMPAD2, 0, P, -1.45f, -1.4707963f},
      {K, VK_DOWN, 0, P, 0.3f, 0.2f},      {K, VK_SHIFT, 0, P, 0.3f, 0.3f},
      {W, Koliesko(120), 0, DD, 400, 420}, {W, Koliesko(-120), 0, DD, 400, 380},
      {W, Koliesko(240), 0, DD, 590, 600}, {W, Koliesko(-120), 0, DD, 110, 100},
      {W, Koliesko(-5), 0, DD, 400, 400},  {W, Koliesko(-7), 0, DD, 400, 399}};
  ASSERT_EQ(Spusti1(), 1);
  int i = 0;
  for (const auto& [msg, kod, ctrl, co, pred, po] : pripady) {
    SCOPED_TRACE(i++);
    l_CTRL_stlac = ctrl, demo_mod = 1, pulz_poc_msna = 900;
    YAW = co == Y ? pred : 1, PITCH = co == P ? pred : 0.1f, D = co == DD ? (int)pred : 400;
    ZaplnZadny(ZNACKA);
    Posli(msg, kod);
    EXPECT_FLOAT_EQ(YAW, co == Y ? po : 1);
    EXPECT_FLOAT_EQ(PITCH, co == P ? po : 0.1f);
    EXPECT_EQ(std::make_tuple(D, (int)demo_mod, pulz_poc_msna, msg != K || !ZadnyZaplneny(ZNACKA)),
              std::make_tuple(co == DD ? (int)po : 400, 0, msg == K ? 401 : 0, true));
  }
}

TEST_F(AppTest, PulseTurnsQuadraticallyWithTheOffsetsSign) {
  // Clamped to 160 and stored; 160² / 640000 = 0.04. The yaw after, from 1, and the pitch after, from 0.1.
  const std::tuple<int, int, int, int, float, float> pripady[] = {
      {300, 0, 160, 0, 1.04f, 0.1f}, {-300, 0, -160, 0, 0.96f, 0.1f}, {80, 0, 80, 0, 1.01f, 0.1f},
      {0, 80, 0, 80, 1, 0.11f},      {0, -1000, 0, -160, 1, 0.06f}};
  lave_dole = 1;
  for (const auto& [dx, dy, dx_po, dy_po, yaw, pitch] : pripady) {
    IN_dx = dx, IN_dy = dy, YAW = 1.0f, PITCH = 0.1f;
    PULZ();
    EXPECT_EQ(std::make_pair(IN_dx, IN_dy), std::make_pair(dx_po, dy_po)) << dx << "," << dy;
    EXPECT_FLOAT_EQ(YAW, yaw) << dx;
    EXPECT_FLOAT_EQ(PITCH, pitch) << dy;
  }
}

// The idle count: a frame at 200 (strip gone), 400 (pointer gone) and 800 (idle turning
// starts), stopping at 5000; what the next frame puts over the view.
TEST_F(AppTest, IdleCountRendersAndHidesTheOverlaysAtItsStages) {
  ASSERT_EQ(Spusti1(), 1);
  const std::tuple<int, bool, bool, bool, bool> pripady[] = {
      {198, 0, 0, 1, 1}, {199, 1, 0, 0, 1}, {200, 0, 0, 0, 1}, {398, 0, 0, 0, 1},  {399, 1, 0, 0, 0},
      {400, 0, 0, 0, 0}, {798, 0, 0, 0, 0}, {799, 1, 1, 0, 0}, {4999, 0, 0, 0, 0}, {5000, 0, 0, 0, 0}};
  for (const auto& [pred, vykresli, demo, pruh, v_kurzore] : pripady) {
    SCOPED_TRACE(pred);
    YAW = 1.0f, demo_mod = 0, pulz_poc_msna = pred, kurzor.x = 300, kurzor.y = 100;
    ZaplnZadny(ZNACKA);
    PULZ();
    EXPECT_EQ(std::make_tuple(pulz_poc_msna, !ZadnyZaplneny(ZNACKA), (bool)demo_mod),
              std::make_tuple(pred < 5000 ? pred + 1 : 5000, vykresli, demo));
    EXPECT_FLOAT_EQ(YAW, demo ? 1.001f : 1.0f);
    Prekresli_scenu(1);
    EXPECT_EQ(Prekryte(250, ovl_pos, 300, ovl_pos + 14), pruh);
    EXPECT_EQ(Prekryte(tlacidlo[4].x, tlacidlo[4].y, tlacidlo[4].x + 15, tlacidlo[4].y + 14), pruh);
    EXPECT_EQ(Prekryte(300, 100, 317, 119), v_kurzore);
  }
  dui_sito.viditelny = 1;  // an open panel keeps the pointer
  Prekresli_scenu(1);
  EXPECT_TRUE(Prekryte(300, 100, 317, 119));
}

TEST_F(AppTest, SharpFrameOnceTheViewRests) {
  ASSERT_EQ(Spusti1(), 1);
  // The choice, the last filtered frame's ms (< 0: as measured), the action, ms before it; drawn, and
  // how. Slow: nearest while turning (an unfiltered frame's time is not the filter's), filtered 150 ms after;
  // auto-rotation never rests. Fast: filtered.
  enum { KLAVES, PULZ_, OTACANIE };
  const std::tuple<int, double, int, DWORD, bool, int> kroky[] = {
      {OST_AUTO, 50, KLAVES, 0, true, SITO_NAJBLIZSI_UROVNE},     {OST_AUTO, -1, KLAVES, 0, true, SITO_NAJBLIZSI_UROVNE},
      {OST_AUTO, 50, PULZ_, 140, false, SITO_NAJBLIZSI_UROVNE},
      {OST_AUTO, 50, PULZ_, 10, true, SITO_UROVNE},               {OST_AUTO, -1, PULZ_, 10, false, SITO_UROVNE},
      {OST_AUTO, 50, OTACANIE, 500, true, SITO_NAJBLIZSI_UROVNE}, {OST_AUTO, 50, PULZ_, 500, true, SITO_UROVNE},
      {OST_AUTO, 12, KLAVES, 500, true, SITO_UROVNE},       {OST_VYP, 5, KLAVES, 500, true, SITO_NAJBLIZSI},
      {OST_VYP, 5, PULZ_, 500, false, SITO_NAJBLIZSI},     {OST_ZAP, 50, KLAVES, 0, true, SITO_UROVNE}};
  int i = 0;
  for (const auto& [volba, ms_filtra, akcia, pred, vykreslene, filter] : kroky) {
    OST_volba = volba, demo_mod = akcia == OTACANIE, pulz_poc_msna = 0;
    if (ms_filtra >= 0) OST_ms_filtra = ms_filtra;
    PLAT_AdvanceTime(pred);
    ZaplnZadny(ZNACKA);
    akcia == KLAVES ? Klaves(VK_RIGHT) : PULZ();
    EXPECT_EQ(std::make_pair(!ZadnyZaplneny(ZNACKA), Sito_filter), std::make_pair(vykreslene, filter)) << i++;
  }
  demo_mod = 0;
}

// A change of anything the frame shows (turn, tilt, zoom, projection, screen, picture) is movement:
// the view at rest is filtered, the one right after the change is not.
TEST_F(AppTest, AnyChangeOfTheViewIsMovement) {
  ASSERT_EQ(Spusti1(), 1);
  OST_volba = OST_AUTO, OST_ms_filtra = 50;
  int* const cele[] = {&D, &obraz_sir, &obraz_vys, &pan_sir, &pan_vys};
  const auto zmen = [&cele](int i, int o) {  // change i by o
    if (i == 0) YAW += 0.1f * o;
    else if (i == 1) PITCH += 0.1f * o;
    else if (i == 2) sfer_perspekt ^= 1;
    else *cele[i - 3] += o;
  };
  for (int i = 0; i < 8; ++i) {
    OST_Pred_snimkou();
    PLAT_AdvanceTime(500);
    OST_Pred_snimkou();
    EXPECT_EQ(Sito_filter, SITO_UROVNE) << i;
    zmen(i, 1);
    OST_Pred_snimkou();
    EXPECT_EQ(Sito_filter, SITO_NAJBLIZSI_UROVNE) << i;
    zmen(i, -1);
  }
}

// Pointer moves and strip drags restore the last view from under the overlays: the screen is what
// a new frame shows, with the text over the view or without. (Unsharpened: a filtered one differs.)
TEST_F(AppTest, FramesWithoutANewViewShowWhatARenderedFrameShows) {
  OST_volba = OST_VYP;
  ASSERT_EQ(Spusti1(), 1);
  EXPECT_EQ(Filter_pocet, 0);  // no frame reads levels, so none were made
  for (const char* subor : {"pano_1.bmp", "chyba.bmp"}) {
    Zobraz_PANORAMU(subor, 0);
    Prekresli_scenu(1);
    const int pruh = ovl_pos + 5, sipka_x = tlacidlo[5].x + 8, sipka_y = tlacidlo[5].y + 8;
    const std::tuple<bool, int, int> kroky[] = {{false, 400, 300}, {false, 310, 10},   {false, sipka_x, sipka_y},
                                                {false, 400, 300}, {false, 300, pruh}, {true, 300, pruh},
                                                {false, 320, 200}, {false, 300, 2},    {false, 330, 590}};
    for (const auto& [dole, x, y] : kroky) {
      dole ? Dole(x, y) : Pohyb(x, y);
      const std::vector<uint32_t> bez = Pixely(lpDDSPrimary);
      Prekresli_scenu(1);
      EXPECT_TRUE(Pixely(lpDDSPrimary) == bez) << subor << " " << x << "," << y;
      EXPECT_TRUE(y != 2 || ovl_pos == 0);  // dragged to the top
    }
    EXPECT_EQ(ovl_pos, 585);  // the strip dragged to the bottom stays there
    Hore(330, 590);
    Pohyb(300, 100);
    EXPECT_EQ(ovl_pos, 585);
  }
}

// F2 on a full disk says so and leaves no file, then writes; Escape closes without a frame.
TEST_F(AppTest, F2WritesTheScreenshotOrSaysWhyNotAndEscapeCloses) {
  ASSERT_EQ(Spusti1(), 1);
  PLAT_FaultSet(PC_FileWrite, 100, -1, 0);  // the disk fills in the rows
  Klaves(VK_F2);
  PLAT_FaultClear();
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, "Snímku obrazovky sa nepodarilo uložiť: TSSCAN.bmp");
  EXPECT_NE(CitajSubor(ZEPH_LOG_SUBOR).find("DBMP_5(148) : PROBLEM pri zapise riadkov TSSCAN.bmp"), std::string::npos);
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "pano_1.bmp", "pano_1.thm"}));
  Klaves(VK_F2);
  // 800 × 600 fitted into 400 × 200 keeps its proportions: 266 × 200, 24 bits.
  EXPECT_EQ(std::filesystem::file_size("TSSCAN.bmp"), 54u + ((266 * 3 + 3) & ~3) * 200);
  ZaplnZadny(ZNACKA);
  Klaves(VK_ESCAPE);
  EXPECT_TRUE(ZadnyZaplneny(ZNACKA));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, (UINT)WM_CLOSE);
}

}  // namespace
