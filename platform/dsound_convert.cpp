// Conversion of a buffer's samples to the device's format, done once when the buffer is
// filled so that the mixer only adds.
#include <SDL.h>

#include "platform/dsound_internal.h"

namespace {
// Rates DirectSound accepts for a buffer.
const DWORD kMinRate = 100;
const DWORD kMaxRate = 200000;

SDL_AudioStream* NewStream(const WAVEFORMATEX& f, const TDsFormat& dev) {
  if (f.wFormatTag != WAVE_FORMAT_PCM || f.nChannels == 0 || f.nSamplesPerSec < kMinRate ||
      f.nSamplesPerSec > kMaxRate || (f.wBitsPerSample != 8 && f.wBitsPerSample != 16) ||
      dev.rate <= 0 || dev.channels <= 0)
    return nullptr;
  const SDL_AudioFormat src = f.wBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  return SDL_NewAudioStream(src, (Uint8)(f.nChannels > 255 ? 0 : f.nChannels), (int)f.nSamplesPerSec,
                            AUDIO_S16SYS, (Uint8)dev.channels, dev.rate);
}
}  // namespace

bool DS_CanConvert(const WAVEFORMATEX& f, const TDsFormat& dev) {
  SDL_AudioStream* s = NewStream(f, dev);
  if (!s) return false;
  SDL_FreeAudioStream(s);
  return true;
}

bool DS_Convert(const WAVEFORMATEX& f, const BYTE* data, size_t n, const TDsFormat& dev,
                std::vector<int16_t>* out) {
  out->clear();
  SDL_AudioStream* s = NewStream(f, dev);
  if (!s) return false;
  const size_t frame = (size_t)f.nChannels * (f.wBitsPerSample / 8);
  const size_t whole = n / frame * frame;
  bool ok = whole == 0 || (SDL_AudioStreamPut(s, data, (int)whole) == 0 && SDL_AudioStreamFlush(s) == 0);
  if (ok) {
    const int avail = SDL_AudioStreamAvailable(s);
    out->resize((size_t)avail / sizeof(int16_t) / (size_t)dev.channels * (size_t)dev.channels);
    const int bytes = (int)(out->size() * sizeof(int16_t));
    ok = bytes == 0 || SDL_AudioStreamGet(s, out->data(), bytes) == bytes;
  }
  SDL_FreeAudioStream(s);
  if (!ok) out->clear();
  return ok;
}
