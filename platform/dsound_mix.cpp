// Mixing: every playing buffer adds its next samples; the sum saturates at 16 bits.
#include <algorithm>

#include "platform/dsound_internal.h"

namespace {
// Plain pointer, no destructor: the audio thread may still read it while the program exits.
IDirectSoundBuffer* g_buffers = nullptr;
}  // namespace

void TDsMixer::Add(IDirectSoundBuffer* b) {
  b->next_ = g_buffers;
  g_buffers = b;
}

void TDsMixer::Remove(IDirectSoundBuffer* b) {
  for (IDirectSoundBuffer** p = &g_buffers; *p; p = &(*p)->next_)
    if (*p == b) {
      *p = b->next_;
      return;
    }
}

void TDsMixer::Mix(int16_t* out, size_t samples) {
  const size_t kBlock = 1024;
  int32_t sum[kBlock];
  for (size_t done = 0; done < samples;) {
    const size_t n = std::min(kBlock, samples - done);
    std::fill(sum, sum + n, 0);
    for (IDirectSoundBuffer* b = g_buffers; b; b = b->next_) {
      size_t i = 0;
      while (b->playing_ && i < n) {
        const size_t k = std::min(n - i, b->mix_.size() - std::min(b->pos_, b->mix_.size()));
        const int16_t* src = b->mix_.data() + b->pos_;
        for (size_t j = 0; j < k; j++) sum[i + j] += src[j];
        i += k;
        b->pos_ += k;
        if (b->pos_ >= b->mix_.size()) {  // the end: a one-shot stops and rewinds
          b->pos_ = 0;
          b->playing_ = b->looping_ && k > 0;
        }
      }
    }
    for (size_t i = 0; i < n; i++) out[done + i] = (int16_t)std::clamp(sum[i], -32768, 32767);
    done += n;
  }
}
