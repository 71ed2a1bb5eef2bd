// JPEG through libjpeg: four-channel pictures (CMYK, YCCK) as CMYK rows turned into RGB.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/image_load.h"

namespace {

struct TJpegChyba {
  jpeg_error_mgr spolocna;
  std::jmp_buf skok;
  char text[JMSG_LENGTH_MAX];
};

void Koniec_chybou(j_common_ptr c) {
  TJpegChyba* e = reinterpret_cast<TJpegChyba*>(c->err);
  (*c->err->format_message)(c, e->text);
  std::longjmp(e->skok, 1);
}

void Ticho(j_common_ptr) {}  // warnings about damaged data go nowhere: the caller decides

// Adobe's CMYK is stored inverted (255 = no ink); without its marker the values are ink.
// Either way each channel is the light the ink lets through times what black lets through.
void Cmyk_na_rgb(const JSAMPLE* in, int w, bool adobe, uint32_t* out) {
  for (int x = 0; x < w; ++x, in += 4) {
    unsigned c = in[0], m = in[1], y = in[2], k = in[3];
    if (!adobe) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    const unsigned r = (c * k + 127) / 255, g = (m * k + 127) / 255, b = (y * k + 127) / 255;
    out[x] = (r << 16) | (g << 8) | b;
  }
}

}  // namespace

bool IMGL_JpegByLibjpeg(const TImgInfo& info) { return info.kind == IMGK_JPEG && info.components == 4; }

TGdiBitmap* IMGL_DecodeJpeg(const uint8_t* bytes, size_t size, const TImgInfo& info, std::string* why) {
  // Made whole before the jump point, so that a jump back finds it as it was.
  TGdiBitmap* const bm = new TGdiBitmap();
  bm->width = info.width;
  bm->height = info.height;
  bm->bits = info.bits;
  try {
    bm->px.assign((size_t)info.width * (size_t)info.height, 0);
  } catch (const std::bad_alloc&) {
    *why = "out of memory";
    delete bm;
    return nullptr;
  }
  jpeg_decompress_struct d;
  TJpegChyba e;
  d.err = jpeg_std_error(&e.spolocna);
  e.spolocna.error_exit = Koniec_chybou;
  e.spolocna.output_message = Ticho;
  if (setjmp(e.skok)) {
    jpeg_destroy_decompress(&d);
    *why = e.text;
    delete bm;
    return nullptr;
  }
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, bytes, (unsigned long)size);
  jpeg_read_header(&d, TRUE);
  if (d.jpeg_color_space != JCS_CMYK && d.jpeg_color_space != JCS_YCCK) ERREXIT(&d, JERR_CONVERSION_NOTIMPL);
  d.out_color_space = JCS_CMYK;
  jpeg_start_decompress(&d);
  if ((int)d.output_width != info.width || (int)d.output_height != info.height || d.output_components != 4)
    ERREXIT(&d, JERR_CONVERSION_NOTIMPL);
  JSAMPARRAY riadok = (*d.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d), JPOOL_IMAGE, d.output_width * 4, 1);
  while (d.output_scanline < d.output_height) {
    uint32_t* ciel = bm->px.data() + (size_t)d.output_scanline * (size_t)info.width;
    jpeg_read_scanlines(&d, riadok, 1);
    Cmyk_na_rgb(riadok[0], info.width, d.saw_Adobe_marker != 0, ciel);
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  return bm;
}
