// The one audio device of the run, as the backend provides it: an SDL device, or, for tests
// on the memory backend, a fake device driven by PLAT_AudioMix.
#include "platform/backend_ops.h"
#include "platform/dsound_internal.h"

namespace {
bool g_fake_present = false;
TDsFormat g_format = {22050, 1};
}  // namespace

bool DS_DeviceOpen() { return PLAT_Ops().audio_open(&g_format); }

TDsFormat DS_DeviceFormat() { return g_format; }

void DS_DeviceLock() { PLAT_Ops().audio_lock(); }

void DS_DeviceUnlock() { PLAT_Ops().audio_unlock(); }

bool DS_FakeDeviceOpen() { return g_fake_present; }

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
