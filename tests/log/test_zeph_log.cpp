#include <gtest/gtest.h>

#include <string>

#include "log/zeph_log.h"
#include "tests/common/temp_folder.h"

namespace {

TEST(ZephLog, LinesAppendInOrderAndResetStartsOver) {
  TTempFolder tmp;
  ASSERT_TRUE(tmp.Ok());
  ZEPH_LOG_Zapis("stary");
  ZEPH_LOG_Reset("novy");
  ZEPH_LOG_Zapis("dalsi");
  _ZEPH_LOG_("DBMP_5", 56, "text", -3, -2147483647 - 1);
  _ZEPH_LOG_("MOD", 7, "prvy", "druhy");
  _ZEPH_LOG_(nullptr, 1, nullptr, nullptr);
  // Cut at 299 characters, whichever form the line has.
  const std::string dlhy(400, 'x'), pred = "M(1) : ";
  _ZEPH_LOG_("M", 1, dlhy.c_str(), 1, 2);
  _ZEPH_LOG_("M", 1, "a", dlhy.c_str());
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR),
            (std::vector<std::string>{"novy", "dalsi", "DBMP_5(56) : text [-3] [-2147483648]", "MOD(7) : prvy druhy",
                                      "(1) :  ", pred + std::string(299 - pred.size(), 'x'),
                                      pred + "a " + std::string(299 - pred.size() - 2, 'x')}));
}

TEST(ZephLog, AnUnopenableLogDropsTheLineQuietly) {
  TTempFolder tmp;
  ASSERT_TRUE(tmp.Ok());
  ASSERT_EQ(mkdir(ZEPH_LOG_SUBOR, 0755), 0);  // a folder where the file should be
  ZEPH_LOG_Zapis("stratene");
  _ZEPH_LOG_("M", 1, "stratene");
  EXPECT_EQ(TTempFolder::Obsah(), std::vector<std::string>{ZEPH_LOG_SUBOR});
}

}  // namespace
