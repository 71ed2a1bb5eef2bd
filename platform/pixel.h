// The two pixel formats a surface can have and how a colour goes into and out of each.
// 16 bits: R5G6B5, channels widened to 8 bits by bit replication.
// 32 bits: X8R8G8B8 in a little-endian word (bytes B, G, R, X); the top byte is no colour:
// written 0 here, ignored wherever pixels are compared (a decoder may leave 0xFF in it).
#pragma once
#include <cstdint>

inline uint16_t PLAT_Pack565(uint8_t r, uint8_t g, uint8_t b) {
  return (uint16_t)(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
inline void PLAT_Unpack565(uint16_t p, uint8_t* r, uint8_t* g, uint8_t* b) {
  const unsigned r5 = (p >> 11) & 31, g6 = (p >> 5) & 63, b5 = p & 31;
  *r = (uint8_t)((r5 << 3) | (r5 >> 2));
  *g = (uint8_t)((g6 << 2) | (g6 >> 4));
  *b = (uint8_t)((b5 << 3) | (b5 >> 2));
}
inline uint32_t PLAT_Pack8888(uint8_t r, uint8_t g, uint8_t b) {
  return ((uint32_t)r << 16) | ((uint32_t)g << 8) | b;
}
inline void PLAT_Unpack8888(uint32_t p, uint8_t* r, uint8_t* g, uint8_t* b) {
  *r = (uint8_t)(p >> 16);
  *g = (uint8_t)(p >> 8);
  *b = (uint8_t)p;
}

// Bytes of one pixel of `bits` bits (a surface's dwRGBBitCount: 16 or 32).
inline int PLAT_BytesPerPixel(unsigned bits) { return (int)(bits / 8); }

// Per-format building blocks for loops that run over whole rows: one instance per format,
// so that such a loop is written once and compiled tight for each.
struct TPlatPix16 {
  typedef uint16_t T;
  static const int kBits = 16;
  static const uint32_t kColour = 0xFFFF;  // the bits that are colour
  static T Pack(uint8_t r, uint8_t g, uint8_t b) { return PLAT_Pack565(r, g, b); }
  static void Unpack(T p, uint8_t* r, uint8_t* g, uint8_t* b) { PLAT_Unpack565(p, r, g, b); }
  // s over d with alpha 0 … 255, channel by channel at the format's own precision.
  static T Blend(T s, T d, int a) {
    const int ia = 255 - a;
    const int r = (((s >> 11) & 31) * a + ((d >> 11) & 31) * ia + 127) / 255;
    const int g = (((s >> 5) & 63) * a + ((d >> 5) & 63) * ia + 127) / 255;
    const int b = ((s & 31) * a + (d & 31) * ia + 127) / 255;
    return (T)((r << 11) | (g << 5) | b);
  }
};

struct TPlatPix32 {
  typedef uint32_t T;
  static const int kBits = 32;
  static const uint32_t kColour = 0xFFFFFF;
  static T Pack(uint8_t r, uint8_t g, uint8_t b) { return PLAT_Pack8888(r, g, b); }
  static void Unpack(T p, uint8_t* r, uint8_t* g, uint8_t* b) { PLAT_Unpack8888(p, r, g, b); }
  static T Blend(T s, T d, int a) {
    const int ia = 255 - a;
    T out = 0;
    for (int sh = 0; sh < 24; sh += 8)
      out |= (T)(((int)((s >> sh) & 255) * a + (int)((d >> sh) & 255) * ia + 127) / 255) << sh;
    return out;
  }
};

// Runs f(P()) with P the format of `bits` (32: TPlatPix32, else TPlatPix16), so that a loop
// over pixels is written once and compiled for each format.
template <class F>
inline void PLAT_PerFormat(unsigned bits, F&& f) {
  if (bits == 32)
    f(TPlatPix32());
  else
    f(TPlatPix16());
}

// The same colour: what a colour key compares.
template <class P>
inline bool PLAT_SameColour(typename P::T a, typename P::T b) {
  return ((a ^ b) & P::kColour) == 0;
}

// A pixel of format S as format D: as it is when both are one format.
template <class D, class S>
inline typename D::T PLAT_Take(typename S::T p) {
  if (D::kBits == S::kBits) return (typename D::T)p;
  uint8_t r, g, b;
  S::Unpack(p, &r, &g, &b);
  return D::Pack(r, g, b);
}

// One pixel of either format (bits 16 or 32), for the paths that are not a hot loop.
inline uint32_t PLAT_Pack(int bits, uint8_t r, uint8_t g, uint8_t b) {
  return bits == 32 ? PLAT_Pack8888(r, g, b) : PLAT_Pack565(r, g, b);
}
inline void PLAT_Unpack(int bits, uint32_t p, uint8_t* r, uint8_t* g, uint8_t* b) {
  if (bits == 32)
    PLAT_Unpack8888(p, r, g, b);
  else
    PLAT_Unpack565((uint16_t)p, r, g, b);
}
// A pixel of one format as the nearest of the other (a 32-bit colour reduced to 5-6-5 and back).
inline uint32_t PLAT_Convert(int to_bits, int from_bits, uint32_t p) {
  if (to_bits == from_bits) return p;
  uint8_t r, g, b;
  PLAT_Unpack(from_bits, p, &r, &g, &b);
  return PLAT_Pack(to_bits, r, g, b);
}
