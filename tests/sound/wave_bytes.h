// Builds RIFF/WAVE bytes chunk by chunk, so that tests can shape every length.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dsound.h"

class TWaveBytes {
 public:
  // "RIFF", L, "WAVE"; L is patched by Riff() unless given.
  TWaveBytes() { Id("RIFF").U32(0).Id("WAVE"); }

  TWaveBytes& Id(const char* id) {
    b_.insert(b_.end(), id, id + 4);
    return *this;
  }
  TWaveBytes& U16(uint16_t v) {
    b_.push_back(v & 0xFF);
    b_.push_back(v >> 8);
    return *this;
  }
  TWaveBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  TWaveBytes& Bytes(const std::vector<uint8_t>& d) {
    b_.insert(b_.end(), d.begin(), d.end());
    return *this;
  }
  // A chunk with its real length, padded to even.
  TWaveBytes& Chunk(const char* id, const std::vector<uint8_t>& d) {
    Id(id).U32((uint32_t)d.size()).Bytes(d);
    if (d.size() & 1) b_.push_back(0);
    return *this;
  }
  // A chunk header that claims `n` bytes, whatever follows.
  TWaveBytes& Header(const char* id, uint32_t n) { return Id(id).U32(n); }
  // The RIFF length covering everything written so far, or a given one.
  TWaveBytes& Riff() { return RiffLength((uint32_t)b_.size() - 8); }
  TWaveBytes& RiffLength(uint32_t l) {
    for (int i = 0; i < 4; i++) b_[4 + i] = (uint8_t)(l >> (8 * i));
    return *this;
  }
  size_t Size() const { return b_.size(); }
  const std::vector<uint8_t>& Data() const { return b_; }

 private:
  std::vector<uint8_t> b_;
};

// A 16-byte "fmt " record.
inline std::vector<uint8_t> FormatRecord(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  const uint16_t align = (uint16_t)(channels * bits / 8);
  std::vector<uint8_t> r;
  auto put = [&r](uint32_t v, int n) {
    for (int i = 0; i < n; i++) r.push_back((uint8_t)(v >> (8 * i)));
  };
  put(tag, 2);
  put(channels, 2);
  put(rate, 4);
  put(rate * align, 4);
  put(align, 2);
  put(bits, 2);
  return r;
}

inline std::vector<uint8_t> PcmMono16() { return FormatRecord(WAVE_FORMAT_PCM, 1, 22050, 16); }

// Little-endian bytes of 16-bit samples.
inline std::vector<uint8_t> Samples16(const std::vector<int16_t>& s) {
  std::vector<uint8_t> r;
  for (int16_t v : s) {
    r.push_back((uint8_t)((uint16_t)v & 0xFF));
    r.push_back((uint8_t)((uint16_t)v >> 8));
  }
  return r;
}

// A whole usual wave: "fmt " then "data".
inline std::vector<uint8_t> SimpleWave(const std::vector<uint8_t>& format, const std::vector<uint8_t>& data) {
  return TWaveBytes().Chunk("fmt ", format).Chunk("data", data).Riff().Data();
}
