// The one audio device of the run: an SDL device whose callback mixes every playing
// buffer, or, for tests on the memory backend, a fake device driven by PLAT_AudioMix.
#include <SDL.h>
#include <dlfcn.h>

#include <cstring>

#include "platform/backend.h"
#include "platform/dsound_internal.h"

namespace {
bool g_fake_present = false;
TDsFormat g_format = {22050, 1};
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

bool SdlDeviceOpen() {
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
  g_format = TDsFormat{have.freq, have.channels};
  SDL_PauseAudioDevice(g_device, 0);
  return true;
}
}  // namespace

bool DS_DeviceOpen() {
  if (PLAT_Backend() != PLAT_SDL) return g_fake_present;
  if (PLAT_Options().mute) return false;
  return SdlDeviceOpen();
}

TDsFormat DS_DeviceFormat() { return g_format; }

void DS_DeviceLock() {
  if (g_device != 0) SDL_LockAudioDevice(g_device);
}

void DS_DeviceUnlock() {
  if (g_device != 0) SDL_UnlockAudioDevice(g_device);
}

void PLAT_AudioFakeDevice(bool present, int rate, int channels) {
  g_fake_present = present && rate > 0 && channels > 0;
  if (g_fake_present) g_format = TDsFormat{rate, channels};
}

void PLAT_AudioMix(int16_t* out, int frames) {
  if (!out || frames <= 0) return;
  DS_DeviceLock();
  TDsMixer::Mix(out, (size_t)frames * (size_t)g_format.channels);
  DS_DeviceUnlock();
}
