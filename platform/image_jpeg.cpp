// JPEG through libjpeg: every picture decoded once, at the smallest of libjpeg's scales (n/8) not
// below the size asked for, in bands of rows (or, at its own size, straight into the caller's rows);
// four-channel ones (CMYK, YCCK) as CMYK turned into RGB. A small picture of one with restart markers
// is decoded from only the rows it samples.
#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

#include "platform/image_load.h"

namespace {

const int kBand = 16;  // output rows decoded at a time
// Bytes a pixel of the ceiling the coefficients of a picture of several scans may take: a
// 16384 × 8192 progressive photo with halved colour (1.5 samples a pixel) still loads.
const int kKoeficientBajty = 3;

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
// Each channel is the light the ink lets through times what black lets through. In place:
// pixel x's word replaces its own four bytes.
void Cmyk_na_rgb(uint8_t* px, int w, bool adobe) {
  for (int x = 0; x < w; ++x, px += 4) {
    unsigned c = px[0], m = px[1], y = px[2], k = px[3];
    if (!adobe) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    const uint32_t rgb = (((c * k + 127) / 255) << 16) | (((m * k + 127) / 255) << 8) | ((y * k + 127) / 255);
    std::memcpy(px, &rgb, 4);
  }
}

// libjpeg reports a failure by a long jump. Each call into it is made from a function of its own
// that holds nothing to destroy, and the jump lands there: nothing of ours is skipped over.
struct TJpeg {
  jpeg_decompress_struct d;
  TJpegChyba e;
  bool created = false;
};

// A JPEG of several scans (progressive) keeps every coefficient, 2 bytes each, until its last scan;
// one of a single scan only a band of them.
unsigned long long Koeficienty(const jpeg_decompress_struct& d) {
  if (!d.progressive_mode && d.comps_in_scan == d.num_components) return 0;
  unsigned long long n = 0;
  for (int c = 0; c < d.num_components; c++)
    n += (unsigned long long)d.comp_info[c].width_in_blocks * d.comp_info[c].height_in_blocks * DCTSIZE2 * 2;
  return n;
}

// The header read and the output set up: BGRX words (CMYK for four channels) at the smallest
// scale n/8 whose size is at least w × h.
bool Zacni(TJpeg* j, const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h) {
  if (setjmp(j->e.skok)) return false;
  jpeg_create_decompress(&j->d);
  j->created = true;
  jpeg_mem_src(&j->d, bytes, (unsigned long)size);
  jpeg_read_header(&j->d, TRUE);
  if ((int)j->d.image_width != info.width || (int)j->d.image_height != info.height) {
    std::snprintf(j->e.text, sizeof j->e.text, "decoded size differs from the header");
    return false;
  }
  if (Koeficienty(j->d) > (unsigned long long)IMGL_PixelLimit() * kKoeficientBajty) {
    std::snprintf(j->e.text, sizeof j->e.text, "its scans would hold too much memory");
    return false;
  }
  const bool cmyk = j->d.jpeg_color_space == JCS_CMYK || j->d.jpeg_color_space == JCS_YCCK;
  j->d.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
  j->d.scale_denom = 8;
  for (j->d.scale_num = 1; j->d.scale_num < 8; j->d.scale_num++) {
    jpeg_calc_output_dimensions(&j->d);
    if ((int)j->d.output_width >= w && (int)j->d.output_height >= h) break;
  }
  jpeg_start_decompress(&j->d);
  return j->d.output_components == 4;
}

// Up to n rows into rows[0 … n − 1]; how many (0 on failure).
int Pas(TJpeg* j, JSAMPROW* rows, int n) {
  if (setjmp(j->e.skok)) return 0;
  int got = 0;
  while (got < n && j->d.output_scanline < j->d.output_height) {
    const int r = (int)jpeg_read_scanlines(&j->d, rows + got, (JDIMENSION)(n - got));
    if (r == 0) return 0;  // no more data: cannot happen with a whole picture in memory
    got += r;
  }
  return got;
}

bool Dokonci(TJpeg* j) {
  if (setjmp(j->e.skok)) return false;
  jpeg_finish_decompress(&j->d);
  return true;
}

// Rows y … y + n − 1 (n ≤ kBand) decoded into rows[], each where `place` puts it, else into
// the band; how many.
int Pas_riadkov(TJpeg* j, int y, int n, uint8_t* band, size_t stride, const TImgPlace& place, JSAMPROW* rows) {
  for (int i = 0; i < n; i++) {
    uint32_t* p = place ? place(y + i) : nullptr;
    rows[i] = p ? reinterpret_cast<JSAMPROW>(p) : band + (size_t)i * stride;
  }
  return Pas(j, rows, n);
}

bool Riadky(TJpeg* j, int w, int h, const TImgEmit& out, const TImgPlace& place) {
  const int sw = (int)j->d.output_width, sh = (int)j->d.output_height;
  const size_t stride = (size_t)sw * 4;
  std::unique_ptr<uint8_t[]> band(new uint8_t[stride * kBand + 4]);  // slack: the last pixel reads as a word
  const bool cmyk = j->d.out_color_space == JCS_CMYK, adobe = j->d.saw_Adobe_marker != 0;
  JSAMPROW rows[kBand];
  // Rows of the picture's own size, not CMYK, straight to their places: nothing copied after.
  if (place && !cmyk && sw == w && sh == h) {
    for (int y = 0; y < sh;) {
      const int n = std::min(kBand, sh - y);
      if (Pas_riadkov(j, y, n, band.get(), stride, place, rows) != n) return false;
      for (int i = 0; i < n; i++, y++)
        if (!out(y, reinterpret_cast<const uint32_t*>(rows[i]))) return false;
    }
    return Dokonci(j);
  }
  int first = 0, count = 0;
  const auto row = [&](int y) {
    if (y >= first + count) {
      first = y;
      count = Pas_riadkov(j, y, std::min(kBand, sh - y), band.get(), stride, nullptr, rows);
      for (int i = 0; cmyk && i < count; i++) Cmyk_na_rgb(rows[i], sw, adobe);
      if (y >= first + count) return TImgRow{nullptr, 4};
    }
    return TImgRow{rows[y - first], 4};
  };
  return IMGL_Rows(sw, sh, row, w, h, out) && Dokonci(j);
}

}  // namespace

bool IMGL_DecodeJpeg(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                     std::string* why, const TImgPlace& place) {
  std::unique_ptr<TJpeg> j(new (std::nothrow) TJpeg());
  if (!j) {
    *why = "out of memory";
    return false;
  }
  j->d.err = jpeg_std_error(&j->e.spolocna);
  j->e.spolocna.error_exit = Koniec_chybou;
  j->e.spolocna.output_message = Ticho;
  j->e.text[0] = '\0';
  std::vector<uint8_t> cut;
  TImgInfo decoded = info;  // the rows a small picture needs, when restart markers let them be cut out
  if (IMGL_JpegRestartCut(bytes, size, h, &cut, &decoded.height)) {
    bytes = cut.data();
    size = cut.size();
  }
  bool ok = Zacni(j.get(), bytes, size, decoded, w, h);
  try {
    ok = ok && Riadky(j.get(), w, h, out, place);
  } catch (const std::bad_alloc&) {
    std::snprintf(j->e.text, sizeof j->e.text, "out of memory");
    ok = false;
  }
  if (!ok) *why = j->e.text[0] ? j->e.text : "the picture was not decoded";
  if (j->created) jpeg_destroy_decompress(&j->d);
  return ok;
}
