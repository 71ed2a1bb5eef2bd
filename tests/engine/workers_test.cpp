// The drawing threads: their count from the environment, and every task run exactly once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/workers.h"

namespace {

// A count outside 1 … VLAKNA_MAX, text after it (two counts: one is not the cores'), or none: the cores (0).
TEST(Vlakna, CountFromTheEnvironment) {
  const unsigned jadra = std::thread::hardware_concurrency();
  const int inak = jadra < 1 ? 1 : (jadra > VLAKNA_MAX ? VLAKNA_MAX : (int)jadra);
  const struct { const char* text; int pocet; } cases[] = {{"1", 1}, {"3", 3}, {"8", 8}, {"0", 0}, {"9", 0}, {"-2", 0},
                                                           {"3x", 0}, {"5 ", 0}, {"", 0}, {" ", 0}, {nullptr, 0}};
  for (const auto& c : cases) {
    c.text ? setenv("PANO_THREADS", c.text, 1) : unsetenv("PANO_THREADS");
    EXPECT_EQ(Vlakna_Ziadane(), c.pocet ? c.pocet : inak) << (c.text ? c.text : "(none)");
  }
  unsetenv("PANO_THREADS");
}

void Zapocitaj(void* data, int k) { ++(*static_cast<std::vector<int>*>(data))[k]; }

TEST(Vlakna, EveryTaskRunsOnceOnAnyPool) {
  EXPECT_EQ(Vlakna_Spusti(0) + Vlakna_Spusti(VLAKNA_MAX + 1), 0);
  EXPECT_EQ(Vlakna_Pocet(), 1);
  for (int pocet : {1, 3, VLAKNA_MAX, 2}) {
    ASSERT_EQ(Vlakna_Spusti(pocet), 1);
    EXPECT_EQ(Vlakna_Pocet(), pocet);
    for (int uloh : {0, 1, 5, 40, 1000}) {
      std::vector<int> kolko(uloh + 1, 0);
      Vlakna_Vykonaj(Zapocitaj, &kolko, uloh);
      for (int k = 0; k <= uloh; ++k) ASSERT_EQ(kolko[k], k < uloh ? 1 : 0) << pocet << " threads, task " << k;
    }
  }
  Vlakna_Zastav();
  EXPECT_EQ(Vlakna_Pocet(), 1);
}

}  // namespace
