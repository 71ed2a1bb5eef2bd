// The command-line rules: start index, display mode and file name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/app.h"
#include "app/panorama.h"
#include "app/startup.h"
#include "engine/store.h"

namespace {

struct TRiadok {
  const char* riadok;
  int PAN_id;
  int GM;
  const char* subor;
};

class CmdlineTest : public ::testing::TestWithParam<TRiadok> {
 protected:
  void SetUp() override {
    PAN_id = 0;
    GM = 3;
    PAN_param_file[0] = '\0';
  }
};

TEST_P(CmdlineTest, Rules) {
  const TRiadok& t = GetParam();
  Rozober_prikazovy_riadok(t.riadok);
  EXPECT_EQ(PAN_id, t.PAN_id);
  EXPECT_EQ(GM, t.GM);
  EXPECT_STREQ(PAN_param_file, t.subor);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CmdlineTest,
    ::testing::Values(TRiadok{"", 0, 3, ""}, TRiadok{"P12", 12, 3, ""}, TRiadok{"7", 7, 3, ""},
                      TRiadok{"G2", 0, 2, ""}, TRiadok{"G5", 0, 3, ""}, TRiadok{"G", 0, 3, ""},
                      TRiadok{"G1P3 /tmp/a b.bmp", 3, 1, "/tmp/a"},
                      // The blank after a number starts the file rule; the word after it is the file.
                      TRiadok{"4 G2", 4, 3, "G2"}, TRiadok{"G4 foto.bmp", 0, 4, "foto.bmp"},
                      // A lone "P" reads nothing and the scan goes on behind it.
                      TRiadok{"PG2", 0, 2, ""},
                      // "%i" reads hexadecimal and octal numbers too.
                      TRiadok{"P0x10", 16, 3, ""}, TRiadok{"010", 8, 3, ""},
                      TRiadok{"P-3", -3, 3, ""},
                      // Quotation marks stay part of the word.
                      TRiadok{"\"moja panorama.bmp\"", 0, 3, "\"moja"},
                      // Trailing blanks give no file name.
                      TRiadok{"3   ", 3, 3, ""},
                      TRiadok{"99999999999999999999", 2147483647, 3, ""}));

TEST(Cmdline, LongLineNeverOverflows) {
  PAN_param_file[0] = '\0';
  const std::string dlhy(10000, 'x');
  Rozober_prikazovy_riadok(dlhy.c_str());
  EXPECT_EQ(std::strlen(PAN_param_file), (size_t)PAN_PARAM_FILE_MAX);
  EXPECT_EQ(std::string(PAN_param_file), dlhy.substr(0, PAN_PARAM_FILE_MAX));

  const std::string cisla = "G2" + std::string(5000, '1') + " " + std::string(5000, 'y');
  Rozober_prikazovy_riadok(cisla.c_str());
  EXPECT_EQ(PAN_id, 2147483647);
  EXPECT_EQ(std::string(PAN_param_file), std::string(PAN_PARAM_FILE_MAX, 'y'));
}

}  // namespace
