// The DirectSound stand-in: buffers, regions, conversion for the device and mixing.
#include <algorithm>
#include <cstring>

#include "tests/sound/sound_fixture.h"
#include "tests/sound/wave_bytes.h"

namespace {

WAVEFORMATEX Format(WORD tag, WORD channels, DWORD rate, WORD bits) {
  WAVEFORMATEX f;
  memset(&f, 0, sizeof f);
  f.wFormatTag = tag;
  f.nChannels = channels;
  f.nSamplesPerSec = rate;
  f.nBlockAlign = (WORD)(channels * bits / 8);
  f.nAvgBytesPerSec = rate * f.nBlockAlign;
  f.wBitsPerSample = bits;
  return f;
}

class DSound : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    ASSERT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DS_OK);
  }
  void TearDown() override {
    for (IDirectSoundBuffer* b : buffers) b->Release();
    ds->Release();
    SoundTest::TearDown();
  }
  HRESULT Create(const WAVEFORMATEX& f, DWORD bytes, IDirectSoundBuffer** out) {
    DSBUFFERDESC d;
    memset(&d, 0, sizeof d);
    d.dwSize = sizeof d;
    d.dwFlags = DSBCAPS_STATIC;
    d.dwBufferBytes = bytes;
    d.lpwfxFormat = &f;
    const HRESULT hr = ds->CreateSoundBuffer(&d, out, nullptr);
    if (hr == DS_OK) buffers.push_back(*out);
    return hr;
  }
  // A mono 16-bit buffer at 22050 Hz holding `s`.
  IDirectSoundBuffer* Filled(const std::vector<int16_t>& s) {
    IDirectSoundBuffer* b = nullptr;
    EXPECT_EQ(Create(Format(WAVE_FORMAT_PCM, 1, 22050, 16), (DWORD)(s.size() * 2), &b), DS_OK);
    Fill(b, Samples16(s));
    return b;
  }
  static void Fill(IDirectSoundBuffer* b, const std::vector<uint8_t>& bytes) {
    void* p1 = nullptr;
    DWORD n1 = 0;
    ASSERT_EQ(b->Lock(0, (DWORD)bytes.size(), &p1, &n1, nullptr, nullptr, 0), DS_OK);
    memcpy(p1, bytes.data(), n1);
    ASSERT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);
  }
  static bool Playing(IDirectSoundBuffer* b) {
    DWORD st = 0;
    b->GetStatus(&st);
    return (st & DSBSTATUS_PLAYING) != 0;
  }
  IDirectSound* ds = nullptr;
  std::vector<IDirectSoundBuffer*> buffers;
};

TEST_F(SoundTest, NoDeviceNoDirectSound) {
  PLAT_AudioFakeDevice(false);
  IDirectSound* ds = reinterpret_cast<IDirectSound*>(1);
  EXPECT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DSERR_NODRIVER);
  EXPECT_EQ(ds, nullptr);
  PLAT_AudioFakeDevice(true);
  PLAT_FaultSet(PC_DirectSoundCreate, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DSERR_GENERIC);
  EXPECT_EQ(ds, nullptr);
}

TEST_F(DSound, FormatsTheDeviceCannotTakeAreRefused) {
  const struct {
    const char* what;
    WAVEFORMATEX f;
    DWORD bytes;
    HRESULT want;
  } cases[] = {
      {"mono 16-bit", Format(WAVE_FORMAT_PCM, 1, 22050, 16), 100, DS_OK},
      {"stereo 8-bit", Format(WAVE_FORMAT_PCM, 2, 44100, 8), 100, DS_OK},
      {"float", Format(3, 1, 22050, 32), 100, DSERR_BADFORMAT},
      {"ADPCM", Format(2, 1, 22050, 4), 100, DSERR_BADFORMAT},
      {"no channels", Format(WAVE_FORMAT_PCM, 0, 22050, 16), 100, DSERR_BADFORMAT},
      {"no rate", Format(WAVE_FORMAT_PCM, 1, 0, 16), 100, DSERR_BADFORMAT},
      {"24 bits", Format(WAVE_FORMAT_PCM, 1, 22050, 24), 99, DSERR_BADFORMAT},
      {"no bits (14-byte record)", Format(WAVE_FORMAT_PCM, 1, 22050, 0), 100, DSERR_BADFORMAT},
      {"300 channels", Format(WAVE_FORMAT_PCM, 300, 22050, 16), 600, DSERR_BADFORMAT},
      {"rate beyond DirectSound's", Format(WAVE_FORMAT_PCM, 1, 4000000, 16), 100, DSERR_BADFORMAT},
      {"empty buffer", Format(WAVE_FORMAT_PCM, 1, 22050, 16), 0, DSERR_INVALIDPARAM},
      {"huge buffer", Format(WAVE_FORMAT_PCM, 1, 22050, 16), 0x10000000, DSERR_INVALIDPARAM},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    IDirectSoundBuffer* b = reinterpret_cast<IDirectSoundBuffer*>(1);
    EXPECT_EQ(Create(c.f, c.bytes, &b), c.want);
    if (c.want != DS_OK) {
      EXPECT_EQ(b, nullptr);
    }
  }
  EXPECT_EQ(ds->CreateSoundBuffer(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
}

TEST_F(DSound, LockGivesOneRegionOrTwoWhenItWraps) {
  IDirectSoundBuffer* b = nullptr;
  ASSERT_EQ(Create(Format(WAVE_FORMAT_PCM, 1, 22050, 16), 10, &b), DS_OK);
  const struct {
    DWORD offset, bytes;
    HRESULT want;
    DWORD n1, n2;
    long p1_at;  // offset of the first region
  } cases[] = {
      {0, 10, DS_OK, 10, 0, 0},  {2, 4, DS_OK, 4, 0, 2},   {6, 8, DS_OK, 4, 4, 6},
      {9, 10, DS_OK, 1, 9, 9},   {10, 1, DSERR_INVALIDPARAM, 0, 0, -1},
      {0, 11, DSERR_INVALIDPARAM, 0, 0, -1},  {3, 0, DSERR_INVALIDPARAM, 0, 0, -1},
  };
  void* base = nullptr;
  DWORD n = 0;
  ASSERT_EQ(b->Lock(0, 10, &base, &n, nullptr, nullptr, 0), DS_OK);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << "+" << c.bytes);
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD n1 = 99, n2 = 99;
    EXPECT_EQ(b->Lock(c.offset, c.bytes, &p1, &n1, &p2, &n2, 0), c.want);
    EXPECT_EQ(n1, c.n1);
    EXPECT_EQ(n2, c.n2);
    EXPECT_EQ(p1, c.p1_at < 0 ? nullptr : static_cast<BYTE*>(base) + c.p1_at);
    EXPECT_EQ(p2, c.n2 ? base : nullptr);
  }
  // A wrapping lock without room for the second region is refused.
  void* p1 = nullptr;
  DWORD n1 = 0;
  EXPECT_EQ(b->Lock(6, 8, &p1, &n1, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
  PLAT_FaultSet(PC_SoundLock, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(b->Lock(0, 10, &p1, &n1, nullptr, nullptr, 0), DSERR_GENERIC);
}

TEST_F(DSound, PlayingBufferIsMixedOnceAndStopsAtItsEnd) {
  IDirectSoundBuffer* b = Filled({1000, -2000, 3000, -4000});
  EXPECT_EQ(Mix(3), (std::vector<int16_t>{0, 0, 0}));
  EXPECT_FALSE(Playing(b));
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_TRUE(Playing(b));
  EXPECT_EQ(Mix(6), (std::vector<int16_t>{1000, -2000, 3000, -4000, 0, 0}));
  EXPECT_FALSE(Playing(b));
  // Played again after its end: from the start.
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(Mix(2), (std::vector<int16_t>{1000, -2000}));
  ASSERT_EQ(b->Stop(), DS_OK);
  EXPECT_EQ(Mix(2), (std::vector<int16_t>{0, 0}));
}

TEST_F(DSound, LoopingBufferWrapsAround) {
  IDirectSoundBuffer* b = Filled({1, 2, 3});
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  EXPECT_EQ(Mix(7), (std::vector<int16_t>{1, 2, 3, 1, 2, 3, 1}));
  EXPECT_TRUE(Playing(b));
}

TEST_F(DSound, PositionIsTakenInTheBuffersBytes) {
  IDirectSoundBuffer* b = Filled({10, 20, 30, 40, 50});
  ASSERT_EQ(b->SetCurrentPosition(6), DS_OK);  // the fourth sample
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(Mix(3), (std::vector<int16_t>{40, 50, 0}));
  EXPECT_EQ(b->SetCurrentPosition(10), DSERR_INVALIDPARAM);
}

TEST_F(DSound, SumsSaturateAtSixteenBits) {
  IDirectSoundBuffer* a = Filled({30000, -30000, 100});
  IDirectSoundBuffer* b = Filled({30000, -30000, -300});
  ASSERT_EQ(a->Play(0, 0, 0), DS_OK);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(Mix(3), (std::vector<int16_t>{32767, -32768, -200}));
}

TEST_F(DSound, EightBitSamplesAreCenteredOnZero) {
  IDirectSoundBuffer* b = nullptr;
  ASSERT_EQ(Create(Format(WAVE_FORMAT_PCM, 1, 22050, 8), 4, &b), DS_OK);
  Fill(b, {0x80, 0xC0, 0x40, 0x80});
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  const std::vector<int16_t> out = Mix(4);
  EXPECT_EQ(out[0], 0);
  EXPECT_GT(out[1], 8000);
  EXPECT_LT(out[2], -8000);
  EXPECT_EQ(out[3], 0);
}

TEST_F(DSound, LostBufferRefusesPlayAndLockUntilRestored) {
  IDirectSoundBuffer* b = Filled({500, 600});
  b->PLAT_Lose();
  DWORD st = 0;
  ASSERT_EQ(b->GetStatus(&st), DS_OK);
  EXPECT_EQ(st, DSBSTATUS_BUFFERLOST);
  EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
  void* p1 = nullptr;
  DWORD n1 = 0;
  EXPECT_EQ(b->Lock(0, 4, &p1, &n1, nullptr, nullptr, 0), DSERR_BUFFERLOST);
  PLAT_FaultSet(PC_SoundRestore, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(b->Restore(), DSERR_GENERIC);
  ASSERT_EQ(b->Restore(), DS_OK);
  // Restored memory holds silence until it is filled again.
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(Mix(2), (std::vector<int16_t>{0, 0}));
}

class DSoundDevice : public SoundTest {};

TEST_F(DSoundDevice, SamplesAreConvertedToTheDevicesFormat) {
  PLAT_AudioFakeDevice(true, 44100, 2);
  IDirectSound* ds = nullptr;
  ASSERT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DS_OK);
  // 1024 frames: a length whose resampled tail SDL's stream would keep back at its flush.
  WAVEFORMATEX f = Format(WAVE_FORMAT_PCM, 1, 22050, 16);
  DSBUFFERDESC d = {sizeof(DSBUFFERDESC), DSBCAPS_STATIC, 2048, 0, &f};
  IDirectSoundBuffer* b = nullptr;
  ASSERT_EQ(ds->CreateSoundBuffer(&d, &b, nullptr), DS_OK);
  void* p1 = nullptr;
  DWORD n1 = 0;
  ASSERT_EQ(b->Lock(0, 2048, &p1, &n1, nullptr, nullptr, 0), DS_OK);
  const std::vector<int16_t> tone(1024, 8000);
  memcpy(p1, tone.data(), n1);
  ASSERT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  // Twice as many frames at 44100 Hz, the same on both channels.
  const std::vector<int16_t> out = Mix(2047, 2);
  for (int i = 50; i < 2000; i++) {
    ASSERT_NEAR(out[2 * i], 8000, 80) << i;
    ASSERT_EQ(out[2 * i], out[2 * i + 1]) << i;
  }
  DWORD st = 0;
  b->GetStatus(&st);
  EXPECT_EQ(st, DSBSTATUS_PLAYING);
  Mix(1, 2);
  b->GetStatus(&st);
  EXPECT_EQ(st, 0u);
  b->Release();
  ds->Release();
}

}  // namespace
