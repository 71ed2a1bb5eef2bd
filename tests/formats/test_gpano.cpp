// Reading the GPano cropped area: attribute and element forms, incomplete or inconsistent
// packets, and JPEG bytes that are broken or hostile.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/image_gpano.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The smallest JPEG head the reader walks: start marker, then the picture data.
const TBajty HOLY_JPEG = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9};

struct TPaketPripad {
  const char* meno;
  std::string paket;
  bool platny;
  TGPano ocakavany;
};

std::string Prvky(const char* vlavo) {
  return std::string("<rdf:Description>\n"
                     "  <GPano:FullPanoWidthPixels>8000</GPano:FullPanoWidthPixels>\n"
                     "  <GPano:FullPanoHeightPixels> 4000 </GPano:FullPanoHeightPixels>\n"
                     "  <GPano:CroppedAreaImageWidthPixels>8000</GPano:CroppedAreaImageWidthPixels>\n"
                     "  <GPano:CroppedAreaImageHeightPixels>2000</GPano:CroppedAreaImageHeightPixels>\n"
                     "  <GPano:CroppedAreaLeftPixels>") +
         vlavo +
         "</GPano:CroppedAreaLeftPixels>\n"
         "  <GPano:CroppedAreaTopPixels>700</GPano:CroppedAreaTopPixels>\n"
         "</rdf:Description>";
}

std::string Nahrad(std::string s, const std::string& co, const std::string& cim) {
  const size_t i = s.find(co);
  if (i != std::string::npos) s.replace(i, co.size(), cim);
  return s;
}

std::vector<int> Polia(const TGPano& g) {
  return {g.plny_sir, g.plny_vys, g.vyrez_sir, g.vyrez_vys, g.vyrez_vlavo, g.vyrez_hore};
}

class GpanoPaket : public ::testing::TestWithParam<TPaketPripad> {};

TEST_P(GpanoPaket, ReadsTheCropOrRefusesThePacket) {
  const TPaketPripad& p = GetParam();
  const TBajty jpeg = S_xmp(HOLY_JPEG, p.paket);
  TGPano g = {-1, -1, -1, -1, -1, -1};
  ASSERT_EQ(PLAT_GPano_zBajtov(jpeg.data(), jpeg.size(), &g), p.platny ? 1 : 0);
  const TGPano& o = p.platny ? p.ocakavany : TGPano{-1, -1, -1, -1, -1, -1};
  EXPECT_EQ(Polia(g), Polia(o));
}

const std::string ATR = Gpano_paket(6000, 3000, 4000, 1000, 500, 1200);

INSTANTIATE_TEST_SUITE_P(
    Pakety, GpanoPaket,
    ::testing::Values(
        TPaketPripad{"Attributes", ATR, true, {6000, 3000, 4000, 1000, 500, 1200}},
        TPaketPripad{"SingleQuotesAndBlanks", Nahrad(ATR, "GPano:CroppedAreaTopPixels=\"1200\"",
                                                     "GPano:CroppedAreaTopPixels = ' 1200 '"),
                     true, {6000, 3000, 4000, 1000, 500, 1200}},
        TPaketPripad{"Elements", Prvky("0"), true, {8000, 4000, 8000, 2000, 0, 700}},
        TPaketPripad{"CropAcrossTheSeam", Prvky("7000"), true, {8000, 4000, 8000, 2000, 7000, 700}},
        TPaketPripad{"LeftPastTheFullWidth", Prvky("8000"), false, {}},
        TPaketPripad{"FieldMissing", Nahrad(ATR, "GPano:CroppedAreaLeftPixels", "GPano:Other"), false, {}},
        TPaketPripad{"LongerNameOnly", Nahrad(ATR, "GPano:CroppedAreaLeftPixels", "GPano:CroppedAreaLeftPixelsX"),
                     false, {}},
        TPaketPripad{"NotANumber", Nahrad(ATR, "\"500\"", "\"5x0\""), false, {}},
        TPaketPripad{"Negative", Nahrad(ATR, "\"500\"", "\"-500\""), false, {}},
        TPaketPripad{"Fraction", Nahrad(ATR, "\"500\"", "\"500.5\""), false, {}},
        TPaketPripad{"Unterminated", ATR.substr(0, ATR.find("CroppedAreaTopPixels=\"1200") + 26), false, {}},
        TPaketPripad{"Huge", Nahrad(ATR, "\"6000\"", "\"99999999999999999999\""), false, {}},
        TPaketPripad{"ZeroWidth", Gpano_paket(6000, 3000, 0, 1000, 0, 0), false, {}},
        TPaketPripad{"WiderThanFull", Gpano_paket(6000, 3000, 6001, 1000, 0, 0), false, {}},
        TPaketPripad{"BelowTheNadir", Gpano_paket(6000, 3000, 6000, 1000, 0, 2001), false, {}},
        TPaketPripad{"ClosingTagFirst", "</GPano:FullPanoWidthPixels>" + ATR, true,
                     {6000, 3000, 4000, 1000, 500, 1200}}),
    [](const ::testing::TestParamInfo<TPaketPripad>& i) { return std::string(i.param.meno); });

TEST(GpanoJpeg, OnlyTheXmpSegmentBeforeThePictureDataCounts) {
  const std::string paket = Gpano_paket(6000, 3000, 6000, 1000, 0, 1000);
  TGPano g;
  // Another APP1 (Exif) first, and fill bytes before a marker, are walked past.
  const TBajty exif = {0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0, 0xFF};
  TBajty jpeg = S_xmp(HOLY_JPEG, paket);
  jpeg.insert(jpeg.begin() + 2, exif.begin() + 2, exif.end());
  EXPECT_EQ(PLAT_GPano_zBajtov(jpeg.data(), jpeg.size(), &g), 1);
  EXPECT_EQ(g.vyrez_hore, 1000);
  // A packet without the XMP name, or after the start of the picture data, is not read.
  TBajty bez_mena = S_xmp(HOLY_JPEG, paket);
  bez_mena[6] = 'H';
  EXPECT_EQ(PLAT_GPano_zBajtov(bez_mena.data(), bez_mena.size(), &g), 0);
  TBajty po_datach = HOLY_JPEG;
  const TBajty xmp = S_xmp(HOLY_JPEG, paket);
  po_datach.insert(po_datach.begin() + 6, xmp.begin() + 2, xmp.end() - 6);
  EXPECT_EQ(PLAT_GPano_zBajtov(po_datach.data(), po_datach.size(), &g), 0);
}

// Every cut of a valid file, and a segment length that runs past the end, are refused;
// the reader never looks past the bytes it is given (the sanitizer build checks that).
TEST(GpanoJpeg, TruncatedAndHostileBytesAreRefused) {
  const TBajty jpeg = S_xmp(HOLY_JPEG, Gpano_paket(6000, 3000, 6000, 1000, 0, 1000));
  TGPano g;
  for (size_t n = 0; n < jpeg.size() - 6; ++n) {
    const TBajty kus(jpeg.begin(), jpeg.begin() + n);  // a heap copy of exactly n bytes
    EXPECT_EQ(PLAT_GPano_zBajtov(kus.data(), kus.size(), &g), 0) << n;
  }
  TBajty dlhy = jpeg;
  dlhy[4] = 0xFF;
  EXPECT_EQ(PLAT_GPano_zBajtov(dlhy.data(), dlhy.size(), &g), 0);
  EXPECT_EQ(PLAT_GPano_zBajtov(nullptr, 10, &g), 0);
  std::mt19937 nahoda(7);
  for (int i = 0; i < 2000; ++i) {
    TBajty b = jpeg;
    for (int k = 0; k < 4; ++k) b[nahoda() % b.size()] = (uint8_t)nahoda();
    b.resize(nahoda() % (b.size() + 1));
    PLAT_GPano_zBajtov(b.data(), b.size(), &g);
  }
}

TEST_F(FormatsTest, GpanoFromAFileAndFromNoFile) {
  TGPano g;
  ASSERT_TRUE(Zapis_bajty("g.jpg", S_xmp(HOLY_JPEG, Gpano_paket(4000, 2000, 4000, 1000, 0, 500))));
  EXPECT_EQ(PLAT_Citaj_GPano("g.jpg", &g), 1);
  EXPECT_EQ(g.vyrez_hore, 500);
  // The same packet in a file that is not a JPEG is not looked for.
  TBajty png = {0x89, 'P', 'N', 'G'};
  const TBajty jpeg = Citaj_bajty("g.jpg");
  png.insert(png.end(), jpeg.begin(), jpeg.end());
  ASSERT_TRUE(Zapis_bajty("g.png", png));
  EXPECT_EQ(PLAT_Citaj_GPano("g.png", &g), 0);
  EXPECT_EQ(PLAT_Citaj_GPano("missing.jpg", &g), 0);
  EXPECT_EQ(PLAT_Citaj_GPano(".", &g), 0);
  EXPECT_EQ(PLAT_Citaj_GPano(nullptr, &g), 0);
}

}  // namespace
