// The hover/press/drag steps shared by elements and dialogs.
#pragma once

// Once an event concerns the thing (it is inside, or held): move → over, press → held with
// the grab offset in mr_x, mr_y, release → over, move while held → dragged (when `drag`).
// True when the corner (*x, *y) was moved.
bool DAS_Krok_stavu(int* stav, int* x, int* y, bool drag, int mx, int my, int mtlac);
