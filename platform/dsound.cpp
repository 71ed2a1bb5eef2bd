// DirectSound objects over the one device: static buffers converted once when filled.
#include "platform/dsound.h"

#include <algorithm>

#include "platform/dsound_internal.h"
#include "platform/fault.h"

namespace {
// DirectSound's limits for the size of a buffer.
const DWORD kMinBytes = 4;
const DWORD kMaxBytes = 0x0FFFFFFF;

// Scoped device lock: the mixer reads the buffers on the audio thread.
struct TDeviceLock {
  TDeviceLock() { DS_DeviceLock(); }
  ~TDeviceLock() { DS_DeviceUnlock(); }
  TDeviceLock(const TDeviceLock&) = delete;
  TDeviceLock& operator=(const TDeviceLock&) = delete;
};
}  // namespace

HRESULT DirectSoundCreate(void*, IDirectSound** out, void*) {
  if (!out) return DSERR_INVALIDPARAM;
  *out = nullptr;
  HRESULT code = DSERR_NODRIVER;
  if (PLAT_FaultHit(PC_DirectSoundCreate, &code)) return code;
  if (!DS_DeviceOpen()) return DSERR_NODRIVER;
  *out = new IDirectSound();
  return DS_OK;
}

HRESULT IDirectSound::SetCooperativeLevel(HWND, DWORD) {
  HRESULT code = DSERR_GENERIC;
  if (PLAT_FaultHit(PC_DSSetCooperativeLevel, &code)) return code;
  return DS_OK;
}

HRESULT IDirectSound::CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** out, void*) {
  if (!out) return DSERR_INVALIDPARAM;
  *out = nullptr;
  if (!desc || !desc->lpwfxFormat) return DSERR_INVALIDPARAM;
  HRESULT code = DSERR_GENERIC;
  if (PLAT_FaultHit(PC_CreateSoundBuffer, &code)) return code;
  if (desc->dwBufferBytes < kMinBytes || desc->dwBufferBytes > kMaxBytes) return DSERR_INVALIDPARAM;
  if (!DS_CanConvert(*desc->lpwfxFormat, DS_DeviceFormat())) return DSERR_BADFORMAT;
  IDirectSoundBuffer* b = new IDirectSoundBuffer();
  b->format_ = *desc->lpwfxFormat;
  b->data_.assign(desc->dwBufferBytes, b->format_.wBitsPerSample == 8 ? 0x80 : 0);
  {
    TDeviceLock lock;
    TDsMixer::Add(b);
  }
  *out = b;
  return DS_OK;
}

ULONG IDirectSound::Release() {
  delete this;
  return 0;
}

HRESULT IDirectSoundBuffer::Lock(DWORD offset, DWORD bytes, void** p1, DWORD* n1, void** p2, DWORD* n2,
                                 DWORD) {
  if (!p1 || !n1) return DSERR_INVALIDPARAM;
  *p1 = nullptr;
  *n1 = 0;
  if (p2) *p2 = nullptr;
  if (n2) *n2 = 0;
  HRESULT code = DSERR_GENERIC;
  if (PLAT_FaultHit(PC_SoundLock, &code)) return code;
  if (lost_) return DSERR_BUFFERLOST;
  const size_t size = data_.size();
  if (offset >= size || bytes == 0 || bytes > size) return DSERR_INVALIDPARAM;
  const size_t first = std::min<size_t>(bytes, size - offset);
  if (first < bytes && (!p2 || !n2)) return DSERR_INVALIDPARAM;
  *p1 = data_.data() + offset;
  *n1 = (DWORD)first;
  if (first < bytes) {
    *p2 = data_.data();
    *n2 = (DWORD)(bytes - first);
  }
  return DS_OK;
}

HRESULT IDirectSoundBuffer::Unlock(void*, DWORD, void*, DWORD) {
  std::vector<int16_t> converted;
  if (!DS_Convert(format_, data_.data(), data_.size(), DS_DeviceFormat(), &converted))
    return DSERR_GENERIC;
  TDeviceLock lock;
  mix_.swap(converted);
  if (pos_ >= mix_.size()) pos_ = 0;
  return DS_OK;
}

HRESULT IDirectSoundBuffer::Play(DWORD, DWORD, DWORD flags) {
  HRESULT code = DSERR_GENERIC;
  if (PLAT_FaultHit(PC_SoundPlay, &code)) return code;
  if (lost_) return DSERR_BUFFERLOST;
  TDeviceLock lock;
  playing_ = !mix_.empty();
  looping_ = (flags & DSBPLAY_LOOPING) != 0;
  return DS_OK;
}

HRESULT IDirectSoundBuffer::Stop() {
  TDeviceLock lock;
  playing_ = false;
  return DS_OK;
}

HRESULT IDirectSoundBuffer::SetCurrentPosition(DWORD pos) {
  if (pos >= data_.size()) return DSERR_INVALIDPARAM;
  if (lost_) return DSERR_BUFFERLOST;
  const size_t frame = (size_t)format_.nChannels * (format_.wBitsPerSample / 8);
  const size_t src_frames = data_.size() / frame;
  TDeviceLock lock;
  const size_t channels = (size_t)DS_DeviceFormat().channels;
  const size_t mix_frames = mix_.size() / channels;
  // The same point of the sound in the device's frames.
  pos_ = src_frames == 0 ? 0 : (size_t)((uint64_t)(pos / frame) * mix_frames / src_frames) * channels;
  return DS_OK;
}

HRESULT IDirectSoundBuffer::GetStatus(DWORD* status) {
  if (!status) return DSERR_INVALIDPARAM;
  TDeviceLock lock;
  *status = (playing_ ? DSBSTATUS_PLAYING : 0u) | (lost_ ? DSBSTATUS_BUFFERLOST : 0u);
  return DS_OK;
}

HRESULT IDirectSoundBuffer::Restore() {
  HRESULT code = DSERR_GENERIC;
  if (PLAT_FaultHit(PC_SoundRestore, &code)) return code;
  lost_ = false;
  return DS_OK;
}

ULONG IDirectSoundBuffer::Release() {
  {
    TDeviceLock lock;
    TDsMixer::Remove(this);
  }
  delete this;
  return 0;
}

void IDirectSoundBuffer::PLAT_Lose() {
  // The sound memory is taken away: the samples are gone until the program refills them.
  TDeviceLock lock;
  lost_ = true;
  playing_ = false;
  pos_ = 0;
  std::fill(data_.begin(), data_.end(), format_.wBitsPerSample == 8 ? 0x80 : 0);
  std::fill(mix_.begin(), mix_.end(), 0);
}
