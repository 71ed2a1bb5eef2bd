// Fuzzes a thumbnail of a JPEG picked by its restart markers: the marker walk on the raw bytes
// (the loader would refuse a file whose segments do not reach its end marker; here they need
// not), and for a JPEG header the decoding of what it makes, at a few thumbnail heights. The
// pixel ceiling is lowered so that no input can make a large allocation look like a finding.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image_load.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const long long strop = PLAT_SetImagePixelLimit(1 << 22);
  (void)strop;
  TImgInfo info;
  const bool jpeg = IMGL_Probe(data, size, size, &info) == IMGP_OK && info.kind == IMGK_JPEG;
  uint32_t sucet = 0;
  const TImgEmit riadok = [&sucet](int, const uint32_t* px) { return (sucet += px[15]), true; };
  for (const int h : {1, 2, 5}) {
    std::vector<uint8_t> cut;
    int vyska = 0;
    std::string why;
    IMGL_JpegRestartCut(data, size, h, &cut, &vyska);
    if (jpeg) IMGL_DecodeJpeg(data, size, info, 16, h, riadok, &why);
  }
  volatile uint32_t sink = sucet;
  (void)sink;
  return 0;
}
