// Brings SDL's events into the message queue and sleeps until something happens.
#pragma once

// Drains SDL's event queue: input becomes queued messages, device resets lose the surfaces.
void PLAT_SdlPump();
// Blocks until an SDL event is pending or `ms` have passed (ms < 0: no limit).
void PLAT_SdlWait(int ms);
// A new run forgets the pointer, the wheel and the activation of the last one.
void PLAT_SdlPumpReset();
