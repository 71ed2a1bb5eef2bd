// The GPano cropped area of a JPEG: reading the packet, refusing broken or hostile bytes,
// and where the crop sits in the sphere.
#include <string>
#include <vector>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "engine/view.h"
#include "platform/image_gpano.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The smallest JPEG head the reader walks: start marker, then the picture data.
const TBajty HOLY_JPEG = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9};

std::string Nahrad(std::string s, const std::string& co, const std::string& cim) {
  const size_t i = s.find(co);
  if (i != std::string::npos) s.replace(i, co.size(), cim);
  return s;
}

TEST(GpanoPaket, ReadsTheCropOrRefusesThePacket) {
  const std::string atr = Gpano_paket(6000, 3000, 4000, 1000, 500, 1200);
  const std::string prvky =
      "<GPano:FullPanoWidthPixels>8000</GPano:FullPanoWidthPixels><GPano:FullPanoHeightPixels> 4000 "
      "</GPano:FullPanoHeightPixels><GPano:CroppedAreaImageWidthPixels>8000</GPano:CroppedAreaImageWidthPixels>"
      "<GPano:CroppedAreaImageHeightPixels>2000</GPano:CroppedAreaImageHeightPixels><GPano:CroppedAreaLeftPixels>"
      "7999</GPano:CroppedAreaLeftPixels><GPano:CroppedAreaTopPixels>700</GPano:CroppedAreaTopPixels>";
  const std::vector<int> A = {6000, 3000, 4000, 1000, 500, 1200}, NIC;
  const struct {
    std::string paket;
    std::vector<int> ocakavany;  // empty: refused
  } pripady[] = {
      {atr, A},
      {Nahrad(atr, "CroppedAreaTopPixels=\"1200\"", "CroppedAreaTopPixels = ' 1200 '"), A},
      {"</GPano:FullPanoWidthPixels>" + atr, A},
      {prvky, {8000, 4000, 8000, 2000, 7999, 700}},  // elements; across the seam
      {Nahrad(prvky, ">7999<", ">8000<"), NIC},      // left past the full width
      {Nahrad(atr, "GPano:CroppedAreaLeftPixels", "GPano:Other"), NIC},
      {Nahrad(atr, "GPano:CroppedAreaLeftPixels", "GPano:CroppedAreaLeftPixelsX"), NIC},
      {Nahrad(atr, "\"500\"", "\"5x0\""), NIC},
      {Nahrad(atr, "\"500\"", "\"-500\""), NIC},
      {Nahrad(atr, "\"500\"", "\"500.5\""), NIC},
      {atr.substr(0, atr.find("CroppedAreaTopPixels=\"1200") + 26), NIC},
      {Nahrad(atr, "\"6000\"", "\"99999999999999999999\""), NIC},
      {Gpano_paket(6000, 3000, 0, 1000, 0, 0), NIC},
      {Gpano_paket(6000, 3000, 6001, 1000, 0, 0), NIC},
      {Gpano_paket(6000, 3000, 6000, 1000, 0, 2001), NIC},
  };
  for (const auto& p : pripady) {
    const TBajty jpeg = S_xmp(HOLY_JPEG, p.paket);
    TGPano g = {-1, -1, -1, -1, -1, -1};
    EXPECT_EQ(PLAT_GPano_zBajtov(jpeg.data(), jpeg.size(), &g), p.ocakavany.empty() ? 0 : 1) << p.paket;
    const std::vector<int> polia = {g.plny_sir, g.plny_vys, g.vyrez_sir, g.vyrez_vys, g.vyrez_vlavo, g.vyrez_hore};
    EXPECT_EQ(polia, p.ocakavany.empty() ? std::vector<int>(6, -1) : p.ocakavany) << p.paket;
  }
}

// Only the XMP segment before the picture data counts; every cut of a valid file and a
// segment length past the end are refused, and the reader never looks past its bytes
// (the sanitizer build checks that; random bytes are the fuzz target's).
TEST(GpanoJpeg, OtherSegmentsCutsAndHostileBytes) {
  const std::string paket = Gpano_paket(6000, 3000, 6000, 1000, 0, 1000);
  const TBajty jpeg = S_xmp(HOLY_JPEG, paket);
  TGPano g;
  TBajty s_exif = jpeg;
  const uint8_t exif[] = {0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0, 0xFF};
  s_exif.insert(s_exif.begin() + 2, exif, exif + sizeof exif);
  EXPECT_EQ(PLAT_GPano_zBajtov(s_exif.data(), s_exif.size(), &g), 1);
  TBajty po_datach = HOLY_JPEG;
  po_datach.insert(po_datach.begin() + 6, jpeg.begin() + 2, jpeg.end() - 6);
  EXPECT_EQ(PLAT_GPano_zBajtov(po_datach.data(), po_datach.size(), &g), 0);
  for (size_t n = 0; n < jpeg.size() - 6; ++n) {
    const TBajty kus(jpeg.begin(), jpeg.begin() + n);  // a heap copy of exactly n bytes
    EXPECT_EQ(PLAT_GPano_zBajtov(kus.data(), kus.size(), &g), 0) << n;
  }
  TBajty dlhy = jpeg;
  dlhy[4] = 0xFF;
  EXPECT_EQ(PLAT_GPano_zBajtov(dlhy.data(), dlhy.size(), &g), 0);
}

class FormatsGpano : public FormatsTest {
 protected:
  // Writes the picture as a JPEG with the packet and loads it.
  static void Nahraj(const TRgbPicture& pic, const std::string& paket) {
    ASSERT_TRUE(Zapis_obr(pic, "bez.jpg"));
    ASSERT_TRUE(Zapis_bajty("c.jpg", S_xmp(Citaj_bajty("bez.jpg"), paket)));
    Nahraj_PANORAMU("c.jpg", 0);
    ASSERT_NE(pan_SRF, nullptr);
  }
  // A store pixel near the picture's (JPEG).
  static void Blizko(int riadok, int stlpec, const TRgbPicture& pic, int x, int y) {
    BYTE c[3];
    PLAT_Unpack565(W16(riadok, stlpec), &c[0], &c[1], &c[2]);
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(c[k], pic.At(x, y)[k], 16) << riadok << "," << stlpec;
  }
};

// Blocks never black, so black in the store is the surround.
TRgbPicture Svetle_bloky(int w, int h) {
  TRgbPicture pic = Bloky(w, h);
  for (size_t i = 0; i < pic.rgb.size(); i += 3) pic.rgb[i + 1] |= 0x80;
  return pic;
}

TEST_F(FormatsGpano, TheCropSitsAtItsPlaceInTheFullSphere) {
  const TRgbPicture pic = Svetle_bloky(600, 200);
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 300, 150));
  EXPECT_EQ(W_pan_sir, 1200);
  EXPECT_EQ(W_pan_vys, 600);
  EXPECT_EQ(opt_TB, 300);
  EXPECT_FLOAT_EQ(opt_TC, 600 / pi);
  for (const int y : {8, 100, 190})
    for (const int x : {8, 300, 590}) Blizko(150 + y, 300 + x, pic, x, y);
  for (const int y : {0, 149, 350, 599, 600})
    for (const int x : {0, 299, 600, 900, 1199}) EXPECT_EQ(W16(y, x), 0) << y << "," << x;
  for (const int x : {0, 299, 900, 1199}) EXPECT_EQ(W16(250, x), 0) << x;
  // Across the seam: the crop continues at the first column.
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 1000, 400));
  Blizko(500, 1000, pic, 0, 100);
  Blizko(500, 1199, pic, 199, 100);
  Blizko(500, 0, pic, 200, 100);
  Blizko(500, 399, pic, 599, 100);
  EXPECT_EQ(W16(500, 400), 0);
  EXPECT_EQ(W16(500, 999), 0);
  EXPECT_NE(Stred(0.001f, (float)((300 - 500) * pi / 600)), 0);
  EXPECT_EQ(Stred(pi, (float)((300 - 500) * pi / 600)), 0);
  // A failed load keeps the placement.
  ASSERT_TRUE(Zapis_bajty("zly.jpg", S_xmp({0xFF, 0xD8, 0xFF, 0xD9}, Gpano_paket(4000, 2000, 600, 200, 0, 0))));
  Nahraj_PANORAMU("zly.jpg", 0);
  EXPECT_EQ(pan_SRF, nullptr);
  EXPECT_EQ(W_pan_vlavo, 1000);
  EXPECT_EQ(W_pan_hore, 400);
}

// A sphere larger than the store is scaled to fit it; packets that lie about sizes still
// show the picture, and nothing leaves the store.
TEST_F(FormatsGpano, LargeOrLyingSpheresStayInsideTheStore) {
  Nahraj(Svetle_bloky(400, 40), Gpano_paket(20000, 10000, 400, 40, 0, 4000));
  EXPECT_EQ(pan_sir, 327);
  EXPECT_EQ(W_pan_vys, 8000);
  EXPECT_EQ(W_pan_hore, 3200);
  EXPECT_EQ(W16(3199, 100), 0);
  EXPECT_NE(W16(3200, 100), 0);
  EXPECT_NE(W16(3231, 100), 0);
  EXPECT_EQ(W16(3232, 100), 0);
  const TRgbPicture pic = Svetle_bloky(300, 100);
  for (const std::string& paket : {Gpano_paket(100, 50, 300, 100, 0, 0), Gpano_paket(1000000, 500000, 300, 100, 999999, 499900),
                                   Gpano_paket(4000, 2000, 3, 1, 3999, 1999), Gpano_paket(300, 100000, 300, 100, 0, 50000)}) {
    Nahraj(pic, paket);
    EXPECT_GE(W_pan_sir, pan_sir);
    EXPECT_EQ(W_pan_sir, W_sir);
    EXPECT_LE(W_pan_vlavo, W_pan_sir - 1);
    EXPECT_LE(W_pan_hore + pan_vys, W_pan_vys);
    EXPECT_LE(W_riadok_max, W_vys - 1);
    for (const float pitch : {pi_pol_m, 0.0f, -pi_pol_m}) Stred(0.5f, pitch);
  }
}

}  // namespace
