// The memory backend: no window and no events of its own (a test injects them), a clock that
// moves only when a test moves it, and the fake audio device a test may supply.
#include "platform/backend.h"
#include "platform/backend_internal.h"
#include "platform/backend_ops.h"
#include "platform/dsound_internal.h"

namespace {
DWORD g_clock = 0;

void Nic() {}
}  // namespace

void PLAT_AdvanceTime(DWORD ms) { g_clock += ms; }
void PLAT_ClockReset() { g_clock = 0; }

const TPlatBackendOps PLAT_MEMORY_BACKEND = {
    [] { return true; },                                   // init
    Nic,                                                   // quit
    [] { return g_clock; },                                // ticks
    [] { return false; },                                  // display_visible
    [](const char*, bool) { return true; },                // open_window
    Nic,                                                   // close_window
    [](bool) {},                                           // show_window
    [](int, int, int) { return true; },                    // set_mode
    [] { return true; },                                   // present
    [](bool) {},                                           // show_cursor
    [](const char*, const char*, bool) {},                 // message_box: recorded only
    [](int*, int*) { return false; },                      // desktop_size
    [](int*, int*) {},                                     // drawable_size
    Nic,                                                   // pump
    [](int) { return false; },                             // wait: only a test brings messages
    [](TDsFormat*) { return DS_FakeDeviceOpen(); },        // audio_open
    Nic,                                                   // audio_lock
    Nic,                                                   // audio_unlock
};
