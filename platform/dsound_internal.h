// Between the pieces of the DirectSound stand-in (device, conversion, mixer, buffers).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dsound.h"

// The device's format: 16-bit signed samples, interleaved.
struct TDsFormat {
  int rate;
  int channels;
};

// Opens the one device of the run, or finds it open; false = no device.
bool DS_DeviceOpen();
// The format of the device (also the fake device's, before it is opened).
TDsFormat DS_DeviceFormat();
// The mixer runs on the audio thread: its shared state is touched only under this lock.
void DS_DeviceLock();
void DS_DeviceUnlock();
// The memory backend's device: the fake one a test supplies (PLAT_AudioFakeDevice).
bool DS_FakeDeviceOpen();

// Whether samples of format `f` can be converted to the device's format.
bool DS_CanConvert(const WAVEFORMATEX& f, const TDsFormat& dev);
// Converts the whole frames of `n` bytes of samples; false when the conversion fails.
bool DS_Convert(const WAVEFORMATEX& f, const BYTE* data, size_t n, const TDsFormat& dev,
                std::vector<int16_t>* out);

// The list of buffers and the mixing of those playing; every call under the device lock.
struct TDsMixer {
  static void Add(IDirectSoundBuffer* b);
  static void Remove(IDirectSoundBuffer* b);
  // Sums the next `samples` samples of every playing buffer into `out`, saturating.
  static void Mix(int16_t* out, size_t samples);
};
