// The yardsticks of the filtered view: the exact projection in double precision with
// bilinear sampling from the 8-bit picture, and the same projection supersampled (k × k
// points a pixel, averaged) for views where a screen pixel spans many picture pixels.
#pragma once
#include <cstdint>
#include <vector>

// An 8-bit picture, R, G, B a pixel, row-major.
struct TRef_obraz {
  int sir = 0, vys = 0;
  std::vector<uint8_t> rgb;
};

// A test picture of sir × vys with detail up to the finest a picture holds: hard-edged
// squares, fine stripes, a smooth ramp and noise, its left and right columns unlike.
TRef_obraz Ref_obraz(int sir, int vys);
// Puts the picture in a store of `bajty` bytes a pixel (2: R5G6B5, rounded; 4: X8R8G8B8)
// through the loader's path, which makes the filter levels; false when the store refused it.
bool Ref_do_W(const TRef_obraz& o, int bajty);

// Store column and row (in pixels, continuous, the column in one turn) that the exact
// projection gives for screen point (xx, yy) of the current view (the point S(xx, yy) takes).
void Ref_Projekcia(double xx, double yy, double* stlpec, double* riadok);

// The whole screen (obraz_sir × obraz_vys, R, G, B a pixel, 0 … 255), every pixel from k × k
// points spread over it, each sampled bilinearly from the picture (k = 1: its node point).
std::vector<double> Ref_Filtrovany(const TRef_obraz& o, int k);

// The back buffer's pixels (either depth) as X8R8G8B8, row by row, obraz_sir × obraz_vys.
std::vector<uint32_t> Ref_Snimka();
// PSNR in dB of a screen of X8R8G8B8 pixels against a reference screen; *priemer gets the
// mean absolute error a channel.
double Ref_PSNR(const std::vector<double>& ref, const std::vector<uint32_t>& px, double* priemer = nullptr);
