// The DirectSound stand-in: buffers, lock regions, conversion for the device and mixing.
#include <cstring>

#include "tests/sound/wave_bytes.h"

namespace {
WAVEFORMATEX Format(WORD ch, DWORD rate, WORD bits, WORD tag = WAVE_FORMAT_PCM) {
  return WAVEFORMATEX{tag, ch, rate, rate * ch * bits / 8, (WORD)(ch * bits / 8), bits, 0};
}
const WAVEFORMATEX kMono16 = Format(1, 22050, 16);

class DSound : public ZvukTest {
 protected:
  void SetUp() override {
    ZvukTest::SetUp();
    ASSERT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DS_OK);
  }
  void TearDown() override {
    for (IDirectSoundBuffer* b : buffers) b->Release();
    ds->Release();
    ZvukTest::TearDown();
  }
  HRESULT Create(const WAVEFORMATEX& f, DWORD bytes, IDirectSoundBuffer** out) {
    DSBUFFERDESC d = {sizeof d, DSBCAPS_STATIC, bytes, 0, const_cast<WAVEFORMATEX*>(&f)};
    const HRESULT hr = ds->CreateSoundBuffer(&d, out, nullptr);
    if (hr == DS_OK) buffers.push_back(*out);
    return hr;
  }
  // A buffer of the given format holding `bytes`.
  IDirectSoundBuffer* Filled(const void* bytes, DWORD n, const WAVEFORMATEX& f = kMono16) {
    IDirectSoundBuffer* b = nullptr;
    void* p1 = nullptr;
    DWORD n1 = 0;
    EXPECT_EQ(Create(f, n, &b), DS_OK);
    EXPECT_EQ(b->Lock(0, n, &p1, &n1, nullptr, nullptr, 0), DS_OK);
    std::memcpy(p1, bytes, n1);
    EXPECT_EQ(b->Unlock(p1, n1, nullptr, 0), DS_OK);
    return b;
  }
  IDirectSoundBuffer* Filled(const TVzorky& s) { return Filled(s.data(), (DWORD)(s.size() * 2)); }
  static DWORD Status(IDirectSoundBuffer* b) {
    DWORD st = 0;
    return b->GetStatus(&st) == DS_OK ? st : 99;
  }
  IDirectSound* ds = nullptr;
  std::vector<IDirectSoundBuffer*> buffers;
};

TEST_F(DSound, FormatsTheDeviceCannotTakeAreRefused) {
  const struct { WAVEFORMATEX f; DWORD bytes; HRESULT want; } cases[] = {
      {kMono16, 100, DS_OK}, {Format(2, 44100, 8), 100, DS_OK}, {Format(1, 22050, 32, 3), 100, DSERR_BADFORMAT},
      {Format(0, 22050, 16), 100, DSERR_BADFORMAT}, {Format(1, 22050, 24), 99, DSERR_BADFORMAT},
      {Format(9, 22050, 16), 180, DSERR_BADFORMAT}, {Format(1, 4000000, 16), 100, DSERR_BADFORMAT},
      {kMono16, 0, DSERR_INVALIDPARAM}, {kMono16, 0x10000000, DSERR_INVALIDPARAM},
  };
  for (const auto& c : cases) {
    IDirectSoundBuffer* b = reinterpret_cast<IDirectSoundBuffer*>(1);
    EXPECT_EQ(Create(c.f, c.bytes, &b), c.want) << (&c - cases);
    EXPECT_EQ(c.want == DS_OK, b != nullptr);
  }
  PLAT_AudioFakeDevice(false);
  IDirectSound* none = reinterpret_cast<IDirectSound*>(1);
  EXPECT_EQ(DirectSoundCreate(nullptr, &none, nullptr), DSERR_NODRIVER);
  EXPECT_EQ(none, nullptr);
}

TEST_F(DSound, LockGivesOneRegionOrTwoWhenItWraps) {
  IDirectSoundBuffer* b = nullptr;
  ASSERT_EQ(Create(kMono16, 10, &b), DS_OK);
  const struct { DWORD offset, bytes; HRESULT want; DWORD n1, n2; } cases[] = {
      {0, 10, DS_OK, 10, 0}, {2, 4, DS_OK, 4, 0}, {6, 8, DS_OK, 4, 4}, {9, 10, DS_OK, 1, 9},
      {10, 1, DSERR_INVALIDPARAM, 0, 0}, {0, 11, DSERR_INVALIDPARAM, 0, 0}, {3, 0, DSERR_INVALIDPARAM, 0, 0}};
  void* base = nullptr;
  DWORD n = 0;
  ASSERT_EQ(b->Lock(0, 10, &base, &n, nullptr, nullptr, 0), DS_OK);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << "+" << c.bytes);
    void *p1 = nullptr, *p2 = nullptr;
    DWORD n1 = 99, n2 = 99;
    EXPECT_EQ(b->Lock(c.offset, c.bytes, &p1, &n1, &p2, &n2, 0), c.want);
    EXPECT_TRUE(n1 == c.n1 && n2 == c.n2) << n1 << " " << n2;
    EXPECT_EQ(p1, c.want == DS_OK ? static_cast<BYTE*>(base) + c.offset : nullptr);
    EXPECT_EQ(p2, c.n2 ? base : nullptr);
  }
  EXPECT_EQ(b->Lock(6, 8, &base, &n, nullptr, nullptr, 0), DSERR_INVALIDPARAM) << "no room for the second region";
}

TEST_F(DSound, BuffersPlayOnceOrLoopFromTheirPositionAndSumSaturated) {
  IDirectSoundBuffer* a = Filled({30000, -30000, 100, 5});
  IDirectSoundBuffer* b = Filled({30000, -30000, -300});
  EXPECT_EQ(Mix(2), (TVzorky{0, 0})) << "nothing plays before Play";
  ASSERT_EQ(a->Play(0, 0, 0), DS_OK);
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  EXPECT_EQ(Status(a), (DWORD)DSBSTATUS_PLAYING);
  EXPECT_EQ(Mix(7), (TVzorky{32767, -32768, -200, 30005, -30000, -300, 30000}));
  EXPECT_EQ(Status(a), 0u) << "stopped at its end";
  ASSERT_EQ(b->Stop(), DS_OK);
  ASSERT_EQ(a->SetCurrentPosition(4), DS_OK);  // in bytes: the third sample
  ASSERT_EQ(a->Play(0, 0, 0), DS_OK);
  EXPECT_EQ(Mix(3), (TVzorky{100, 5, 0}));
  EXPECT_EQ(a->SetCurrentPosition(8), DSERR_INVALIDPARAM);
  const uint8_t u8[] = {0x80, 0xC0, 0x40, 0x80};  // eight-bit samples are centred on zero
  ASSERT_EQ(Filled(u8, 4, Format(1, 22050, 8))->Play(0, 0, 0), DS_OK);
  const TVzorky c = Mix(4);
  EXPECT_TRUE(c[0] == 0 && c[1] > 8000 && c[2] < -8000 && c[3] == 0) << c[1] << " " << c[2];
}

TEST_F(DSound, SamplesAreConvertedToTheDevicesRateAndChannels) {
  ds->Release();
  PLAT_AudioFakeDevice(true, 44100, 2);
  ASSERT_EQ(DirectSoundCreate(nullptr, &ds, nullptr), DS_OK);
  // 1024 frames: a length whose resampled tail SDL's stream would keep back at its flush.
  IDirectSoundBuffer* b = Filled(TVzorky(1024, 8000));
  ASSERT_EQ(b->Play(0, 0, 0), DS_OK);
  const TVzorky out = Mix(2047, 2);  // twice as many frames, the same on both channels
  for (int i = 50; i < 2000; i++) ASSERT_TRUE(std::abs(out[2 * i] - 8000) <= 80 && out[2 * i] == out[2 * i + 1]) << i;
  EXPECT_EQ(Status(b), (DWORD)DSBSTATUS_PLAYING);
  Mix(1, 2);
  EXPECT_EQ(Status(b), 0u);
}
}  // namespace
