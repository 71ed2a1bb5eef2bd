// The SDL side of the sound: one audio device whose callback mixes every playing buffer.
// No SDL types here, so the backend table stays SDL-free.
#pragma once
#include "platform/dsound_internal.h"

// Opens the device (or finds it open) and writes its format; false when muted, when there is
// no device, or when the only one plays nothing.
bool PLAT_SdlAudioOpen(TDsFormat* format);
void PLAT_SdlAudioLock();
void PLAT_SdlAudioUnlock();
