// Fuzzes loading a panorama file into the store: the header probe, the BMP, PNG and JPEG
// decoders, the GPano cropped area of a JPEG, the placement of a partial panorama and the
// copy into the store, then one frame drawn from it. The pixel ceiling is lowered so that
// no input can make a large allocation look like a finding.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/gdi.h"
#include "platform/image_gpano.h"
#include "toolkit/ddutil.h"

namespace {
const std::string& TempPath() {
  static const std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  std::string("/fuzz_image_load_") + std::to_string((long)getpid());
  return path;
}

bool Displej() {
  PLAT_Init(PLAT_MEMORY, TPlatOptions());
  PLAT_SetImagePixelLimit(1 << 22);
  if (DirectDrawCreate(nullptr, &lpDD, nullptr) != DD_OK || lpDD->SetDisplayMode(320, 240, 32) != DD_OK) return false;
  lpDDSBack = DDVytvor_povrch(lpDD, 320, 240);
  if (lpDDSBack == nullptr) return false;
  MAXX = obraz_sir = 320;
  MAXY = obraz_vys = 240;
  SX = 160;
  SY = 120;
  D_start = 160;
  return Reset_Sito(10, 10) == 1;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = Displej();
  if (!ready) return 0;
  TGPano g;
  PLAT_GPano_zBajtov(data, size, &g);
  FILE* f = std::fopen(TempPath().c_str(), "wb");
  if (!f) return 0;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
  Nahraj_PANORAMU(TempPath().c_str(), 0);
  std::remove(TempPath().c_str());
  // Looking straight up and down and across the seam reaches the store's every edge.
  for (const float pitch : {pi_pol_m, 0.0f, -pi_pol_m}) {
    PITCH = pitch;
    YAW = pitch == 0 ? 0.01f : pi;
    Sito_Vykresli();
  }
  return 0;
}
