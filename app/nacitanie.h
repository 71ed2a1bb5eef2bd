// A long load on the screen: after a moment the share of the picture done goes over the current
// frame, and the window's messages are looked at meanwhile so that Escape still ends the program.
#pragma once

extern unsigned NAC_prah_ms;  // a load shows its progress once it has taken this long (500 ms)

// A load starts now.
void Nacitanie_zacni();
// The decoder's progress: rows done of all. False stops the load: Escape or F12 was pressed or
// the window is closing; that message is put back for the message loop to end the program.
// Other input waits, dropped, until the load is over; the pulse resumes after it.
bool Nacitanie_priebeh(void* ctx, int hotovo, int spolu);
