// The projection S, the store step MT, the scale factors and the grid's limits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "tests/engine/engine_displej.h"

namespace {

// Store pixel within one (mm -1: not checked) and pole flag. At the pitch limit the ray straight
// above the centre passes the zenith 0.1 rad off-axis (atan(38/400) = 0.0947, atan(42/400) =
// 0.1046); at pitch 0 only the spherical projection reaches past π/2 (160 pixels: 1.6 rad).
TEST(Projekcia, WorkedValuesAndPoleFlags) {
  const struct { float yaw, pitch; int d, sfer, x, y, mm, nn, lam; } cases[] = {
      {pi, 0.1f, 400, 0, 401, 1, 2001, 528, 0},    {pi, 0.1f, 400, 0, 1, 1, 1474, 646, 0},
      {pi, 0.1f, 400, 0, 801, 601, 2479, 1265, 0}, {pi, 0.1f, 400, 0, 400, 300, 1999, 937, 0},
      {pi, 0.1f, 400, 1, 1, 1, 1210, 593, 0},      {pi, 0.1f, 400, 1, 801, 601, 2713, 1360, 0},
      {1, pi_pol_m, 400, 0, 400, 262, -1, 0, 0},   {1, pi_pol_m, 400, 0, 400, 258, -1, 0, 1},
      {1, 0, 100, 0, 400, 0, -1, 0, 0},            {1, 0, 100, 1, 400, 140, -1, 0, 1},
      {1, 0, 100, 1, 400, 460, -1, 0, -1},
  };
  for (const auto& c : cases) {
    Pohlad_nastav({800, 600, 4000, 2000, c.yaw, c.pitch, c.d, c.sfer});
    int mm, nn, lam;
    Pohlad_bod(c.x, c.y, &mm, &nn, &lam);
    EXPECT_TRUE((c.mm < 0 || (std::abs(mm - c.mm) <= 1 && std::abs(nn - c.nn) <= 1)) && lam == c.lam)
        << c.x << "," << c.y << " pitch " << c.pitch << " sfer " << c.sfer << ": " << mm << "," << nn << " lam " << lam;
  }
}

// Pixels of many views: (alf, bet) projected forward lands back on them (every azimuth case).
TEST(Projekcia, RayRoundTripsThroughTheScreen) {
  const float yaws[] = {0.05f, 0.8f, 1.3f, 1.5707964f, 2.0f, 3.1415927f, 4.3f, 4.712389f, 5.0f, 6.2f};
  const int px[][2] = {{100, 80}, {700, 90}, {120, 550}, {650, 500}, {400, 50}, {760, 300}};
  for (float yaw : yaws)
    for (float pitch : {-1.4f, -0.5f, 0.0f, 0.1f, 0.9f})
      for (const auto& q : px) {
        Pohlad_nastav({800, 600, 4000, 2000, yaw, pitch, 400, 0});
        int rr, ss, lam;
        S(q[0], q[1], &rr, &ss, &lam);
        // Forward: the direction (alf, bet) in the camera's frame (forward, right, up).
        const double cy = std::cos((double)yaw), sy = std::sin((double)yaw), cp = std::cos((double)pitch);
        const double sp = std::sin((double)pitch), ca = std::cos(alf) * std::cos(bet), sa = std::sin(alf) * std::cos(bet);
        const double vf = ca * cy * cp + sa * sy * cp + std::sin(bet) * sp, vr = -ca * sy + sa * cy;
        const double vu = -ca * cy * sp - sa * sy * sp + std::sin(bet) * cp;
        ASSERT_GT(vf, 0);
        EXPECT_NEAR(400 + 400 * vr / vf, q[0], 1.0) << "yaw " << yaw << " pitch " << pitch;
        EXPECT_NEAR(300 - 400 * vu / vf, q[1], 1.0) << "yaw " << yaw << " pitch " << pitch;
      }
}

// Turning wraps the azimuth into one turn and stops the pitch 0.1 short of either pole.
TEST(Projekcia, TurningWrapsTheAzimuthAndStopsShortOfThePoles) {
  const float cases[][6] = {  // yaw, pitch, their changes; yaw and pitch after
      {6.2f, 0, 0.09f, 0.1f, 0.0068145f, 0.1f}, {0.1f, 0, -0.2f, 0, 6.1831855f, 0},
      {1, 1.4f, 0, 0.1f, 1, pi_pol_m},          {1, -1.4f, 0, -0.1f, 1, -pi_pol_m}, {1, 1.4f, 0, 0.05f, 1, 1.45f}};
  for (const auto& c : cases) {
    YAW = c[0], PITCH = c[1];
    Zmen_smer(c[2], c[3]);
    EXPECT_TRUE(std::fabs(YAW - c[4]) < 1e-5f && std::fabs(PITCH - c[5]) < 1e-5f) << c[0] << "," << c[1] << ": " << YAW << "," << PITCH;
  }
}

TEST(StoreStep, WrapsOneTurnAndFloorsTheFraction) {
  W_pan_sir = 4000;  // one turn of the sphere
  const int cases[][4] = {  // rr, ss (1/256 pixels), store pixel; more than one turn wrapped fully
      {-1, 0, 3999, 0},           {0, 255, 0, 0},         {255, 256, 0, 1}, {3999 * 256 + 255, 2000 * 256, 3999, 2000},
      {4000 * 256, 0, 0, 0},      {7999 * 256, 0, 3999, 0}, {-4000 * 256, 0, 0, 0}, {-4001 * 256, 0, 3999, 0},
      {8000 * 256 + 5, 0, 0, 0},  {-9000 * 256, 0, 3000, 0},
  };
  for (const auto& c : cases) {
    int mm, nn;
    MT(c[0], c[1], &mm, &nn);
    EXPECT_TRUE(mm == c[2] && nn == c[3]) << c[0] << "," << c[1] << ": " << mm << "," << nn;
  }
}

// Wider than 2:1 plus a repeated seam column: a strip around the horizon of a sphere half as high as wide.
TEST(Mierka, ScaleFactorsOfThePicture) {
  const float cases[][8] = {  // picture; TA, TB, TC; the sphere's first row, its rows, the last row read
      {4000, 2000, 636.61975f, 1000, 636.61975f, 0, 2000, 2000}, {2000, 1001, 318.30988f, 500, 318.62817f, 0, 1001, 1001},
      {4001, 2001, 636.77893f, 1000, 636.93805f, 0, 2001, 2001}, {4001, 2000, 636.77893f, 1000, 636.61975f, 0, 2000, 2000},
      {4000, 1000, 636.61975f, 1000, 636.61975f, 500, 2000, 2000}, {3000, 1000, 477.46484f, 750, 477.46484f, 250, 1500, 1500},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(W_priprav((int)c[0], (int)c[1], 2, nullptr), 1);
    SCOPED_TRACE(std::to_string((int)c[0]) + "x" + std::to_string((int)c[1]));
    EXPECT_FLOAT_EQ(opt_TA, c[2]);
    EXPECT_FLOAT_EQ(opt_TC, c[4]);
    EXPECT_EQ(std::vector<int>({opt_TB, W_pan_hore, W_pan_vys, W_riadok_max, W_sir * W_vys}),  // and the row under it
              std::vector<int>({(int)c[3], (int)c[5], (int)c[6], (int)c[7], (int)c[0] * ((int)c[6] + 1)}));
  }
}

// Screen, counts, cell size (0: refused, the grid kept) at either side of every limit.
TEST(Sito, ResetRefusesCountsThatBreakTheGrid) {
  const int cases[][6] = {
      {800, 600, 20, 20, 40, 30}, {1024, 768, 40, 40, 25, 19}, {800, 600, 50, 50, 16, 12}, {800, 600, 1, 1, 800, 600},
      {800, 600, 0, 20, 0, 0},    {800, 600, 51, 20, 0, 0},    {800, 600, 20, 0, 0, 0},    {800, 600, 20, 601, 0, 0},
      {60, 600, 40, 20, 0, 0},    {80, 600, 40, 20, 2, 30},    {800, 600, 20, 600, 40, 1},
  };
  for (const auto& c : cases) {
    obraz_sir = c[0];
    obraz_vys = c[1];
    Sito_pocx = Sito_pocy = 7;
    Sito_sir = Sito_vys = 3;
    EXPECT_EQ(Reset_Sito(c[2], c[3]), c[4] ? 1 : 0) << c[2] << "x" << c[3] << " on " << c[0] << "x" << c[1];
    const std::vector<int> ciel = c[4] ? std::vector<int>{c[2], c[3], c[4], c[5]} : std::vector<int>{7, 7, 3, 3};
    EXPECT_EQ(std::vector<int>({Sito_pocx, Sito_pocy, Sito_sir, Sito_vys}), ciel) << c[2] << "x" << c[3];
  }
}

}  // namespace
