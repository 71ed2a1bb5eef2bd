// A headless display for the engine tests: memory backend, a 16- or 32-bit mode, the primary
// surface with its back buffer, and stores filled with coordinates.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class EngineDisplej : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Display mode w × h of `bity` bits with a fresh primary and back buffer; the screen
  // globals follow.
  void Obrazovka(int w, int h, int bity = 16);
};

// Every store pixel holds its own column (or row), so a drawn pixel tells where it came from.
void W_vypln_stlpce();
void W_vypln_riadky();
// The back buffer's pixels, row by row (w × h), and a fill of the whole buffer.
std::vector<uint16_t> Zadny_pixely();
void Zadny_vypln(uint16_t farba);
