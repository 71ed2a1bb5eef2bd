#include "platform/sdl_audio.h"

#include <SDL.h>
#include <dlfcn.h>

#include <cstring>

#include "platform/backend.h"

namespace {
SDL_AudioDeviceID g_device = 0;

void SDLCALL DeviceCallback(void*, Uint8* stream, int len) {
  // SDL holds the device lock while it runs this.
  TDsMixer::Mix(reinterpret_cast<int16_t*>(stream), (size_t)len / sizeof(int16_t));
}

void AlsaNothing(const char*, int, const char*, int, const char*, ...) {}

// While SDL looks for a device, ALSA reports a machine without a sound card line by line on
// standard error. No device is no error for a viewer whose sounds are optional: the library's
// messages go nowhere. It stays loaded, so SDL's use of it keeps the handler.
void AlsaQuiet() {
  static bool done = false;
  if (done) return;
  done = true;
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!alsa) return;
  typedef void (*THandler)(const char*, int, const char*, int, const char*, ...);
  typedef int (*TSetHandler)(THandler);
  TSetHandler set = reinterpret_cast<TSetHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
  if (set) set(AlsaNothing);
}
}  // namespace

bool PLAT_SdlAudioOpen(TDsFormat* format) {
  if (PLAT_Options().mute) return false;
  if (g_device != 0 && SDL_GetAudioDeviceStatus(g_device) != SDL_AUDIO_STOPPED) return true;
  g_device = 0;
  AlsaQuiet();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // The dummy driver plays nothing: the program is as silent as without a device.
  const char* driver = SDL_GetCurrentAudioDriver();
  if (!driver || strcmp(driver, "dummy") == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  SDL_AudioSpec want;
  SDL_zero(want);
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = DeviceCallback;
  SDL_AudioSpec have;
  g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have,
                                 SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
  if (g_device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  *format = TDsFormat{have.freq, have.channels};
  SDL_PauseAudioDevice(g_device, 0);
  return true;
}

void PLAT_SdlAudioLock() {
  if (g_device != 0) SDL_LockAudioDevice(g_device);
}

void PLAT_SdlAudioUnlock() {
  if (g_device != 0) SDL_UnlockAudioDevice(g_device);
}
