// Shared set-up of the toolkit tests: the memory backend, a DirectDraw object, an 800 × 600
// screen, and small pictures made on the spot as bitmap resources or files.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/ddraw.h"
#include "toolkit/das_surface.h"
#include "tools/bmp24.h"

const uint16_t CERVENA_565 = 0xF800;
const uint16_t TYRKYS_565 = 0x07FF;

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // An off-screen surface filled with one raw value; released at the end of the test.
  IDirectDrawSurface* Povrch(int w, int h, uint16_t farba);
  // The picture as a bitmap resource of the program (as Windows keeps it: no file header).
  void Zdroj(const std::string& meno, const TRgbPicture& pic);
  // The picture as a BMP file in the test's own folder; returns its path.
  std::string Subor(const std::string& meno, const TRgbPicture& pic);
  // Raw bytes as a file in the test's own folder; returns its path.
  std::string Subor_bajty(const std::string& meno, const std::vector<uint8_t>& data);
  // The 20 × 12 sheet: red lines in rows 0 and 11 and columns 0, 9 and 19, the left phase
  // (FAZA_VZOR) patterned by Vzor; `uprav` may change pixels before it is loaded into `das`,
  // whose border colour is then read at (0, 0).
  void Nahraj_vzorovu(CDas_Surface* das, const std::string& meno, void (*uprav)(TRgbPicture*) = nullptr);
  // Releases a surface made by the code under test when the test ends.
  void Uvolni_potom(IDirectDrawSurface* s);

  static uint16_t Px(const IDirectDrawSurface* s, int x, int y) { return s->PLAT_Row(y)[x]; }

  IDirectDraw* dd = nullptr;
  std::string adresar;

 private:
  std::vector<IDirectDrawSurface*> povrchy_;
  std::vector<std::string> zdroje_;
};

// A sheet of the given fill with red lines along the given rows and columns.
TRgbPicture Plachta(int w, int h, const std::vector<int>& riadky, const std::vector<int>& stlpce, uint8_t r = 40,
                    uint8_t g = 80, uint8_t b = 120);
const TFAZA FAZA_VZOR = {1, 1, 9, 11, 9, 11};  // 8 × 10 drawn

// Every column of the rectangle a colour of its own (column x gets blue 8·x, green 4·y… kept
// away from both key colours), so that a drawn pixel tells which sheet pixel it came from.
void Vzor(TRgbPicture* pic, int x0, int y0, int x1, int y1);
// The raw pixel Vzor gives sheet pixel (x, y).
inline uint16_t Vzor565(int x, int y) { return PLAT_Pack565(64, (uint8_t)(4 * y), (uint8_t)(8 * x)); }
