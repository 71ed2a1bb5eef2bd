// Conversion of a buffer's samples to the device's format, done once when the buffer is
// filled so that the mixer only adds.
#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/dsound_internal.h"

namespace {
// Rates DirectSound accepts for a buffer.
const DWORD kMinRate = 100;
const DWORD kMaxRate = 200000;
// SDL converts up to 7.1; it divides by zero on a channel count it does not know.
const WORD kMaxChannels = 8;
// SDL's stream keeps back up to about a thousand resampled frames at its flush: silence
// of this many device frames behind the samples carries them all out.
const uint64_t kTailFrames = 4096;

SDL_AudioStream* NewStream(const WAVEFORMATEX& f, const TDsFormat& dev) {
  if (f.wFormatTag != WAVE_FORMAT_PCM || f.nChannels == 0 || f.nChannels > kMaxChannels ||
      f.nSamplesPerSec < kMinRate || f.nSamplesPerSec > kMaxRate || (f.wBitsPerSample != 8 && f.wBitsPerSample != 16) ||
      dev.rate < (int)kMinRate || dev.rate > (int)kMaxRate || dev.channels <= 0 || dev.channels > kMaxChannels)
    return nullptr;
  const SDL_AudioFormat src = f.wBitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  return SDL_NewAudioStream(src, (Uint8)f.nChannels, (int)f.nSamplesPerSec, AUDIO_S16SYS, (Uint8)dev.channels,
                            dev.rate);
}

bool PutSilence(SDL_AudioStream* s, const WAVEFORMATEX& f, uint64_t bytes) {
  BYTE silence[4096];
  memset(silence, f.wBitsPerSample == 8 ? 0x80 : 0, sizeof silence);
  const uint64_t frame = (uint64_t)f.nChannels * (f.wBitsPerSample / 8);
  const uint64_t block = sizeof silence / frame * frame;
  for (uint64_t left = bytes; left > 0;) {
    const uint64_t n = std::min(left, block);
    if (SDL_AudioStreamPut(s, silence, (int)n) != 0) return false;
    left -= n;
  }
  return true;
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
  const uint64_t frame = (uint64_t)f.nChannels * (f.wBitsPerSample / 8);
  const uint64_t frames = n / frame;
  const uint64_t want = frames * (uint64_t)dev.rate / f.nSamplesPerSec;  // device frames of the sound
  const uint64_t tail = (kTailFrames * f.nSamplesPerSec / (uint64_t)dev.rate + 1) * frame;
  bool ok = (frames == 0 || SDL_AudioStreamPut(s, data, (int)(frames * frame)) == 0) && PutSilence(s, f, tail) &&
            SDL_AudioStreamFlush(s) == 0;
  if (ok) {
    const uint64_t got = (uint64_t)SDL_AudioStreamAvailable(s) / sizeof(int16_t) / (uint64_t)dev.channels;
    out->resize((size_t)std::min(got, want) * (size_t)dev.channels);
    const int bytes = (int)(out->size() * sizeof(int16_t));
    ok = bytes == 0 || SDL_AudioStreamGet(s, out->data(), bytes) == bytes;
  }
  SDL_FreeAudioStream(s);
  if (!ok) out->clear();
  return ok;
}
