// The BMP writer: against an independent encoder, through the loader, never a half-written file.
#include <climits>

#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/dbmp_fixture.h"

namespace {

typedef DbmpTest DbmpZapis;

// Rectangles inside, across and around a 9 × 6 surface; outside it the file is white.
TEST_F(DbmpZapis, RectangleBecomesA24BitBottomUpFileWithPaddedRows) {
  const RECT pripady[] = {{0, 0, 0, 1}, {0, 0, 1, 1}, {0, 0, 2, 2}, {0, 0, 3, 1}, {0, 0, 4, 2},
                          {0, 0, 8, 5}, {3, 2, 5, 2}, {-2, -1, 5, 4}, {-1, -1, 9, 6}};
  for (const RECT& r : pripady) {
    DBMP_VYTVOR_BMP_0_zoSRF_doFILE(Povrch(9, 6), &r, "z.bmp");
    EXPECT_EQ(CitajSubor("z.bmp"), Bmp(r.right - r.left + 1, r.bottom - r.top + 1, [&r](int x, int y) {
                const int sx = r.left + x, sy = r.top + y;
                return sx >= 0 && sy >= 0 && sx < 9 && sy < 6 ? PLAT_Convert(32, 16, Vzor32(sx, sy)) : 0xFFFFFF;
              })) << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
  }
  EXPECT_TRUE(Log().empty());
}

// At either depth the file loads back into the very pixels; a screenshot halved keeps 32-bit colours.
TEST_F(DbmpZapis, RoundTripThroughThePictureLoaderAtBothDepths) {
  for (int bity : {16, 32}) {
    ASSERT_EQ(dd->SetDisplayMode(64, 48, (DWORD)bity), DD_OK);
    IDirectDrawSurface* s = Povrch(74, 46);
    DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, "rt.bmp");
    int sir = 0, vys = 0;
    IDirectDrawSurface* z = Keep(DDLoadBitmap_ts(dd, "rt.bmp", 0, 0, &sir, &vys));
    ASSERT_TRUE(z != nullptr && sir == 74 && vys == 46);
    for (int y = 0; y < 46; ++y)
      for (int x = 0; x < 74; ++x) ASSERT_EQ(z->PLAT_Pixel(x, y), s->PLAT_Pixel(x, y)) << bity << ": " << x << "," << y;
    DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 1, 37, 37, "snimka.bmp");
    EXPECT_EQ(CitajSubor("snimka.bmp"),
              Bmp(37, 23, [bity](int x, int y) { return PLAT_Convert(32, bity, Vzor32(2 * x + 1, 2 * y + 1)); }))
        << bity;
  }
}

// Any failure leaves the old file as it was, no temporary file, and one log line.
TEST_F(DbmpZapis, FailuresLeaveTheOldFileNoTemporaryAndOneLogLine) {
  IDirectDrawSurface* s = Povrch(10, 4);  // rows of 32 bytes
  const RECT cely = {0, 0, 9, 3}, prazdny = {3, 0, 2, 3}, siroky = {0, 0, 30000, 0}, pretek = {INT_MIN, 0, INT_MAX, 0};
  const char* const obdlznik = "DBMP_5(90) : Chybny obdlznik: sirka, vyska ";
  const struct {
    TPlatCall volanie;  // PC_COUNT: nothing injected
    int preskoc;
    const char* ciel;
    const RECT* r;  // nullptr: no surface
    std::string log;
  } pripady[] = {
      {PC_FileOpen, 0, "x.bmp", &cely, "DBMP_5(85) : Chyba pri otvaraní suboru"},
      {PC_COUNT, 0, "nie/x.bmp", &cely, "DBMP_5(85) : Chyba pri otvaraní suboru"},
      {PC_FileWrite, 10, "x.bmp", &cely, "DBMP_5(134) : PROBLEM pri fHeader zapise"},
      {PC_FileWrite, 14, "x.bmp", &cely, "DBMP_5(141) : PROBLEM pri iHeader zapise"},
      {PC_FileWrite, 54 + 32 * 2 + 5, "x.bmp", &cely, "DBMP_5(148) : PROBLEM pri zapise riadkov x.bmp"},
      {PC_FileClose, 0, "x.bmp", &cely, "DBMP_5(152) : PROBLEM pri zatvarani suboru x.bmp"},
      {PC_FileRename, 0, "x.bmp", &cely, "DBMP_5(156) : PROBLEM pri premenovani suboru x.bmp"},
      {PC_Lock, 0, "x.bmp", &cely, "DBMP_5(100) : Chyba pri citani povrchu x.bmp"},
      {PC_COUNT, 0, "x.bmp", &prazdny, obdlznik + std::string("[0] [4]")},
      {PC_COUNT, 0, "x.bmp", &siroky, obdlznik + std::string("[30001] [1]")},
      {PC_COUNT, 0, "x.bmp", &pretek, obdlznik + std::string("[0] [1]")},
      {PC_COUNT, 0, "x.bmp", nullptr, "DBMP_5(100) : Chyba pri citani povrchu x.bmp"},
  };
  for (const auto& p : pripady) {
    ASSERT_TRUE(ZapisSubor("x.bmp", "stary obsah"));
    std::remove(ZEPH_LOG_SUBOR);
    if (p.volanie != PC_COUNT) PLAT_FaultSet(p.volanie, p.preskoc, -1, DDERR_GENERIC);
    if (p.r != nullptr) DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, p.r, p.ciel);
    else DBMP_VYTVOR_BMP_0_celySRF_doFILE(nullptr, p.ciel);
    PLAT_FaultClear();
    EXPECT_EQ(CitajSubor("x.bmp"), "stary obsah") << p.log;
    EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "x.bmp"})) << p.log;
    EXPECT_EQ(Log(), std::vector<std::string>{p.log});
  }
}

}  // namespace
