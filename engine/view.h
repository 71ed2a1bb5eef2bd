// The view state, the exact inverse projection S of one screen pixel onto the
// panorama, and MT, the per-pixel step from fixed-point coordinates to the store.
#pragma once

extern float YAW;                  // azimuth of the view direction, 0 … 2π
extern float PITCH;                // elevation, -pi_pol_m … pi_pol_m
extern int D;                      // eye distance from the screen in pixels
extern int D_min, D_max, D_start;  // 100, 600, MAXX / 2 at start
extern unsigned char sfer_perspekt;  // 0 rectilinear, 1 spherical
extern float uhol_delta;           // turn and tilt step of one key press
extern float uhol_delta_2;         // idle turning step per pulse

extern const float pi;         // 3.1415927
extern const float pi2;        // 6.2831855
extern const float pi_pol;     // π/2
extern const float pi_tripol;  // 3π/2
extern const float pi_pol_m;   // π/2 - 0.1, the pitch limit

struct TBod {
  float x, y, z;
};

// Working values of the last projected point (read by nothing else).
extern TBod T, GF, P;
extern float Omega, Tau, alf, bet;
extern int DX, DY;

// Turns the view by o_yaw and tilts it by o_pitch: YAW wraps around into 0 … 2π, PITCH
// stops at ±pi_pol_m.
void Zmen_smer(float o_yaw, float o_pitch);

// Real roots of a·x² + b·x + c = 0: inf = -1 none (x1, x2 untouched), 0 double, 1 two; x1 ≥ x2.
void Ries_kvadrat_rovnicu(float a, float b, float c, float* x1, float* x2, int* inf);

// Inverse projection of screen pixel (xx, yy): panorama column rr and row ss in 24.8
// fixed point (column not wrapped), llam = -1/0/+1 beyond the nadir / between / beyond the zenith.
void S(int xx, int yy, int* rr, int* ss, int* llam);

// Case B of the projection: the view direction lies within 0.3 of the y axis (π/2 or 3π/2).
bool S_pripad_B(float yaw);

// A store column wrapped fully into 0 … W_pan_sir - 1 (0 while no picture is loaded).
int MT_stlpec(int r);

// 24.8 coordinates to a store column mm (wrapped into 0 … W_pan_sir - 1) and row nn.
void MT(int rr, int ss, int* mm, int* nn);
