// RIFF/WAVE bytes put together chunk by chunk, so that tests can shape every length; a memory-backend
// run with a fake sound device of 22050 Hz mono, and what that device mixes.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/backend.h"
#include "platform/dsound.h"
#include "platform/fault.h"

typedef std::vector<uint8_t> TBajty;
typedef std::vector<int16_t> TVzorky;

// The next `frames` frames of `channels` samples the fake device plays.
inline TVzorky Mix(int frames, int channels = 1) {
  TVzorky out((size_t)frames * channels, 12345);
  PLAT_AudioMix(out.data(), frames);
  return out;
}

class ZvukTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PLAT_FaultClear();
    ASSERT_EQ(PLAT_Init(PLAT_MEMORY, TPlatOptions()), 1);
    PLAT_AudioFakeDevice(true, 22050, 1);
  }
  void TearDown() override {
    PLAT_FaultClear();
    PLAT_AudioFakeDevice(false);
    PLAT_Shutdown();
  }
};

inline WAVEFORMATEX Format(WORD ch, DWORD rate, WORD bits, WORD tag = WAVE_FORMAT_PCM) {
  return WAVEFORMATEX{tag, ch, rate, rate * ch * bits / 8, (WORD)(ch * bits / 8), bits, 0};
}
// Its 16-byte "fmt " record.
inline TBajty Zaznam(const WAVEFORMATEX& f) { return TBajty((const uint8_t*)&f, (const uint8_t*)&f + 16); }
inline TBajty PcmMono16() { return Zaznam(Format(1, 22050, 16)); }

inline TBajty operator+(TBajty a, const TBajty& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// A chunk header that claims `n` bytes, whatever follows.
inline TBajty Hlavicka(const char* id, uint32_t n) {
  return TBajty(id, id + 4) + TBajty{(uint8_t)n, (uint8_t)(n >> 8), (uint8_t)(n >> 16), (uint8_t)(n >> 24)};
}
// A chunk with its real length, padded to even.
inline TBajty Chunk(const char* id, const TBajty& d) { return Hlavicka(id, (uint32_t)d.size()) + d + TBajty(d.size() & 1); }
// The chunks after "RIFF" and "WAVE"; the RIFF length counts them unless it is given.
inline TBajty Riff(const TBajty& chunks, int64_t dlzka = -1) {
  return Hlavicka("RIFF", (uint32_t)(dlzka < 0 ? (int64_t)chunks.size() + 4 : dlzka)) + TBajty{'W', 'A', 'V', 'E'} + chunks;
}
inline TBajty SimpleWave(const TBajty& format, const TBajty& data) { return Riff(Chunk("fmt ", format) + Chunk("data", data)); }
