// Shared set-up of the picture-format tests: a temporary current folder, the memory
// backend with a 16-bit display and a back buffer, and a writer of one RGB picture as a
// BMP, PNG or JPEG file.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "tests/bmpfiles/temp_folder.h"
#include "tools/bmp24.h"

typedef std::vector<uint8_t> TBajty;

class FormatsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TTempFolder tmp;
};

// Renders from (yaw, pitch) on a 20 × 20 grid, pinhole, eye distance 400; the centre pixel.
uint16_t Stred(float yaw, float pitch);

// Flat square blocks (side `strana`) of colours exact in 5-6-5 (red and blue in steps of 8,
// green in steps of 4): a JPEG of it stays close inside the blocks.
TRgbPicture Bloky(int w, int h, int strana = 16);
// Writes the picture as a BMP, PNG or JPEG file by the name's ending; false when it could not.
bool Zapis_obr(const TRgbPicture& pic, const std::string& cesta);
// A JPEG made by libjpeg: w × h pixels of `zlozky` channels in colour space `vstup`, stored as
// `ulozene` at quality `kvalita` (progressive when asked), row y filled by `riadok`.
TBajty Jpeg_z(int w, int h, int zlozky, J_COLOR_SPACE vstup, J_COLOR_SPACE ulozene, int kvalita, bool progresivny,
              const std::function<void(int y, JSAMPLE* riadok)>& riadok);
// The picture as an RGB JPEG.
TBajty Jpeg_rgb(const TRgbPicture& pic, int kvalita, bool progresivny = false);
// The bytes of a JPEG with an APP1 XMP segment holding `paket` put right after its start marker.
TBajty S_xmp(const TBajty& jpeg, const std::string& paket);
// An XMP packet with the six GPano fields as attributes.
std::string Gpano_paket(int plny_sir, int plny_vys, int sir, int vys, int vlavo, int hore);
TBajty Citaj_bajty(const std::string& cesta);
bool Zapis_bajty(const std::string& cesta, const TBajty& b);
