// Static sound buffers with the DirectSound names the viewer uses. The SDL backend mixes
// the playing buffers into one audio device; the memory backend has no device unless a
// test asks for a fake one, whose mixed output the test can read.
#pragma once
#include <vector>

#include "platform/windef.h"

#define DS_OK ((HRESULT)0)
#define DSERR_GENERIC E_FAIL
#define DSERR_INVALIDPARAM E_INVALIDARG
#define DSERR_NODRIVER ((HRESULT)0x88780078)
#define DSERR_BUFFERLOST ((HRESULT)0x88780096)
#define DSERR_BADFORMAT ((HRESULT)0x88780064)

#define DSSCL_NORMAL 0x00000001u
#define DSBCAPS_STATIC 0x00000002u
#define DSBCAPS_CTRLFREQUENCY 0x00000020u
#define DSBCAPS_CTRLPAN 0x00000040u
#define DSBCAPS_CTRLVOLUME 0x00000080u
#define DSBPLAY_LOOPING 0x00000001u
#define DSBSTATUS_PLAYING 0x00000001u
#define DSBSTATUS_BUFFERLOST 0x00000002u
#define WAVE_FORMAT_PCM 1

#pragma pack(push, 1)
struct WAVEFORMATEX {
  WORD wFormatTag;
  WORD nChannels;
  DWORD nSamplesPerSec;
  DWORD nAvgBytesPerSec;
  WORD nBlockAlign;
  WORD wBitsPerSample;  // absent from a 14-byte "fmt " record: read it only when the record has 16 bytes
  WORD cbSize;
};
#pragma pack(pop)

struct DSBUFFERDESC {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwBufferBytes;
  DWORD dwReserved;
  const WAVEFORMATEX* lpwfxFormat;
};

class IDirectSoundBuffer;

class IDirectSound {
 public:
  HRESULT SetCooperativeLevel(HWND wnd, DWORD level);
  // Converts the format once to the device's (SDL_AudioStream); a format it cannot convert fails.
  HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, IDirectSoundBuffer** out, void* outer);
  ULONG Release();
};

class IDirectSoundBuffer {
 public:
  // One region, or two when offset + bytes wraps past the end of the buffer.
  HRESULT Lock(DWORD offset, DWORD bytes, void** p1, DWORD* n1, void** p2, DWORD* n2, DWORD flags);
  HRESULT Unlock(void* p1, DWORD n1, void* p2, DWORD n2);  // converts the samples for the device
  HRESULT Play(DWORD reserved, DWORD priority, DWORD flags);  // never blocks
  HRESULT Stop();
  HRESULT SetCurrentPosition(DWORD pos);
  HRESULT GetStatus(DWORD* status);
  HRESULT Restore();
  ULONG Release();
  void PLAT_Lose();  // tests: the next Play answers DSERR_BUFFERLOST

 private:
  friend class IDirectSound;
  friend struct TDsMixer;
  WAVEFORMATEX format_ = {};
  std::vector<BYTE> data_;     // the samples as the program wrote them
  std::vector<int16_t> mix_;   // the same samples in the device's format (device lock)
  size_t pos_ = 0;             // next sample of mix_ to play (device lock)
  bool playing_ = false;       // (device lock)
  bool looping_ = false;       // (device lock)
  bool lost_ = false;
  IDirectSoundBuffer* next_ = nullptr;  // all buffers, for the mixer (device lock)
};

HRESULT DirectSoundCreate(void* guid, IDirectSound** out, void* outer);

// Memory backend: a fake device of this format (rate, channels; 16-bit signed samples).
// Without it DirectSoundCreate fails with DSERR_NODRIVER.
void PLAT_AudioFakeDevice(bool present, int rate = 22050, int channels = 1);
// Mixes the next `frames` frames of everything playing into `out` (interleaved), as the
// device would; the memory backend's fake device is driven by this.
void PLAT_AudioMix(int16_t* out, int frames);
