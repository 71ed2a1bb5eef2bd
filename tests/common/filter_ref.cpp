#include "tests/common/filter_ref.h"

#include <cmath>
#include <cstdint>

#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/ddraw.h"
#include "platform/pixel.h"

TRef_obraz Ref_obraz(int sir, int vys) {
  TRef_obraz o{sir, vys, std::vector<uint8_t>((size_t)sir * vys * 3)};
  for (int y = 0; y < vys; ++y)
    for (int x = 0; x < sir; ++x) {
      uint8_t* p = &o.rgb[((size_t)y * sir + x) * 3];
      const unsigned h = ((unsigned)x * 2654435761u) ^ ((unsigned)y * 40503u);
      p[0] = (uint8_t)(((x / 5 + y / 5) & 1 ? 200 : 40) + (int)(h >> 27) - 16);
      // Stripes whose frequency grows to the finest a picture holds at its right edge.
      p[1] = (uint8_t)std::lround(128 + 100 * std::sin(M_PI * ((double)x * x + (double)y * y) / (2.0 * sir)));
      p[2] = (uint8_t)(x * 255 / (sir > 1 ? sir - 1 : 1));
    }
  return o;
}

bool Ref_do_W(const TRef_obraz& o, int bajty) {
  if (!W_priprav(o.sir, o.vys, bajty, nullptr)) return false;
  std::vector<uint32_t> riadok((size_t)o.sir);
  uint16_t* const r16 = reinterpret_cast<uint16_t*>(riadok.data());
  for (int y = 0; y < o.vys; ++y) {
    for (int x = 0; x < o.sir; ++x) {
      const uint8_t* p = &o.rgb[((size_t)y * o.sir + x) * 3];
      const auto k = [&](int i, int max) { return (uint32_t)std::lround(p[i] * max / 255.0); };
      if (bajty == 4) riadok[x] = k(0, 255) << 16 | k(1, 255) << 8 | k(2, 255);
      if (bajty == 2) r16[x] = (uint16_t)(k(0, 31) << 11 | k(1, 63) << 5 | k(2, 31));
    }
    W_zapis_riadok(y, riadok.data());
  }
  W_dokonci();
  return true;
}

namespace {

// Store column (in one turn) and row, continuous, of screen point (xx, yy) of the view.
void Ref_Projekcia(double xx, double yy, double* stlpec, double* riadok) {
  const double cy = std::cos((double)YAW), sy = std::sin((double)YAW);
  const double cp = std::cos((double)PITCH), sp = std::sin((double)PITCH);
  const double f[3] = {cy * cp, -sy * cp, sp}, r[3] = {-sy, -cy, 0}, u[3] = {-cy * sp, sy * sp, cp};
  const double dx = (xx - SX) / D, dy = (SY - yy) / D;
  // Rectilinear: a plane D from the eye; spherical: the distance from the centre is the angle.
  double kf = 1, kr = dx, ku = dy;
  if (sfer_perspekt) {
    const double tau = std::sqrt(dx * dx + dy * dy), omega = std::atan2(dx, dy);
    kf = std::cos(tau);
    kr = std::sin(tau) * std::sin(omega);
    ku = std::sin(tau) * std::cos(omega);
  }
  double v[3];
  for (int i = 0; i < 3; ++i) v[i] = kf * f[i] + kr * r[i] + ku * u[i];
  const double dlzka = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  double a = std::atan2(-v[1], v[0]);
  if (a < 0) a += 2 * M_PI;
  *stlpec = a * opt_TA;
  *riadok = opt_TB - opt_TC * std::asin(v[2] / dlzka);
}

// Bilinear at store column c, row r: centres at halves, columns around the turn, rows held.
void Ref_vzorka(const TRef_obraz& o, double c, double r, double* rgb) {
  const double u = c - 0.5, v = std::fmin(std::fmax(r - 0.5, 0.0), o.vys - 1.0);
  const double m = std::floor(u), n = std::floor(v), fx = u - m, fy = v - n;
  const int m0 = (((int)m % o.sir) + o.sir) % o.sir, m1 = (m0 + 1) % o.sir;
  const int n0 = (int)n, n1 = n0 + 1 < o.vys ? n0 + 1 : n0;
  const uint8_t* p[4] = {&o.rgb[((size_t)n0 * o.sir + m0) * 3], &o.rgb[((size_t)n0 * o.sir + m1) * 3],
                         &o.rgb[((size_t)n1 * o.sir + m0) * 3], &o.rgb[((size_t)n1 * o.sir + m1) * 3]};
  const double w[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
  for (int k = 0; k < 3; ++k) rgb[k] = w[0] * p[0][k] + w[1] * p[1][k] + w[2] * p[2][k] + w[3] * p[3][k];
}

}  // namespace

std::vector<double> Ref_Filtrovany(const TRef_obraz& o, int k) {
  std::vector<double> ciel((size_t)obraz_sir * obraz_vys * 3, 0.0);
  for (int y = 0; y < obraz_vys; ++y)
    for (int x = 0; x < obraz_sir; ++x) {
      double* c = &ciel[((size_t)y * obraz_sir + x) * 3];
      for (int j = 0; j < k; ++j)
        for (int i = 0; i < k; ++i) {
          double stlpec, riadok, rgb[3];
          Ref_Projekcia(x + 1 + (i + 0.5) / k - 0.5, y + 1 + (j + 0.5) / k - 0.5, &stlpec, &riadok);
          Ref_vzorka(o, stlpec, riadok, rgb);
          for (int q = 0; q < 3; ++q) c[q] += rgb[q] / (k * k);
        }
    }
  return ciel;
}

std::vector<uint32_t> Ref_Snimka() {
  std::vector<uint32_t> px;
  for (int y = 0; y < obraz_vys; ++y)
    for (int x = 0; x < obraz_sir; ++x) {
      const uint32_t c = lpDDSBack->PLAT_Pixel(x, y) & 0xFFFFFF;
      uint8_t r, g, b;
      PLAT_Unpack565((uint16_t)c, &r, &g, &b);
      px.push_back(lpDDSBack->PLAT_Bits() == 16 ? (uint32_t)r << 16 | g << 8 | b : c);
    }
  return px;
}

double Ref_PSNR(const std::vector<double>& ref, const std::vector<uint32_t>& px, double* priemer) {
  double kvadrat = 0, absolutna = 0;
  for (size_t i = 0; i < px.size(); ++i)
    for (int q = 0; q < 3; ++q) {
      const double d = (double)(px[i] >> (16 - 8 * q) & 255) - ref[i * 3 + q];
      kvadrat += d * d;
      absolutna += std::fabs(d);
    }
  const double pocet = 3.0 * px.size();
  if (priemer) *priemer = absolutna / pocet;
  return 10 * std::log10(255.0 * 255.0 / (kvadrat / pocet + 1e-12));
}
