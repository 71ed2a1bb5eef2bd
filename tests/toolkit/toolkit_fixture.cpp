#include "tests/toolkit/toolkit_fixture.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "display/screen.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "toolkit/ddutil.h"

void ToolkitTest::SetUp() {
  ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, TPlatOptions()));
  PLAT_FaultClear();
  PLAT_DebugOutputClear();
  ASSERT_EQ(DD_OK, DirectDrawCreate(nullptr, &dd, nullptr));
  MAXX = 800;
  MAXY = 600;
  char vzor[] = "/tmp/toolkit_testXXXXXX";
  ASSERT_NE(nullptr, mkdtemp(vzor));
  adresar = vzor;
}

void ToolkitTest::TearDown() {
  PLAT_FaultClear();
  for (IDirectDrawSurface* s : povrchy_) s->Release();
  for (const std::string& z : zdroje_) PLAT_ResourceRemove(z.c_str(), RT_BITMAP);
  if (dd) dd->Release();
  const std::string prikaz = "rm -rf '" + adresar + "'";
  if (!adresar.empty() && std::system(prikaz.c_str()) != 0) ADD_FAILURE() << "cannot remove " << adresar;
  PLAT_Shutdown();
}

IDirectDrawSurface* ToolkitTest::Povrch(int w, int h, uint16_t farba) {
  IDirectDrawSurface* s = DDVytvor_povrch(dd, w, h);
  EXPECT_NE(nullptr, s);
  if (!s) return nullptr;
  povrchy_.push_back(s);
  DDBLTFX fx = {};
  fx.dwSize = sizeof(fx);
  fx.dwFillColor = farba;
  s->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
  return s;
}

void ToolkitTest::Uvolni_potom(IDirectDrawSurface* s) {
  if (s) povrchy_.push_back(s);
}

std::string ToolkitTest::Subor(const std::string& meno, const TRgbPicture& pic) {
  const std::string cesta = adresar + "/" + meno;
  EXPECT_TRUE(BMP24_Zapis(pic, cesta.c_str()));
  return cesta;
}

std::string ToolkitTest::Subor_bajty(const std::string& meno, const std::vector<uint8_t>& data) {
  const std::string cesta = adresar + "/" + meno;
  std::ofstream f(cesta, std::ios::binary);
  f.write(reinterpret_cast<const char*>(data.data()), (std::streamsize)data.size());
  return cesta;
}

void ToolkitTest::Zdroj(const std::string& meno, const TRgbPicture& pic) {
  const std::string cesta = Subor("zdroj" + std::to_string(zdroje_.size()) + ".bmp", pic);
  std::ifstream f(cesta, std::ios::binary);
  const std::vector<char> bajty((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_GT(bajty.size(), 14u);
  PLAT_ResourceAdd(meno.c_str(), RT_BITMAP, bajty.data() + 14, bajty.size() - 14);
  zdroje_.push_back(meno);
}

void ToolkitTest::Nahraj_vzorovu(CDas_Surface* das, const std::string& meno, void (*uprav)(TRgbPicture*)) {
  TRgbPicture pic = Plachta(20, 12, {0, 11}, {0, 9, 19});
  Vzor(&pic, 1, 1, 9, 11);
  if (uprav) uprav(&pic);
  Zdroj(meno, pic);
  das->NAHRAJ_SURFACE(dd, meno.c_str());
  ASSERT_NE(nullptr, das->SURFACE);
  Uvolni_potom(das->SURFACE);
  das->BC_NASTAV(0, 0);
}

TRgbPicture Plachta(int w, int h, const std::vector<int>& riadky, const std::vector<int>& stlpce, uint8_t r,
                    uint8_t g, uint8_t b) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) pic.Set(x, y, r, g, b);
  for (int y : riadky)
    for (int x = 0; x < w; x++) pic.Set(x, y, 255, 0, 0);
  for (int x : stlpce)
    for (int y = 0; y < h; y++) pic.Set(x, y, 255, 0, 0);
  return pic;
}

void Vzor(TRgbPicture* pic, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; y++)
    for (int x = x0; x < x1; x++) pic->Set(x, y, 64, (uint8_t)(4 * y), (uint8_t)(8 * x));
}
