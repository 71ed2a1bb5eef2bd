// The sound system as the viewer uses it: start-up, loading, playing, loss and the trace.
#include <string>
#include <vector>

#include "platform/resources.h"
#include "sound/wave.h"
#include "tests/bmpfiles/temp_folder.h"
#include "tests/sound/sound_fixture.h"
#include "tests/sound/wave_bytes.h"

namespace {

// The samples of a wave resource as the device plays them (same format as the fake device).
std::vector<int16_t> ResourceSamples(const char* name) {
  const BYTE* data = nullptr;
  DWORD size = 0;
  EXPECT_EQ(DSGetWaveResource(nullptr, name, nullptr, &data, &size), 1);
  std::vector<int16_t> s(size / 2);
  for (size_t i = 0; i < s.size(); i++) s[i] = (int16_t)(data[2 * i] | data[2 * i + 1] << 8);
  return s;
}

std::vector<int16_t> Head(const std::vector<int16_t>& s, size_t n) {
  return std::vector<int16_t>(s.begin(), s.begin() + std::min(n, s.size()));
}

class Zvuk : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    ASSERT_TRUE(tmp.Ok());
    ASSERT_EQ(DSO_INIT(nullptr), 1);
  }
  void TearDown() override {
    zvuk.ODSTRAN();
    zvuk2.ODSTRAN();
    DSO_lad_info_zap = 0;
    for (const char* n : added) PLAT_ResourceRemove(n, RT_WAVE);
    SoundTest::TearDown();
  }
  void AddWave(const char* name, const std::vector<uint8_t>& bytes) {
    PLAT_ResourceAdd(name, RT_WAVE, bytes.data(), bytes.size());
    added.push_back(name);
  }
  static std::vector<std::string> Trace() { return Riadky("DSO_INFO.txt"); }

  TTempFolder tmp;  // the trace file lands here
  CDSO_Zvuk zvuk;
  CDSO_Zvuk zvuk2;
  std::vector<const char*> added;
};

TEST_F(Zvuk, MixedOutputHoldsTheSoundsSamples) {
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  const std::vector<int16_t> mover = ResourceSamples("MOVER");
  ASSERT_EQ(mover.size(), 297u);
  std::vector<int16_t> out = Mix(300);
  EXPECT_EQ(Head(out, 297), mover);
  EXPECT_EQ(out[297], 0);
}

TEST_F(Zvuk, SpustiTwiceRestartsFromTheFirstSample) {
  ASSERT_EQ(zvuk.NAHRAJ("MDOWN"), 1);
  const std::vector<int16_t> mdown = ResourceSamples("MDOWN");
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  Mix(1000);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  EXPECT_EQ(Mix(2000), Head(mdown, 2000));
}

TEST_F(Zvuk, BothSoundsSoundTogether) {
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  ASSERT_EQ(zvuk2.NAHRAJ("MDOWN"), 1);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  ASSERT_EQ(zvuk2.SPUSTI(), 1);
  const std::vector<int16_t> a = ResourceSamples("MOVER");
  const std::vector<int16_t> b = ResourceSamples("MDOWN");
  const std::vector<int16_t> out = Mix(400);
  for (size_t i = 0; i < out.size(); i++)
    ASSERT_EQ(out[i], std::clamp((int)b[i] + (i < a.size() ? a[i] : 0), -32768, 32767)) << i;
}

TEST_F(Zvuk, NahrajOnALoadedObjectReleasesTheOldBufferFirst) {
  DSO_lad_info_zap = 1;
  ASSERT_EQ(zvuk.NAHRAJ("MDOWN"), 1);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  // The old sound no longer plays; the new one is loaded but not started.
  EXPECT_EQ(Mix(50), std::vector<int16_t>(50, 0));
  const std::vector<std::string> t = Trace();
  const std::vector<std::string> tail(t.end() - 4, t.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"NAHRAJ - BEG  [MOVER] ", "ODSTRAN  [MOVER] ",
                                           "NAHRAJ - DSLoadSoundBuffer OK  [MOVER] ", "NAHRAJ - END  [MOVER] "}));
}

TEST_F(Zvuk, NahrajOfAMissingResourceLeavesTheObjectEmpty) {
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  EXPECT_EQ(zvuk.NAHRAJ("NIKDE"), 0);
  EXPECT_EQ(zvuk.SBUFFER, nullptr);
  EXPECT_STREQ(zvuk.res_nazov, "NIKDE");
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  // Its own name given back to it is copied before the old copy goes.
  ASSERT_EQ(zvuk.NAHRAJ("MDOWN"), 1);
  EXPECT_EQ(zvuk.NAHRAJ(zvuk.res_nazov), 1);
  EXPECT_STREQ(zvuk.res_nazov, "MDOWN");
}

TEST_F(Zvuk, HostileOrUnplayableWavesAreNotLoaded) {
  const std::vector<uint8_t> tone = Samples16({100, 200, 300, 400});
  const std::vector<uint8_t> fmt = PcmMono16();
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"fmt of 14 bytes: no bits", SimpleWave(std::vector<uint8_t>(fmt.begin(), fmt.begin() + 14), tone)},
      {"fmt shorter than 14", SimpleWave(std::vector<uint8_t>(fmt.begin(), fmt.begin() + 12), tone)},
      {"zero-length data", SimpleWave(fmt, {})},
      {"float samples", SimpleWave(FormatRecord(3, 1, 22050, 32), tone)},
      {"no channels", SimpleWave(FormatRecord(1, 0, 22050, 16), tone)},
      {"no rate", SimpleWave(FormatRecord(1, 1, 0, 16), tone)},
      {"12 bits", SimpleWave(FormatRecord(1, 1, 22050, 12), tone)},
      {"data past the end", TWaveBytes().Chunk("fmt ", fmt).Header("data", 400000).Bytes(tone).Riff().Data()},
      {"L past the end, no data", TWaveBytes().Chunk("fmt ", fmt).RiffLength(0x7FFFFFFF).Data()},
      {"not a wave", {'R', 'I', 'F', 'F'}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AddWave("ZLY", c.bytes);
    EXPECT_EQ(zvuk.NAHRAJ("ZLY"), 0);
    EXPECT_EQ(zvuk.SBUFFER, nullptr);
    EXPECT_EQ(zvuk.SPUSTI(), 0);
  }
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

TEST_F(Zvuk, OddlyBuiltWaveStillPlays) {
  // "data" before "fmt ", an odd chunk with its pad byte and a RIFF length beyond the resource.
  AddWave("DIVNY", TWaveBytes()
                       .Chunk("LIST", {1, 2, 3})
                       .Chunk("data", Samples16({7, -7, 700}))
                       .Chunk("fmt ", PcmMono16())
                       .RiffLength(1000)
                       .Data());
  ASSERT_EQ(zvuk.NAHRAJ("DIVNY"), 1);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  EXPECT_EQ(Mix(4), (std::vector<int16_t>{7, -7, 700, 0}));
}

TEST_F(Zvuk, LostBufferIsRestoredRefilledAndPlayedOnceMore) {
  DSO_lad_info_zap = 1;
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  zvuk.SBUFFER->PLAT_Lose();
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  EXPECT_EQ(Head(Mix(297), 297), ResourceSamples("MOVER"));
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 2);
  const std::vector<std::string> t = Trace();
  const std::vector<std::string> tail(t.end() - 6, t.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"SPUSTI - A  [MOVER] ", "SPUSTI - B", "SPUSTI - C",
                                           "SPUSTI - D - Play padol, robim restore",
                                           "SPUSTI - E - Restore OK, robim Reload",
                                           "SPUSTI - F - Reload OK, robim Play"}));
}

TEST_F(Zvuk, FailedRecoveryReturnsZero) {
  std::vector<uint8_t> w = SimpleWave(PcmMono16(), Samples16({1, 2, 3}));
  // Restore refused; then the resource gone before the refill.
  AddWave("KRATKY", w);
  ASSERT_EQ(zvuk.NAHRAJ("KRATKY"), 1);
  zvuk.SBUFFER->PLAT_Lose();
  PLAT_FaultSet(PC_SoundRestore, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(zvuk.SPUSTI(), 0);

  DSO_lad_info_zap = 1;
  PLAT_ResourceRemove("KRATKY", RT_WAVE);
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  EXPECT_EQ(Trace().back(), "SPUSTI - G - Reload padol");
  EXPECT_EQ(Mix(3), std::vector<int16_t>(3, 0));
}

TEST_F(Zvuk, OtherPlayErrorsAreNotRetried) {
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  PLAT_FaultSet(PC_SoundPlay, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(zvuk.SPUSTI(), 0);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 1);
  EXPECT_EQ(PLAT_CallCount(PC_SoundRestore), 0);
}

TEST_F(Zvuk, BufferFailuresLeaveTheObjectEmpty) {
  const TPlatCall calls[] = {PC_CreateSoundBuffer, PC_SoundLock};
  for (TPlatCall c : calls) {
    SCOPED_TRACE(c);
    PLAT_FaultSet(c, 0, 1, DSERR_GENERIC);
    EXPECT_EQ(zvuk.NAHRAJ("MDOWN"), 0);
    EXPECT_EQ(zvuk.SBUFFER, nullptr);
    PLAT_FaultClear();
  }
}

TEST_F(Zvuk, TraceLinesHaveTheirExactForm) {
  DSO_lad_info_zap = 1;
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  zvuk.ODSTRAN();
  EXPECT_EQ(CitajSubor("DSO_INFO.txt"),
            "NAHRAJ - BEG  [MOVER] \n"
            "NAHRAJ - DSLoadSoundBuffer OK  [MOVER] \n"
            "NAHRAJ - END  [MOVER] \n"
            "SPUSTI - A  [MOVER] \n"
            "SPUSTI - B\n"
            "SPUSTI - C\n"
            "ODSTRAN  [MOVER] \n");
}

TEST_F(Zvuk, TraceIsOffByDefault) {
  EXPECT_EQ(DSO_lad_info_zap, 0);
  ASSERT_EQ(zvuk.NAHRAJ("MOVER"), 1);
  ASSERT_EQ(zvuk.SPUSTI(), 1);
  EXPECT_TRUE(TTempFolder::Obsah().empty());
}

class DsoInit : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    ASSERT_TRUE(tmp.Ok());
    DSO_lad_info_zap = 1;
  }
  void TearDown() override {
    DSO_lad_info_zap = 0;
    SoundTest::TearDown();
  }
  TTempFolder tmp;
};

TEST_F(DsoInit, ReadyOnceAndReadyAgain) {
  EXPECT_EQ(DSO_INIT(nullptr), 1);
  IDirectSound* first = lpDS;
  EXPECT_EQ(DSO_INIT(nullptr), 1);
  EXPECT_EQ(lpDS, first);
  EXPECT_EQ(Riadky("DSO_INFO.txt"),
            (std::vector<std::string>{"DSO_INIT A", "DSO_INIT B", "DSO_INIT C", "DSO_INIT D - ok", "DSO_INIT A"}));
}

TEST_F(DsoInit, NoDeviceSilencesEverythingWithoutAMessage) {
  PLAT_AudioFakeDevice(false);
  EXPECT_EQ(DSO_INIT(nullptr), 0);
  EXPECT_EQ(lpDS, nullptr);
  CDSO_Zvuk z;
  EXPECT_EQ(z.NAHRAJ("MOVER"), 0);
  EXPECT_EQ(z.SPUSTI(), 0);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
  const std::vector<std::string> t = Riadky("DSO_INFO.txt");
  EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 3),
            (std::vector<std::string>{"DSO_INIT A", "DSO_INIT B", "DSO_INIT BF - DirectSoundCreate padol"}));
}

TEST_F(DsoInit, RefusedCooperativeLevelReleasesDirectSound) {
  PLAT_FaultSet(PC_DSSetCooperativeLevel, 0, 1, DSERR_GENERIC);
  EXPECT_EQ(DSO_INIT(nullptr), 0);
  EXPECT_EQ(lpDS, nullptr);
  EXPECT_EQ(Riadky("DSO_INFO.txt"), (std::vector<std::string>{"DSO_INIT A", "DSO_INIT B", "DSO_INIT C", "DSO_DONE",
                                                              "DSO_INIT CF - SetCooperativeLevel padol"}));
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

}  // namespace
