// SIGTERM and SIGINT end the program at any moment (platform/ only). SDL turns them into a
// quit event, which its message box never looks at: it waits for its helper process.
#pragma once

// After SDL_Init: a handler in front of SDL's that also ends a message box's helper process,
// so that the box returns and the quit event reaches the message loop.
void PLAT_SdlSignalsInstall();
// Before SDL_Quit: SDL's handlers as they were.
void PLAT_SdlSignalsRemove();
// True once a quit was asked for: message boxes are then no longer shown.
bool PLAT_SdlQuitSignalled();
