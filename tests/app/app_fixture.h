// A started viewer on the memory backend, in a temporary folder of small generated
// panoramas; messages straight to the window procedure, and what reached the screen.
#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "platform/user32.h"
#include "tests/bmpfiles/temp_folder.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes panoramas "pano_1.bmp" … "pano_<n>.bmp" of sir × vys, each of its own colours.
  void Panoramy(int n, int sir = 200, int vys = 100);
  // Parses the command line and runs start-up; the result of Inicializuj.
  int Spusti(const char* riadok = "");
  // One panorama on a memory desktop of sir × vys, then Spusti(riadok).
  int SpustiNaPloche(int sir, int vys, const char* riadok = "");

  LRESULT Posli(UINT msg, WPARAM w = 0, LPARAM l = 0);
  void Klaves(WPARAM kod) { Posli(WM_KEYDOWN, kod, 0); }
  void Pohyb(int x, int y) { Posli(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  void Dole(int x, int y) { Posli(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y)); }
  void Hore(int x, int y) { Posli(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  void Klik(int x, int y) {
    Pohyb(x, y);
    Dole(x, y);
    Hore(x, y);
  }
  // Clicks the middle of button i.
  void KlikTlacidlo(int i);

  // Draws the scene of the last frame (its view and open panels) into the back buffer
  // afresh: the screen shows it under the overlays.
  static void Scena();
  // True when the screen differs from that scene somewhere in the rectangle.
  static bool Prekryte(int x0, int y0, int x1, int y1);
  // Fills the back buffer with one value, to tell whether the next frame rendered.
  static void ZaplnZadny(uint16_t farba);
  static bool ZadnyZaplneny(uint16_t farba);

  static std::string Teraz() {
    char c[4096];
    return getcwd(c, sizeof c) != nullptr ? c : "";
  }
  std::string stary_priecinok_ = Teraz();  // the folder the test was started in
  TTempFolder tmp_;                        // the current folder while the test runs
  std::string priecinok_;
};
