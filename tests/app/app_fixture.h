// A started viewer on the memory backend in a temporary folder of small generated panoramas;
// messages straight to the window procedure, and what reached the screen.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

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
#include "tests/platform_gfx/gfx_fixture.h"

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Znova() { TearDown(), SetUp(); }  // between the rows of a table that each start the viewer

  // A picture file of sir × vys in shades of red and green over this blue.
  static void Obrazok(const std::string& meno, int sir = 40, int vys = 20, int modra = 60);
  // Panoramas "pano_1.bmp" … "pano_<n>.bmp", each of its own colours.
  static void Panoramy(int n, int sir = 200, int vys = 100) {
    for (int i = 1; i <= n; ++i) Obrazok("pano_" + std::to_string(i) + ".bmp", sir, vys, i * 40);
  }
  // The command line parsed and start-up run; 1 when it succeeded.
  static int Spusti(const char* r = "") {
    return Rozober_prikazovy_riadok(r), Inicializuj(GetModuleHandleA(nullptr), SW_SHOW);
  }
  // One panorama on a desktop of sir × vys, started with the list closed.
  static int Spusti1(const char* riadok = "", int sir = 800, int vys = 600);

  static LRESULT Posli(UINT msg, WPARAM w = 0, LPARAM l = 0) { return WindowProc(hWnd_GLOB, msg, w, l); }
  static void Klaves(WPARAM kod) { Posli(WM_KEYDOWN, kod); }
  static void Pohyb(int x, int y) { Posli(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
  static void Dole(int x, int y) { Posli(WM_LBUTTONDOWN, 1, MAKELPARAM(x, y)); }
  static void Hore(int x, int y) { Posli(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }
  static void Klik(int x, int y) { Pohyb(x, y), Dole(x, y), Hore(x, y); }
  static void KlikTlacidlo(int i);  // the middle of button i
  // Clicks the middle of the open panel's shown item with this ID; the panel closes.
  static void Zvol(const CDUI& panel, int id);

  // Whether the screen differs in the rectangle from the last frame's view and panels drawn afresh.
  static bool Prekryte(int x0, int y0, int x1, int y1);
  static std::vector<uint32_t> Pixely(const IDirectDrawSurface* s);
  // Whether a frame was drawn since the back buffer was filled with this value.
  static void ZaplnZadny(uint32_t farba) { GfxTest::FillAll(lpDDSBack, farba); }
  static bool ZadnyZaplneny(uint32_t farba) {
    const std::vector<uint32_t> p = Pixely(lpDDSBack);
    return p == std::vector<uint32_t>(p.size(), farba);
  }

  TTempFolder tmp_;  // the current folder while the test runs
};
