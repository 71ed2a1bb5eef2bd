// The GPano cropped area of a JPEG: the packet, broken or hostile bytes, the crop in the sphere.

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/image_gpano.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The smallest JPEG head the reader walks: start marker, then the picture data.
const TBajty HOLY_JPEG = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xD9};

// The bytes of a JPEG with an APP1 XMP segment holding `paket` right after its start marker.
TBajty S_xmp(const TBajty& jpeg, const std::string& paket) {
  static const char znacka[] = "http://ns.adobe.com/xap/1.0/";
  const size_t dlzka = 2 + sizeof znacka + paket.size();
  const std::string s = std::string("\xFF\xD8\xFF\xE1") + (char)(dlzka >> 8) + (char)dlzka + std::string(znacka, sizeof znacka) +
                        paket + std::string(jpeg.begin() + 2, jpeg.end());
  return TBajty(s.begin(), s.end());
}

// An XMP packet with the six GPano fields as attributes.
std::string Gpano_paket(int plny_sir, int plny_vys, int sir, int vys, int vlavo, int hore) {
  char b[512];
  std::snprintf(b, sizeof b,
                "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:Description GPano:FullPanoWidthPixels=\"%d\" "
                "GPano:FullPanoHeightPixels=\"%d\" GPano:CroppedAreaImageWidthPixels=\"%d\" "
                "GPano:CroppedAreaImageHeightPixels=\"%d\" GPano:CroppedAreaLeftPixels=\"%d\" "
                "GPano:CroppedAreaTopPixels=\"%d\"/></x:xmpmeta>",
                plny_sir, plny_vys, sir, vys, vlavo, hore);
  return b;
}

std::string Nahrad(std::string s, const std::string& co, const std::string& cim) {
  return s.replace(s.find(co), co.size(), cim);
}

TEST(GpanoPaket, ReadsTheCropOrRefusesThePacket) {
  const std::string atr = Gpano_paket(6000, 3000, 4000, 1000, 500, 1200);
  const std::string prvky =
      "<GPano:FullPanoWidthPixels>8000</GPano:FullPanoWidthPixels><GPano:FullPanoHeightPixels> 4000 "
      "</GPano:FullPanoHeightPixels><GPano:CroppedAreaImageWidthPixels>8000</GPano:CroppedAreaImageWidthPixels>"
      "<GPano:CroppedAreaImageHeightPixels>2000</GPano:CroppedAreaImageHeightPixels><GPano:CroppedAreaLeftPixels>"
      "7999</GPano:CroppedAreaLeftPixels><GPano:CroppedAreaTopPixels>700</GPano:CroppedAreaTopPixels>";
  const std::vector<int> A = {6000, 3000, 4000, 1000, 500, 1200}, NIC(6, -1);
  const struct {
    std::string paket;
    std::vector<int> ocakavany;  // NIC: refused
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
    EXPECT_EQ(PLAT_GPano_zBajtov(jpeg.data(), jpeg.size(), &g), p.ocakavany == NIC ? 0 : 1) << p.paket;
    EXPECT_EQ((std::vector<int>{g.plny_sir, g.plny_vys, g.vyrez_sir, g.vyrez_vys, g.vyrez_vlavo, g.vyrez_hore}),
              p.ocakavany) << p.paket;
  }
}

// Only XMP before the picture data counts; cuts and lengths past the end are refused (ASan: no overread).
TEST(GpanoJpeg, OtherSegmentsCutsAndHostileBytes) {
  const TBajty jpeg = S_xmp(HOLY_JPEG, Gpano_paket(6000, 3000, 6000, 1000, 0, 1000));
  TGPano g;
  TBajty s_exif = jpeg, po_datach = HOLY_JPEG, dlhy = jpeg;
  const uint8_t exif[] = {0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0, 0xFF};
  s_exif.insert(s_exif.begin() + 2, exif, exif + sizeof exif);
  EXPECT_EQ(PLAT_GPano_zBajtov(s_exif.data(), s_exif.size(), &g), 1);
  po_datach.insert(po_datach.begin() + 6, jpeg.begin() + 2, jpeg.end() - 6);
  EXPECT_EQ(PLAT_GPano_zBajtov(po_datach.data(), po_datach.size(), &g), 0);
  for (size_t n = 0; n < jpeg.size() - 6; ++n) {
    const TBajty kus(jpeg.begin(), jpeg.begin() + n);  // a heap copy of exactly n bytes
    EXPECT_EQ(PLAT_GPano_zBajtov(kus.data(), kus.size(), &g), 0) << n;
  }
  dlhy[4] = 0xFF;
  EXPECT_EQ(PLAT_GPano_zBajtov(dlhy.data(), dlhy.size(), &g), 0);
}

class FormatsGpano : public FormatsTest {
 protected:
  // In the desktop's true colour: a crop that does not cross the seam is decoded in place.
  void SetUp() override {
    FormatsTest::SetUp();
    Vykonaj_RELEASE_SRF(1);
    ASSERT_EQ(Vytvor_displej(800, 600, 32), DD_OK);
  }
  // Writes the picture as a JPEG with the packet and loads it; stored as RGB, no colour of a
  // block bleeds into the row next to it.
  static void Nahraj(const TRgbPicture& pic, const std::string& paket) {
    const TBajty jpeg = Jpeg_z(pic.w, pic.h, 3, JCS_RGB, JCS_RGB, 100, false,
                               [&pic](int y, JSAMPLE* r) { std::copy(pic.At(0, y), pic.At(0, y) + pic.w * 3, r); });
    ASSERT_TRUE(Zapis_bajty("c.jpg", S_xmp(jpeg, paket)));
    ASSERT_EQ(Nahraj_PANORAMU("c.jpg", 0), IMG_LOAD_OK);
  }
  static uint32_t W32(int riadok, int stlpec) { return W_riadok<uint32_t>(riadok)[stlpec]; }
  // The store pixel at (riadok, stlpec) is near the picture's (x, y); 0 for (-1, -1).
  static void Pixel(int riadok, int stlpec, const TRgbPicture& pic, int x = -1, int y = -1) {
    for (int k = 0; k < 3; ++k)
      EXPECT_NEAR(W32(riadok, stlpec) >> (16 - 8 * k) & 255, x < 0 ? 0 : pic.At(x, y)[k], x < 0 ? 0 : 8) << riadok << "," << stlpec;
  }
  // Renders from (yaw, pitch) on a 20 × 20 grid, pinhole, eye distance 400; the centre pixel.
  static uint32_t Stred(float yaw, float pitch) {
    EXPECT_EQ(Reset_Sito(20, 20), 1);
    D = 400, sfer_perspekt = 0, YAW = yaw, PITCH = pitch;
    EXPECT_EQ(Sito_Vykresli(), 1);
    return lpDDSBack->PLAT_Pixel(SX, SY) & 0xFFFFFF;
  }
  // Blocks never black, so black in the store is the surround.
  const TRgbPicture pic = [] {
    TRgbPicture p = Bloky(600, 200);
    for (size_t i = 0; i < p.rgb.size(); i += 3) p.rgb[i + 1] |= 0x80;
    return p;
  }();
};

TEST_F(FormatsGpano, TheCropSitsAtItsPlaceInTheFullSphere) {
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 300, 150));
  EXPECT_TRUE(W_pan_sir == 1200 && W_pan_vys == 600 && opt_TB == 300);
  EXPECT_FLOAT_EQ(opt_TC, 600 / pi);
  for (const int y : {8, 100, 190})
    for (const int x : {8, 300, 590}) Pixel(150 + y, 300 + x, pic, x, y);
  for (const int y : {0, 149, 250, 350, 599, 600})
    for (const int x : {0, 299, 600, 900, 1199})
      if (y != 250 || x != 600) Pixel(y, x, pic);
  // One column across the seam: it continues at the first column; the last crop's pixels beside it are gone.
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 601, 250));
  const int seam[][2] = {{601, 0}, {1199, 598}, {0, 599}, {1, -1}, {600, -1}};
  for (const auto& s : seam) Pixel(346, s[0], pic, s[1], s[1] < 0 ? -1 : 96);  // the first row of a block
  EXPECT_NE(Stred(0.001f, (float)((300 - 350) * pi / 600)), 0);
  EXPECT_EQ(Stred(pi / 2, (float)((300 - 350) * pi / 600)), 0);
  // A failed load keeps the placement.
  ASSERT_TRUE(Zapis_bajty("zly.jpg", S_xmp({0xFF, 0xD8, 0xFF, 0xD9}, Gpano_paket(4000, 2000, 600, 200, 0, 0))));
  EXPECT_EQ(Nahraj_PANORAMU("zly.jpg", 0), IMG_LOAD_FAILED);
  EXPECT_TRUE(W_pan_vlavo == 601 && W_pan_hore == 250);
}

// A sphere larger than the store is scaled to fit; lying packets still show the picture inside it.
TEST_F(FormatsGpano, LargeOrLyingSpheresStayInsideTheStore) {
  Nahraj(Bloky(400, 40), Gpano_paket(20000, 10000, 400, 40, 0, 4000));
  EXPECT_TRUE(pan_sir == 327 && W_pan_vys == 8000 && W_pan_hore == 3200);
  EXPECT_TRUE(W32(3199, 100) == 0 && W32(3200, 100) != 0 && W32(3231, 100) != 0 && W32(3232, 100) == 0);
  for (const std::string& paket : {Gpano_paket(100, 50, 600, 200, 0, 0), Gpano_paket(1000000, 500000, 600, 200, 999999, 499900),
                                   Gpano_paket(4000, 2000, 3, 1, 3999, 1999), Gpano_paket(600, 100000, 600, 200, 0, 50000)}) {
    Nahraj(pic, paket);
    EXPECT_TRUE(W_pan_sir >= pan_sir && W_pan_sir == W_sir && W_pan_vlavo <= W_pan_sir - 1) << paket;
    EXPECT_TRUE(W_pan_hore + pan_vys <= W_pan_vys && W_riadok_max <= W_vys - 1) << paket;
    for (const float pitch : {pi_pol_m, 0.0f, -pi_pol_m}) Stred(0.5f, pitch);
  }
}

}  // namespace
