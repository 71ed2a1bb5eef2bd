// RIFF/WAVE bytes built chunk by chunk, so that tests can shape every length; a memory-backend
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

class TWaveBytes {
 public:
  TWaveBytes() { Id("RIFF").U32(0).Id("WAVE"); }  // the RIFF length is patched by Riff()
  TWaveBytes& Id(const char* id) { return Bytes(TBajty(id, id + 4)); }
  TWaveBytes& U32(uint32_t v) { return Bytes({(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)}); }
  TWaveBytes& Bytes(const TBajty& d) {
    b_.insert(b_.end(), d.begin(), d.end());
    return *this;
  }
  // A chunk with its real length, padded to even.
  TWaveBytes& Chunk(const char* id, const TBajty& d) { return Id(id).U32((uint32_t)d.size()).Bytes(d).Bytes(TBajty(d.size() & 1)); }
  // A chunk header that claims `n` bytes, whatever follows.
  TWaveBytes& Header(const char* id, uint32_t n) { return Id(id).U32(n); }
  TWaveBytes& Riff() { return RiffLength((uint32_t)b_.size() - 8); }
  TWaveBytes& RiffLength(uint32_t l) {
    for (int i = 0; i < 4; i++) b_[4 + i] = (uint8_t)(l >> (8 * i));
    return *this;
  }
  const TBajty& Data() const { return b_; }

 private:
  TBajty b_;
};

// A 16-byte "fmt " record.
inline TBajty FormatRecord(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  const uint32_t align = channels * bits / 8;
  TWaveBytes w;
  w.U32(tag | (uint32_t)channels << 16).U32(rate).U32(rate * align).U32(align | (uint32_t)bits << 16);
  return TBajty(w.Data().begin() + 12, w.Data().end());
}
inline TBajty PcmMono16() { return FormatRecord(WAVE_FORMAT_PCM, 1, 22050, 16); }
inline TBajty SimpleWave(const TBajty& format, const TBajty& data) {
  return TWaveBytes().Chunk("fmt ", format).Chunk("data", data).Riff().Data();
}
