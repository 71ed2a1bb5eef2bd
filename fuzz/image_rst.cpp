// Fuzzes a thumbnail of a JPEG picked by its restart markers: the marker walk on the raw bytes
// (the loader would refuse a file whose segments do not reach its end marker; here they need
// not), then the decoding of what it makes at a few thumbnail heights. The pixel ceiling is
// lowered so that no input can make a large allocation look like a finding.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image_load.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const long long strop = PLAT_SetImagePixelLimit(1 << 22);
  (void)strop;
  TImgInfo info;
  const bool jpeg = IMGL_Probe(data, size, size, &info) == IMGP_OK && info.kind == IMGK_JPEG;
  for (const int h : {1, 2, 5}) {
    std::vector<uint8_t> cut;
    int vyska = 0;
    IMGL_JpegRestartCut(data, size, h, &cut, &vyska);
    std::string why;
    uint32_t sucet = 0;
    if (jpeg)
      IMGL_DecodeJpeg(
          data, size, info, 16, h, [&sucet](int, const uint32_t* row) { return (sucet += row[15]), true; }, &why);
    volatile uint32_t sink = sucet;
    (void)sink;
  }
  return 0;
}
