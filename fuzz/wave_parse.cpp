// Fuzzes the wave resource parser, and a wave that parses all the way through loading,
// playing and mixing on the fake device.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/backend.h"
#include "platform/dsound.h"
#include "platform/resources.h"
#include "sound/dso.h"
#include "sound/wave.h"

namespace {
// Reads every byte the parser points at: ASan reports any that lie outside the input.
unsigned Touch(const BYTE* p, size_t n) {
  unsigned sum = 0;
  for (size_t i = 0; i < n; i++) sum += p[i];
  return sum;
}

void ParseEveryWay(const uint8_t* data, size_t size) {
  const WAVEFORMATEX* fmt = nullptr;
  const BYTE* samples = nullptr;
  DWORD n = 0;
  DWORD fmt_len = 0;
  if (DSParseWaveResource(data, size, &fmt, &samples, &n, &fmt_len)) {
    volatile unsigned sink = Touch(reinterpret_cast<const BYTE*>(fmt), fmt_len) + Touch(samples, n);
    (void)sink;
  }
  DSParseWaveResource(data, size, nullptr, &samples, &n);
  DSParseWaveResource(data, size, &fmt, nullptr, nullptr);
  DSParseWaveResource(data, size, nullptr, nullptr, &n);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = [] {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    PLAT_AudioFakeDevice(true, 44100, 2);
    return DSO_INIT(nullptr) == 1;
  }();
  ParseEveryWay(data, size);
  const size_t kMaxPlayed = 1 << 16;  // keeps each run short
  if (!ready || size > kMaxPlayed) return 0;
  PLAT_ResourceAdd("FUZZ", RT_WAVE, data, size);
  CDSO_Zvuk zvuk;
  if (zvuk.NAHRAJ("FUZZ") && zvuk.SPUSTI()) {
    std::vector<int16_t> out(2 * 512);
    PLAT_AudioMix(out.data(), 512);
  }
  PLAT_ResourceRemove("FUZZ", RT_WAVE);
  return 0;
}
