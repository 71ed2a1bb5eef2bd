// A started viewer on the memory backend, in a temporary folder of small generated
// panoramas; helpers to feed it messages and to look at what reached the screen.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/user32.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes n panoramas "pano_1.bmp" … of sir × vys (each a different colour ramp).
  void Panoramy(int n, int sir = 200, int vys = 100);
  // Parses the command line and runs start-up; the result of Inicializuj.
  int Spusti(const char* riadok = "");

  // Messages straight to the window procedure.
  LRESULT Posli(UINT msg, WPARAM w = 0, LPARAM l = 0);
  void Klaves(WPARAM kod);
  void Pohyb(int x, int y);
  void Dole(int x, int y);
  void Hore(int x, int y);
  // Move onto (x, y), press and release there.
  void Klik(int x, int y);
  // Clicks the middle of button i.
  void KlikTlacidlo(int i);

  // True when the screen differs from the back buffer somewhere in the rectangle
  // (an overlay was drawn there).
  static bool Prekryte(int x0, int y0, int x1, int y1);
  // Fills the back buffer with one value, to tell whether the next frame rendered.
  static void ZaplnZadny(uint16_t farba);
  static bool ZadnyZaplneny(uint16_t farba);

  std::string stary_priecinok_;
  std::string priecinok_;
};
