// Yardsticks of the filtered view: the exact projection, sampled bilinearly once or k × k times.
#pragma once
#include <cstdint>
#include <vector>

// An 8-bit picture, R, G, B a pixel, row-major.
struct TRef_obraz {
  int sir = 0, vys = 0;
  std::vector<uint8_t> rgb;
};

// Squares, stripes up to the finest a picture holds, a ramp, noise; left and right columns unlike.
TRef_obraz Ref_obraz(int sir, int vys);
// Into a store of `bajty` bytes a pixel through the loader's path (which makes the levels).
bool Ref_do_W(const TRef_obraz& o, int bajty);
// The whole screen, R, G, B a pixel (0 … 255), each pixel the mean of k × k exact samples.
std::vector<double> Ref_Filtrovany(const TRef_obraz& o, int k);
// The back buffer as X8R8G8B8, row by row.
std::vector<uint32_t> Ref_Snimka();
// PSNR (dB) of a screen against a reference; *priemer gets the mean absolute error a channel.
double Ref_PSNR(const std::vector<double>& ref, const std::vector<uint32_t>& px, double* priemer = nullptr);
