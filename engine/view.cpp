#include "engine/view.h"

#include <cmath>

#include "display/screen.h"
#include "engine/store.h"

const float pi = 3.1415927f;
const float pi2 = 6.2831855f;
const float pi_pol = 1.5707964f;
const float pi_tripol = pi + pi_pol;
const float pi_pol_m = pi_pol - 0.1f;

float YAW = pi;
float PITCH = 0.1f;
int D_min = 100;
int D_max = 600;
int D_start = MAXX / 2;
int D = D_start;
unsigned char sfer_perspekt = 0;
float uhol_delta = 0.1f;
float uhol_delta_2 = 0.001f;

TBod T, GF, P;
float Omega, Tau, alf, bet;
int DX, DY;

void Zmen_smer(float o_yaw, float o_pitch) {
  YAW += o_yaw;
  if (YAW > pi2) {
    YAW -= pi2;
  } else if (YAW < 0) {
    YAW += pi2;
  }
  PITCH += o_pitch;
  if (PITCH > pi_pol_m) {
    PITCH = pi_pol_m;
  } else if (PITCH < -pi_pol_m) {
    PITCH = -pi_pol_m;
  }
}

void Ries_kvadrat_rovnicu(float a, float b, float c, float* x1, float* x2, int* inf) {
  const float d = b * b - 4 * a * c;
  if (d < 0) {
    *inf = -1;
    return;
  }
  const float q = std::sqrt(d);
  float v1 = (q - b) / (2 * a);
  float v2 = (-b - q) / (2 * a);
  if (v1 < v2) {
    const float v = v1;
    v1 = v2;
    v2 = v;
  }
  *x1 = v1;
  *x2 = v2;
  *inf = d == 0 ? 0 : 1;
}

bool S_pripad_B(float yaw) {
  return !(std::fabs(yaw - pi_pol) > 0.3f && std::fabs(yaw - pi_tripol) > 0.3f);
}

// Both discriminants of S are >= 0 in exact arithmetic; a negative one is rounding
// and is taken as a double root.
static void S_korene(float a, float b, float c, float* x1, float* x2) {
  int inf;
  Ries_kvadrat_rovnicu(a, b, c, x1, x2, &inf);
  if (inf < 0) *x1 = *x2 = -b / (2 * a);
}

// asin of a value that rounding may have pushed just past ±1.
static double S_asin(double v) {
  return std::asin(v > 1 ? 1 : (v < -1 ? -1 : v));
}

// The ray's horizontal components from its height P.z (step 6 of the projection).
static void S_vodorovne(float k, float omega) {
  const bool pripad_B = S_pripad_B(YAW);
  // Case A solves for y through x = s - t·y, case B for x through y = s - t·x.
  const float delitel = pripad_B ? GF.y : GF.x;
  const float s = (float)((double)k * k - (double)GF.z * P.z) / delitel;
  const float t = (pripad_B ? GF.x : GF.y) / delitel;
  float v1, v2;
  S_korene((float)((double)t * t + 1), -2 * s * t, (float)((double)s * s + (double)P.z * P.z - 1), &v1, &v2);
  float v;
  if (!pripad_B) {
    const bool vzadu = YAW > pi_pol && YAW < pi_tripol;
    v = (vzadu == (omega > 0)) ? v1 : v2;
    P.y = v;
    P.x = s - t * v;
  } else {
    const bool vlavo = YAW > 0 && YAW < pi;
    v = (vlavo == (omega > 0)) ? v2 : v1;
    P.x = v;
    P.y = s - t * v;
  }
}

// Azimuth of the ray in 0 … 2π; a ray through a pole has none and takes YAW.
static float S_azimut() {
  const double h = std::sqrt((double)P.x * P.x + (double)P.y * P.y);
  if (!(h > 0)) return YAW;
  const float aalf = (float)S_asin(std::fabs((double)P.y) / h);
  if (P.y <= 0) return P.x >= 0 ? aalf : pi - aalf;
  return P.x < 0 ? pi + aalf : pi2 - aalf;
}

// A product into 24.8 with its fraction (the filtered view samples between pixels), kept
// finite and far from overflow whatever the view state.
static int S_na_fix(double v) {
  const double hranica = 1 << 20;
  if (!(v > -hranica)) v = v != v ? 0 : -hranica;
  if (v > hranica) v = hranica;
  return (int)std::floor(v * 256);
}

void S(int xx, int yy, int* rr, int* ss, int* llam) {
  T.x = (float)(std::cos((double)YAW) * std::cos((double)PITCH));
  T.y = (float)(-std::sin((double)YAW) * std::cos((double)PITCH));
  T.z = (float)std::sin((double)PITCH);

  DY = SY - yy;
  DX = xx - SX;
  Omega = (float)std::atan2((double)DX, (double)DY);
  const float Dr = (float)std::sqrt((double)DX * DX + (double)DY * DY);
  Tau = sfer_perspekt ? Dr / D : (float)std::atan((double)(Dr / D));

  const float k = (float)std::cos((double)Tau);
  GF.x = k * T.x;
  GF.y = k * T.y;
  GF.z = k * T.z;

  const double sin_tau = std::sin((double)Tau), cos_omega = std::cos((double)Omega);
  const float c = (float)((double)GF.z * GF.z +
                          ((double)GF.z * GF.z / ((double)k * k) - 1) * (sin_tau * sin_tau) * (cos_omega * cos_omega));
  float z1, z2;
  S_korene(1, -2 * GF.z, c, &z1, &z2);
  P.z = std::fabs(Omega) < pi_pol ? z1 : z2;

  S_vodorovne(k, Omega);

  bet = (float)S_asin((double)P.z);
  alf = S_azimut();

  const float lambda = (float)(PITCH + Tau * cos_omega);
  *llam = lambda < -pi_pol ? -1 : (lambda > pi_pol ? 1 : 0);

  if (DX > 0 && alf < YAW) alf += pi2;
  if (DX < 0 && alf > YAW) alf -= pi2;

  *rr = S_na_fix((double)alf * opt_TA);
  const int riadok = opt_TB * 256 - S_na_fix((double)opt_TC * bet);
  // The one place a row comes from: keep it inside the rows the store holds for the picture.
  const int riadok_max = W_riadok_max * 256;
  *ss = riadok < 0 ? 0 : (riadok > riadok_max ? riadok_max : riadok);
}

int MT_stlpec(int r) {
  if (W_pan_sir <= 0) return 0;
  r %= W_pan_sir;
  return r < 0 ? r + W_pan_sir : r;
}

void MT(int rr, int ss, int* mm, int* nn) {
  int r = rr >> 8;
  if (r >= W_pan_sir)
    r -= W_pan_sir;
  else if (r < 0)
    r += W_pan_sir;
  // More than one turn away (possible only off the view's normal ranges): wrap fully.
  if (r < 0 || r >= W_pan_sir) r = MT_stlpec(r);
  *mm = r;
  *nn = ss >> 8;
}
