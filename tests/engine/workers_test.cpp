// The drawing threads: their count from the environment, and every task run exactly once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/workers.h"

namespace {

TEST(Vlakna, CountFromTheEnvironment) {
  const int jadra = (int)std::thread::hardware_concurrency();
  const int inak = jadra < 1 ? 1 : (jadra > VLAKNA_MAX ? VLAKNA_MAX : jadra);
  const char* const zle[] = {"0", "9", "-2", "2x", "", " ", nullptr};  // the machine's cores instead
  for (const char* text : {"1", "3", "8"}) {
    setenv("PANO_THREADS", text, 1);
    EXPECT_EQ(Vlakna_Ziadane(), std::atoi(text));
  }
  for (const char* text : zle) {
    text ? setenv("PANO_THREADS", text, 1) : unsetenv("PANO_THREADS");
    EXPECT_EQ(Vlakna_Ziadane(), inak) << (text ? text : "(none)");
  }
  unsetenv("PANO_THREADS");
}

void Zapocitaj(void* data, int k) { ++(*static_cast<std::vector<int>*>(data))[k]; }

TEST(Vlakna, EveryTaskRunsOnceOnAnyPool) {
  EXPECT_EQ(Vlakna_Spusti(0), 0);
  EXPECT_EQ(Vlakna_Spusti(VLAKNA_MAX + 1), 0);
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
