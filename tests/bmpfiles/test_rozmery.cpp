#include <gtest/gtest.h>

#include "bmpfiles/dbmp.h"
#include "log/zeph_log.h"
#include "tests/bmpfiles/temp_folder.h"

namespace {

struct TRozmeryPripad {
  int sir, vys, koef, max_sir, max_vys;
  int sir2, vys2;
};

TEST(DbmpNoveRozmery, WorkedValues) {
  TTempFolder tmp;
  ASSERT_TRUE(tmp.Ok());
  const TRozmeryPripad pripady[] = {
      {4000, 1000, 0, 400, 200, 400, 100},  // fitted: k = 0.1
      {401, 201, 2, 0, 0, 200, 100},        // integer reduction
      {4000, 2000, 0, 400, 200, 400, 200},  // both bounds met
      {100, 400, 0, 400, 200, 50, 200},     // height bounds
      {10, 5, 0, 400, 200, 400, 200},       // enlarged
      {3, 7, 4, 0, 0, 0, 1},
      {800, 600, 0, 400, 200, 266, 200},
      {1, 1, 0, 2147483647, 2147483647, 2147483647, 2147483647},  // no overflow past the bound
  };
  for (const TRozmeryPripad& p : pripady) {
    int sir = -7, vys = -7;
    DBMP_NOVE_ROZMERY(p.sir, p.vys, p.koef, p.max_sir, p.max_vys, &sir, &vys);
    EXPECT_EQ(sir, p.sir2) << p.sir << "x" << p.vys << " koef " << p.koef;
    EXPECT_EQ(vys, p.vys2) << p.sir << "x" << p.vys << " koef " << p.koef;
  }
  EXPECT_FALSE(DBMP_Existuje_sub(ZEPH_LOG_SUBOR)) << "good input logs nothing";
}

TEST(DbmpNoveRozmery, BadInputGives50x50AndOneLogLineWithBothBounds) {
  TTempFolder tmp;
  ASSERT_TRUE(tmp.Ok());
  const TRozmeryPripad pripady[] = {
      {4000, 1000, 0, 0, 200, 50, 50},    {4000, 1000, 0, 400, -3, 50, 50}, {4000, 1000, 0, -1, -2, 50, 50},
      {0, 1000, 0, 400, 200, 50, 50},     {-2147483647 - 1, 5, -1, 400, 200, 50, 50},
  };
  for (const TRozmeryPripad& p : pripady) {
    int sir = 0, vys = 0;
    DBMP_NOVE_ROZMERY(p.sir, p.vys, p.koef, p.max_sir, p.max_vys, &sir, &vys);
    EXPECT_EQ(sir, 50);
    EXPECT_EQ(vys, 50);
  }
  const std::string t = "DBMP_5(56) : DBMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys ";
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR), (std::vector<std::string>{t + "[0] [200]", t + "[400] [-3]", t + "[-1] [-2]",
                                                               t + "[400] [200]", t + "[400] [200]"}));
}

}  // namespace
