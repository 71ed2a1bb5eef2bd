#include <gtest/gtest.h>

#include <string>

#include "log/zeph_log.h"
#include "tests/bmpfiles/temp_folder.h"

namespace {

class ZephLog : public ::testing::Test {
 protected:
  TTempFolder tmp;
  std::vector<std::string> Log() const { return Riadky(ZEPH_LOG_SUBOR); }
};

TEST_F(ZephLog, FirstWriteCreatesTheFileAndLinesKeepTheirOrder) {
  ASSERT_TRUE(tmp.Ok());
  ZEPH_LOG_Zapis("prvy");
  ZEPH_LOG_Zapis("druhy");
  EXPECT_EQ(Log(), (std::vector<std::string>{"prvy", "druhy"}));
}

TEST_F(ZephLog, ResetEmptiesTheFileAndWritesOneLine) {
  ASSERT_TRUE(tmp.Ok());
  ZEPH_LOG_Zapis("stary");
  ZEPH_LOG_Zapis("stary 2");
  ZEPH_LOG_Reset("novy");
  ZEPH_LOG_Zapis("dalsi");
  EXPECT_EQ(CitajSubor(ZEPH_LOG_SUBOR), "novy\ndalsi\n");
}

TEST_F(ZephLog, TheThreeLineFormats) {
  ASSERT_TRUE(tmp.Ok());
  _ZEPH_LOG_("DBMP_5", 85, "Chyba pri otvaraní suboru");
  _ZEPH_LOG_("DBMP_5", 56, "text", -3, 0);
  _ZEPH_LOG_("DBMP_5", -1, "text", 2147483647, -2147483647 - 1);
  _ZEPH_LOG_("MOD", 7, "prvy", "druhy");
  _ZEPH_LOG_(nullptr, 1, nullptr, nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "DBMP_5(85) : Chyba pri otvaraní suboru",
                       "DBMP_5(56) : text [-3] [0]",
                       "DBMP_5(-1) : text [2147483647] [-2147483648]",
                       "MOD(7) : prvy druhy",
                       "(1) :  ",
                   }));
}

TEST_F(ZephLog, LongLinesAreCutAt299Characters) {
  ASSERT_TRUE(tmp.Ok());
  const std::string dlhy(400, 'x');
  _ZEPH_LOG_("M", 1, dlhy.c_str());
  _ZEPH_LOG_("M", 1, dlhy.c_str(), 1, 2);
  _ZEPH_LOG_("M", 1, "a", dlhy.c_str());
  const std::string pred = "M(1) : ";
  const std::vector<std::string> log = Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], pred + std::string(299 - pred.size(), 'x'));
  EXPECT_EQ(log[1], log[0]);
  EXPECT_EQ(log[2], pred + "a " + std::string(299 - pred.size() - 2, 'x'));
  // A line that fits exactly is whole.
  ZEPH_LOG_Reset("");
  const std::string presne(299 - pred.size(), 'y');
  _ZEPH_LOG_("M", 1, presne.c_str());
  EXPECT_EQ(Log().back(), pred + presne);
}

TEST_F(ZephLog, AnUnopenableLogDropsTheLineQuietly) {
  ASSERT_TRUE(tmp.Ok());
  ASSERT_EQ(mkdir(ZEPH_LOG_SUBOR, 0755), 0);  // a folder where the file should be
  ZEPH_LOG_Zapis("stratene");
  ZEPH_LOG_Reset("stratene");
  _ZEPH_LOG_("M", 1, "stratene");
  EXPECT_EQ(TTempFolder::Obsah(), std::vector<std::string>{ZEPH_LOG_SUBOR});
}

}  // namespace
