// Sharp when still: which frames of the view are filtered and when the resting view is
// drawn once more, for each --filter choice.
#include "app/ostrost.h"
#include "app_fixture.h"

namespace {

enum { KLAVES, PULZ_, OTACANIE };

TEST_F(AppTest, SharpFrameOnceTheViewRests) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  const uint16_t ZNACKA = 0x4321;
  // The choice, the last filtered view's time (< 0: as measured), the action and the ms the
  // clock moves before it; whether a frame of the view was drawn, and sampled how. A slow machine:
  // nearest (from the levels) while turning, one filtered frame 150 ms after the last turn;
  // auto-rotation never rests. A fast one filters while turning.
  const std::tuple<int, double, int, DWORD, bool, int> kroky[] = {
      {OST_AUTO, 50, KLAVES, 0, true, SITO_NAJBLIZSI_UROVNE},     {OST_AUTO, 50, PULZ_, 140, false, SITO_NAJBLIZSI_UROVNE},
      {OST_AUTO, 50, PULZ_, 10, true, SITO_UROVNE},               {OST_AUTO, -1, PULZ_, 10, false, SITO_UROVNE},
      {OST_AUTO, 50, OTACANIE, 500, true, SITO_NAJBLIZSI_UROVNE}, {OST_AUTO, 50, PULZ_, 500, true, SITO_UROVNE},
      {OST_AUTO, 5, KLAVES, 500, true, SITO_UROVNE},       {OST_VYP, 5, KLAVES, 500, true, SITO_NAJBLIZSI},
      {OST_VYP, 5, PULZ_, 500, false, SITO_NAJBLIZSI},     {OST_ZAP, 50, KLAVES, 0, true, SITO_UROVNE}};
  int i = 0;
  for (const auto& [volba, ms_filtra, akcia, pred, vykreslene, filter] : kroky) {
    OST_volba = volba;
    if (ms_filtra >= 0) OST_ms_filtra = ms_filtra;
    demo_mod = akcia == OTACANIE;
    pulz_poc_msna = 0;
    PLAT_AdvanceTime(pred);
    ZaplnZadny(ZNACKA);
    akcia == KLAVES ? Klaves(VK_RIGHT) : PULZ();
    EXPECT_EQ(std::make_pair(!ZadnyZaplneny(ZNACKA), Sito_filter), std::make_pair(vykreslene, filter)) << i++;
  }
  demo_mod = 0;
}

}  // namespace
