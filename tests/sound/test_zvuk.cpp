// The sound system as the viewer uses it, through the memory backend's fake device, whose mixed
// output the tests read: start-up, loading, playing, recovering a lost buffer, failures.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/resources.h"
#include "sound/dso.h"
#include "sound/wave.h"
#include "tests/common/temp_folder.h"
#include "tests/sound/wave_bytes.h"

namespace {
// The first samples of a wave resource as the device plays them (the fake device has their format).
TVzorky Vzorky(const char* name, size_t n) {
  const BYTE* data = nullptr;
  DWORD size = 0;
  EXPECT_EQ(DSGetWaveResource(nullptr, name, nullptr, &data, &size), 1);
  TVzorky s(std::min<size_t>(size / 2, n));
  for (size_t i = 0; i < s.size(); i++) s[i] = (int16_t)(data[2 * i] | data[2 * i + 1] << 8);
  return s;
}

class Zvuk : public ZvukTest {
 protected:
  void SetUp() override {
    ZvukTest::SetUp();
    ASSERT_TRUE(tmp.Ok());
    ASSERT_EQ(DSO_INIT(nullptr), 1);
  }
  void TearDown() override {
    zvuk.ODSTRAN();
    zvuk2.ODSTRAN();
    PLAT_ResourceRemove("ZLY", RT_WAVE);
    DSO_DONE();
    ZvukTest::TearDown();
  }
  void Wave(const TBajty& bytes) { PLAT_ResourceAdd("ZLY", RT_WAVE, bytes.data(), bytes.size()); }
  TTempFolder tmp;  // where a trace file would land
  CDSO_Zvuk zvuk, zvuk2;
};

TEST_F(Zvuk, BothSoundsPlayTogetherAndRestartFromTheirStart) {
  IDirectSound* prvy = lpDS;
  ASSERT_EQ(DSO_INIT(nullptr), 1);
  EXPECT_EQ(lpDS, prvy) << "ready once";
  ASSERT_TRUE(zvuk.NAHRAJ("MOVER") && zvuk2.NAHRAJ("MDOWN") && zvuk.SPUSTI() && zvuk2.SPUSTI());
  const TVzorky a = Vzorky("MOVER", 1000), b = Vzorky("MDOWN", 400), out = Mix(400);
  ASSERT_EQ(a.size(), 297u);
  for (size_t i = 0; i < out.size(); i++)
    ASSERT_EQ(out[i], std::clamp((int)b[i] + (i < a.size() ? a[i] : 0), -32768, 32767)) << i;
  ASSERT_EQ(zvuk2.SPUSTI(), 1);
  EXPECT_EQ(Mix(2000), Vzorky("MDOWN", 2000));
  ASSERT_EQ(zvuk2.NAHRAJ("MOVER"), 1);
  EXPECT_EQ(Mix(50), TVzorky(50, 0)) << "loading again lets the old sound go";
  EXPECT_EQ(zvuk2.NAHRAJ(zvuk2.res_nazov), 1) << "its own name is copied before the old copy goes";
  EXPECT_EQ(zvuk2.NAHRAJ("NIKDE"), 0);
  EXPECT_EQ(zvuk2.SPUSTI(), 0);
  EXPECT_TRUE(TTempFolder::Obsah().empty()) << "no trace file unless asked for";
}

TEST_F(Zvuk, ALostBufferIsRestoredRefilledAndPlayedOnceMore) {
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  zvuk.SBUFFER->PLAT_Lose();
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  EXPECT_EQ(Mix(297), Vzorky("MOVER", 297));
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 2);
  // Restore refused; then the resource gone before the refill; then another play error.
  Wave(SimpleWave(PcmMono16(), {1, 0, 2, 0, 3, 0}));
  ASSERT_EQ(zvuk.NAHRAJ("ZLY"), 1);
  zvuk.SBUFFER->PLAT_Lose();
  PLAT_FaultSet(PC_SoundRestore, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  PLAT_ResourceRemove("ZLY", RT_WAVE);
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  EXPECT_EQ(Mix(3), TVzorky(3, 0));
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  PLAT_FaultClear();
  PLAT_FaultSet(PC_SoundPlay, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  EXPECT_EQ(PLAT_CallCount(PC_SoundRestore), 0) << "only a lost buffer is restored";
}

TEST_F(Zvuk, HostileWavesAndFailuresSilenceTheSoundWithoutAMessage) {
  const TBajty tone = {100, 0, 200, 0, 44, 1, 144, 1}, fmt = PcmMono16();
  for (const TBajty& c : {SimpleWave(TBajty(fmt.begin(), fmt.begin() + 14), tone),  // no bits
                          SimpleWave(fmt, {}), SimpleWave(FormatRecord(1, 1, 22050, 12), tone),
                          TWaveBytes().Chunk("fmt ", fmt).Header("data", 400000).Bytes(tone).Riff().Data()}) {
    Wave(c);
    EXPECT_EQ(zvuk.NAHRAJ("ZLY"), 0) << c.size();
    EXPECT_EQ(zvuk.SBUFFER, nullptr);
  }
  for (TPlatCall c : {PC_CreateSoundBuffer, PC_SoundLock}) {
    PLAT_FaultSet(c, 0, 1, DSERR_GENERIC);
    EXPECT_EQ(zvuk.NAHRAJ("MDOWN"), 0) << c;
    EXPECT_EQ(zvuk.SBUFFER, nullptr);
  }
  DSO_DONE();
  PLAT_FaultSet(PC_DSSetCooperativeLevel, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(DSO_INIT(nullptr), 0);
  EXPECT_EQ(lpDS, nullptr) << "released when the level is refused";
  PLAT_AudioFakeDevice(false);
  EXPECT_EQ(DSO_INIT(nullptr), 0);
  EXPECT_EQ(zvuk.NAHRAJ("MOVER"), 0);
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}
}  // namespace
