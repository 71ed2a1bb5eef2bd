// Entry of the program: the arguments become one command line, as the viewer's rules
// expect it raw, and the SDL backend carries the window, the pulse and the sound.
// "--window" (a window instead of the full screen) and "--mute" (no sound device) are
// the entry's own and do not reach the command line.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <SDL2/SDL.h>

#include "app/startup.h"
#include "platform/backend.h"

namespace {

// Without a display SDL falls back to a driver that shows nothing; the viewer would run
// unseen. Such a driver counts only when it was asked for by name.
bool displej_viditelny() {
  const char* ovladac = SDL_GetCurrentVideoDriver();
  if (ovladac == nullptr) return false;
  if (std::strcmp(ovladac, "offscreen") != 0 && std::strcmp(ovladac, "dummy") != 0) return true;
  const char* ziadany = std::getenv("SDL_VIDEODRIVER");
  return ziadany != nullptr && std::strcmp(ziadany, ovladac) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  TPlatOptions volby;
  std::string riadok;
  int slov = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--window") == 0) {
      volby.window = true;
    } else if (std::strcmp(argv[i], "--mute") == 0) {
      volby.mute = true;
    } else {
      if (slov++ > 0) riadok += ' ';
      riadok += argv[i];
    }
  }

  const char* tiche = std::getenv("PANO_QUIET_BOXES");
  volby.quiet_boxes = tiche != nullptr && std::strcmp(tiche, "1") == 0;
  if (!PLAT_Init(PLAT_SDL, volby) || !displej_viditelny()) {
    PLAT_Shutdown();
    std::fprintf(stderr, "%s: displej nie je k dispozícii (no display available).\n", PANO_NAZOV);
    return 1;
  }
  const int vysledok = PANO_WinMain(riadok.c_str(), SW_SHOW);
  PLAT_Shutdown();
  return vysledok;
}
