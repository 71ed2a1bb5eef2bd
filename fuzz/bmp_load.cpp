// Fuzzes picture loading: the bytes as a file and as a bitmap resource, through the header
// probe, the full load and the scaler. The pixel ceiling is lowered so that no input can
// make a large allocation look like a finding.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/backend.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/user32.h"

namespace {
const std::string& TempPath() {
  static const std::string path = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                  std::string("/fuzz_bmp_load_") + std::to_string((long)getpid());
  return path;
}

// Reads every pixel: ASan reports any that the loader did not really give.
void Use(HANDLE h) {
  HBITMAP bm = static_cast<HBITMAP>(h);
  if (!bm) return;
  uint32_t sum = 0;
  for (uint32_t p : bm->px) sum += p;
  volatile uint32_t sink = sum + (uint32_t)(bm->width * bm->height);
  (void)sink;
  DeleteObject(bm);
}

void Load(HINSTANCE module, const char* name, UINT flags, int cx, int cy) {
  int w = 0, h = 0;
  PLAT_ImageSize(module, name, flags, &w, &h);
  Use(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, flags));
  Use(LoadImageA(module, name, IMAGE_BITMAP, cx, cy, flags));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    PLAT_SetImagePixelLimit(1 << 22);
    return true;
  }();
  (void)ready;
  const int cx = 1 + (int)(size % 37), cy = 1 + (int)(size % 23);
  FILE* f = std::fopen(TempPath().c_str(), "wb");
  if (f) {
    if (size) std::fwrite(data, 1, size, f);
    std::fclose(f);
    Load(nullptr, TempPath().c_str(), LR_LOADFROMFILE, cx, cy);
    std::remove(TempPath().c_str());
  }
  // A bitmap resource is the file without its 14-byte header.
  const size_t skip = size >= 14 ? 14 : 0;
  PLAT_ResourceAdd("FUZZ", RT_BITMAP, data + skip, size - skip);
  Load(GetModuleHandleA(nullptr), "FUZZ", 0, cx, cy);
  PLAT_ResourceRemove("FUZZ", RT_BITMAP);
  return 0;
}
