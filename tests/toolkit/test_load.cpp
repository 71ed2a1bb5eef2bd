// Loading a sheet: its own copy of the name, stretching, a failed load, reloading after a loss.
#include <cstring>

#include "platform/fault.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace {

class LoadTest : public ToolkitTest {
 protected:
  CDas_Surface rezia;
};

TEST_F(LoadTest, KeepsItsOwnCopyOfTheName) {
  Zdroj("own_name.bmp", Plachta(20, 12, {0}, {0}));
  char meno[] = "own_name.bmp";
  rezia.NAHRAJ_SURFACE(dd, meno);  // its surface goes with the next load
  meno[0] = 'X';
  ASSERT_NE(nullptr, rezia.subor_nazov);
  EXPECT_STREQ("own_name.bmp", rezia.subor_nazov);
  rezia.NAHRAJ_SURFACE(dd, rezia.subor_nazov);  // reloading under the name it already holds
  Uvolni_potom(rezia.SURFACE);
  ASSERT_NE(nullptr, rezia.SURFACE);
  EXPECT_STREQ("own_name.bmp", rezia.subor_nazov);
  EXPECT_EQ(0, rezia.stretched);
}

// The loader's scaling filter is the platform's, so only plain areas are compared.
TEST_F(LoadTest, StretchedSheetComesBackStretched) {
  Zdroj("stretch_me.bmp", Plachta(20, 12, {0, 11}, {0, 9, 19}));
  const uint16_t vypln = PLAT_Pack565(40, 80, 120);
  rezia.NAHRAJ_SURFACE_2_stretch(dd, "stretch_me.bmp", 40, 24);
  ASSERT_NE(nullptr, rezia.SURFACE);
  Uvolni_potom(rezia.SURFACE);
  EXPECT_EQ(40, rezia.srf_sir);
  EXPECT_EQ(24, rezia.srf_vys);
  EXPECT_EQ(1, rezia.stretched);
  EXPECT_EQ(vypln, Px(rezia.SURFACE, 8, 10));
  rezia.SURFACE->PLAT_Lose();
  EXPECT_EQ(DD_OK, rezia.RESTORE_SURFACE());
  EXPECT_EQ(40, rezia.SURFACE->PLAT_Width());
  EXPECT_EQ(CERVENA_565, Px(rezia.SURFACE, 0, 0));
  EXPECT_EQ(vypln, Px(rezia.SURFACE, 8, 10));
  EXPECT_EQ(vypln, Px(rezia.SURFACE, 30, 15));
  EXPECT_EQ(CERVENA_565, Px(rezia.SURFACE, 39, 23));
}

TEST_F(LoadTest, FailedLoadLeavesNoSurface) {
  Zdroj("first.bmp", Plachta(20, 12, {0}, {0}));
  rezia.NAHRAJ_SURFACE(dd, "first.bmp");  // its surface goes with the next load
  ASSERT_NE(nullptr, rezia.SURFACE);
  rezia.NAHRAJ_SURFACE(dd, (adresar + "/missing.bmp").c_str());
  EXPECT_EQ(nullptr, rezia.SURFACE);
  rezia.NAHRAJ_SURFACE(dd, nullptr);
  EXPECT_EQ(nullptr, rezia.SURFACE);
  EXPECT_EQ(nullptr, rezia.subor_nazov);
  rezia.NAHRAJ_SURFACE_2_stretch(dd, "first.bmp", 0, 10);
  EXPECT_EQ(nullptr, rezia.SURFACE);
}

TEST_F(LoadTest, RestoreReportsTheRestoreStatus) {
  Nahraj_vzorovu(&rezia, "restore.bmp");
  rezia.SURFACE->PLAT_Lose();
  PLAT_FaultSet(PC_Restore, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(DDERR_GENERIC, rezia.RESTORE_SURFACE());
  EXPECT_EQ(DD_OK, rezia.RESTORE_SURFACE());
  EXPECT_EQ(Vzor565(4, 6), Px(rezia.SURFACE, 4, 6));
}

}  // namespace
