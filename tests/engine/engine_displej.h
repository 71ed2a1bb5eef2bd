// Shared set-up of the engine tests: a headless display and a view.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>

class EngineDisplej : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Display mode w × h of `bity` bits, fresh primary and back buffer; the screen globals follow.
  void Obrazovka(int w, int h, int bity = 16);
};

struct TPohlad { int sir, vys, pan_s, pan_v; float yaw, pitch; int d, sfer; };  // screen, panorama, view

// Screen globals, the view, and a fresh store (same depth, or 2 bytes) when the size changes.
void Pohlad_nastav(const TPohlad& p);
// Store coordinates of the projection of screen pixel (xx, yy).
void Pohlad_bod(int xx, int yy, int* mm, int* nn, int* lam = nullptr);
// Fills the whole back buffer.
void Zadny_vypln(uint32_t farba);
