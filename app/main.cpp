// Entry of the program: the desktop options and a file or folder path are taken out of
// the arguments (app/volby.h), the rest become one command line as the viewer's rules
// expect it raw, and the SDL backend carries the window, the pulse and the sound.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/ostrost.h"
#include "app/startup.h"
#include "app/volby.h"
#include "platform/backend.h"

int main(int argc, char** argv) {
  TVolby volby;
  const int koniec = PANO_Rozober_volby(argc, argv, &volby, stdout, stderr);
  if (koniec >= 0) return koniec;
  // A folder that cannot be entered has been reported; the current one is shown instead.
  PANO_Otvor_cestu(volby, stderr);
  OST_volba = volby.filter;
  TPlatOptions& plat = volby.plat;

  const char* tiche = std::getenv("PANO_QUIET_BOXES");
  plat.quiet_boxes = tiche != nullptr && std::strcmp(tiche, "1") == 0;
  // Without a display SDL falls back to a driver that shows nothing: the viewer would run unseen.
  if (!PLAT_Init(PLAT_SDL, plat) || !PLAT_DisplayVisible()) {
    PLAT_Shutdown();
    std::fprintf(stderr, "%s: displej nie je k dispozícii (no display available).\n", PANO_NAZOV);
    return 1;
  }
  const int vysledok = PANO_WinMain(volby.riadok.c_str(), SW_SHOW);
  PLAT_Shutdown();
  return vysledok;
}
