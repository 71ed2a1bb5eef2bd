// The DirectSound stand-in: buffers, lock regions, conversion for the device and mixing.
#include <tuple>

#include "sound/wave.h"
#include "tests/sound/wave_bytes.h"

namespace {
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
    EXPECT_EQ(Create(f, n, &b), DS_OK);
    EXPECT_TRUE(b && DSFillSoundBuffer(b, static_cast<const BYTE*>(bytes), n));
    return b;
  }
  IDirectSoundBuffer* Filled(const TVzorky& s) { return Filled(s.data(), (DWORD)(s.size() * 2)); }
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
    void *p1 = nullptr, *p2 = nullptr;
    DWORD n1 = 99, n2 = 99;
    const HRESULT hr = b->Lock(c.offset, c.bytes, &p1, &n1, &p2, &n2, 0);
    void* at = c.want == DS_OK ? static_cast<BYTE*>(base) + c.offset : nullptr;
    EXPECT_EQ(std::make_tuple(c.want, c.n1, c.n2, at, c.n2 ? base : nullptr), std::make_tuple(hr, n1, n2, p1, p2))
        << c.offset << "+" << c.bytes;
  }
  EXPECT_EQ(b->Lock(6, 8, &base, &n, nullptr, nullptr, 0), DSERR_INVALIDPARAM) << "no room for the second region";
}

TEST_F(DSound, BuffersPlayOnceOrLoopFromTheirPositionAndSumSaturated) {
  IDirectSoundBuffer* a = Filled({30000, -30000, 100, 5});
  IDirectSoundBuffer* b = Filled({30000, -30000, -300});
  EXPECT_EQ(Mix(2), (TVzorky{0, 0})) << "nothing plays before Play";
  ASSERT_EQ(a->Play(0, 0, 0), DS_OK);
  ASSERT_EQ(b->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
  EXPECT_EQ(Mix(7), (TVzorky{32767, -32768, -200, 30005, -30000, -300, 30000}));
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
  const TVzorky out = Mix(2049, 2);  // twice as many frames, the same on both channels, then silence
  for (int i = 50; i < 2000; i++) ASSERT_TRUE(std::abs(out[2 * i] - 8000) <= 80 && out[2 * i] == out[2 * i + 1]) << i;
  EXPECT_TRUE(out[2 * 2047] != 0 && out[2 * 2048] == 0) << out[2 * 2047];
}
}  // namespace
