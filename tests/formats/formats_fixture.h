// The picture-format tests: a temporary current folder, a 16-bit memory display, picture writers.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "tests/common/temp_folder.h"
#include "tools/bmp24.h"

typedef std::vector<uint8_t> TBajty;

class FormatsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TTempFolder tmp;
};

// Flat square blocks (side `strana`) of colours exact in 5-6-5 (red and blue in steps of 8,
// green in steps of 4): a JPEG of it stays close inside the blocks.
TRgbPicture Bloky(int w, int h, int strana = 16);
// Writes the picture as a BMP, PNG or JPEG (quality 100) file by the name's ending.
bool Zapis_obr(const TRgbPicture& pic, const std::string& cesta);
// A JPEG by libjpeg: `zlozky` channels of `vstup`, stored as `ulozene`; row y filled by `riadok`.
TBajty Jpeg_z(int w, int h, int zlozky, J_COLOR_SPACE vstup, J_COLOR_SPACE ulozene, int kvalita, bool progresivny,
              const std::function<void(int y, JSAMPLE* riadok)>& riadok);
TBajty Jpeg_rgb(const TRgbPicture& pic, int kvalita, bool progresivny = false);
TBajty Citaj_bajty(const std::string& cesta);
bool Zapis_bajty(const std::string& cesta, const TBajty& b);
