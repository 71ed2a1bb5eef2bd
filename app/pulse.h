// The 10 ms heartbeat: mouse navigation with quadratic speed, the idle count that
// hides the overlays in stages, and the slow idle rotation.
#pragma once
#include <cstdint>

extern int IN_dx;              // pointer x − SX
extern int IN_dy;              // SY − pointer y (upward positive)
extern uint8_t lave_dole;      // left button held over the view
extern uint8_t ovl_uchopeny;   // the navigation strip is being dragged
extern int pulz_poc_msna;      // pulses since the last mouse action, up to 5000
extern uint8_t demo_mod;       // idle rotation running

// Idle counts at which the overlays go and the idle rotation starts.
constexpr int PULZ_SKRY_OVLADAC = 200;
constexpr int PULZ_SKRY_KURZOR = 400;
constexpr int PULZ_DEMO = 800;
constexpr int PULZ_STROP = 5000;

// One timer pulse.
void PULZ();
