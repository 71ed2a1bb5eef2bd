// A started viewer on the memory backend (with every app header the tests use), in a temporary folder of small
// generated panoramas; messages straight to the window procedure, and what reached the screen.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <tuple>

#include "app/app.h"
#include "app/input.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/pulse.h"
#include "app/scene.h"
#include "app/startup.h"
#include "app/ui.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "tests/common/temp_folder.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Znova() { TearDown(), SetUp(); }  // between the rows of a table that each start the viewer

  // A picture file of sir × vys in shades of red and green over this blue.
  static void Obrazok(const std::string& meno, int sir = 40, int vys = 20, int modra = 60);
  // Writes panoramas "pano_1.bmp" … "pano_<n>.bmp" of sir × vys, each of its own colours.
  static void Panoramy(int n, int sir = 200, int vys = 100) {
    for (int i = 1; i <= n; ++i) Obrazok("pano_" + std::to_string(i) + ".bmp", sir, vys, i * 40);
  }
  // Parses the command line and runs start-up; the result of Inicializuj.
  static int Spusti(const char* r = "") {
    Rozober_prikazovy_riadok(r);
    return Inicializuj(GetModuleHandleA(nullptr), SW_SHOW);
  }
  // One panorama on a memory desktop of sir × vys, then Spusti(riadok).
  int SpustiNaPloche(int sir, int vys, const char* riadok = "");

  static LRESULT Posli(UINT msg, WPARAM w = 0, LPARAM l = 0) { return WindowProc(hWnd_GLOB, msg, w, l); }
  static void Pulz(DWORD ms) { PLAT_AdvanceTime(ms), (void)Posli(WM_TIMER, 1); }  // the clock moved, then a pulse
  void Klaves(WPARAM kod) { Posli(WM_KEYDOWN, kod, 0); }
  void Pohyb(int x, int y) { Posli(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  void Dole(int x, int y) { Posli(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y)); }
  void Hore(int x, int y) { Posli(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  void Klik(int x, int y) { Pohyb(x, y), Dole(x, y), Hore(x, y); }
  void KlikTlacidlo(int i);  // the middle of button i
  // Clicks the middle of the open panel's shown item with this ID; the panel closes.
  void Zvol(const CDUI& panel, int id);

  // Draws the scene of the last frame (its view and open panels) into the back buffer
  // afresh: the screen shows it under the overlays.
  static void Scena() { Sito_Vykresli(), Poloz_panely(); }
  // True when the screen differs from that scene somewhere in the rectangle.
  static bool Prekryte(int x0, int y0, int x1, int y1);
  // Fills the back buffer with one value, to tell whether the next frame rendered.
  static void ZaplnZadny(uint16_t farba);
  static bool ZadnyZaplneny(uint16_t farba);

  TTempFolder tmp_;  // the current folder while the test runs
  std::string priecinok_;
};
