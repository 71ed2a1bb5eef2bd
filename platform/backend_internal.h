// Between the pieces of the platform layer only; nothing outside platform/ includes this.
#pragma once
#include "platform/windef.h"

// ddraw.cpp → backend: the display mode (logical resolution) changed; the SDL backend
// resizes its texture and logical size. Returns DD_OK or a failure status.
HRESULT PLAT_BackendSetMode(int width, int height);
// ddraw.cpp / gdi.cpp → backend: the primary surface was written (Unlock, a blit into it,
// ReleaseDC); it is shown after the current message.
void PLAT_MarkScreenDirty();
