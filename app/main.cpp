// Entry of the program: the arguments become one command line, as the viewer's rules
// expect it raw, and the SDL backend carries the window, the pulse and the sound.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/startup.h"
#include "platform/backend.h"

int main(int argc, char** argv) {
  std::string riadok;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) riadok += ' ';
    riadok += argv[i];
  }

  TPlatOptions volby;
  const char* tiche = std::getenv("PANO_QUIET_BOXES");
  volby.quiet_boxes = tiche != nullptr && std::strcmp(tiche, "1") == 0;
  if (!PLAT_Init(PLAT_SDL, volby)) {
    std::fprintf(stderr, "%s: displej nie je k dispozícii (no display available).\n", PANO_NAZOV);
    return 1;
  }
  const int vysledok = PANO_WinMain(riadok.c_str(), SW_SHOW);
  PLAT_Shutdown();
  return vysledok;
}
