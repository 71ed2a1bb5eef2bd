// The SDL backend: a window on the desktop, SDL's events and clock, one audio device.
#include "platform/backend_ops.h"
#include "platform/sdl_audio.h"
#include "platform/sdl_pump.h"
#include "platform/sdl_video.h"

namespace {
bool Init() {
  if (!PLAT_SdlInit()) return false;
  PLAT_SdlPumpReset();
  return true;
}

bool Wait(int ms) {
  PLAT_SdlWait(ms);
  return true;
}
}  // namespace

const TPlatBackendOps PLAT_SDL_BACKEND = {
    Init,
    PLAT_SdlQuit,
    PLAT_SdlTicks,
    PLAT_SdlDisplayVisible,
    PLAT_SdlOpenWindow,
    PLAT_SdlCloseWindow,
    PLAT_SdlShowWindow,
    PLAT_SdlSetMode,
    PLAT_SdlPresent,
    PLAT_SdlShowCursor,
    PLAT_SdlMessageBox,
    PLAT_SdlDesktopSize,
    PLAT_SdlDrawableSize,
    PLAT_SdlPump,
    Wait,
    PLAT_SdlAudioOpen,
    PLAT_SdlAudioLock,
    PLAT_SdlAudioUnlock,
};
