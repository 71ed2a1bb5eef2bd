// Shared set-up of the engine tests: a screen size, a panorama size and a view.
#pragma once

struct TPohlad {
  int sir, vys;          // screen
  int pan_s, pan_v;      // panorama in the store
  float yaw, pitch;
  int d;
  int sfer;
};

// Sets the screen globals, a store for the panorama (a fresh one, of the same depth, 2 bytes
// after an empty one, when its size changes) and the view state.
void Pohlad_nastav(const TPohlad& p);
// Store coordinates of the projection of screen pixel (xx, yy) under the current view.
void Pohlad_bod(int xx, int yy, int* mm, int* nn, int* lam = nullptr);
