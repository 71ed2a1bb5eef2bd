// Walking a wave resource's chunks: what is found, and every length that would lead outside.
#include <gtest/gtest.h>

#include <tuple>

#include "sound/wave.h"
#include "tests/sound/wave_bytes.h"

namespace {
const TBajty kFmt = PcmMono16(), kData = {1, 2, 3, 4, 5, 6};
const TBajty kFmtChunk = Chunk("fmt ", kFmt);
TBajty Zmen(TBajty b, size_t at) {
  b[at] = 'X';
  return b;
}

// The parse of exactly these bytes (ASan sees any read behind them) after starting from garbage,
// asking for the format record (`co` & 1), the samples (`co` & 2) or both: its result, then the
// record and the samples as offsets into the bytes (−1: null or not asked for), the sizes.
std::tuple<int32_t, long, long, DWORD, DWORD> Rozober(const TBajty& bytes, int co = 3) {
  const BYTE* base = bytes.empty() ? nullptr : bytes.data();
  const WAVEFORMATEX* fmt = reinterpret_cast<const WAVEFORMATEX*>(1);
  const BYTE* data = reinterpret_cast<const BYTE*>(1);
  DWORD size = 77, fmt_len = 77;
  const int32_t ok = DSParseWaveResource(base, bytes.size(), co & 1 ? &fmt : nullptr, co & 2 ? &data : nullptr,
                                         co & 2 ? &size : nullptr, &fmt_len);
  auto at = [base](const void* p) { return p ? (long)(static_cast<const BYTE*>(p) - base) : -1; };
  return {ok, co & 1 ? at(fmt) : -1, co & 2 ? at(data) : -1, co & 2 ? size : 0, fmt_len};
}

TEST(WaveParse, FindsTheFirstFormatAndSamplesInsideTheRiff) {
  const struct { const char* name; TBajty bytes; long fmt_at, data_at; DWORD size, fmt_len; int co = 3; } cases[] = {
      {"usual order", SimpleWave(kFmt, kData), 20, 44, 6, 16},
      {"data before fmt", Riff(Chunk("data", kData) + kFmtChunk), 34, 20, 6, 16},
      // "LIST" of 3 bytes plus its pad byte: "data" starts 12 bytes later
      {"odd chunk", Riff(kFmtChunk + Chunk("LIST", {9, 9, 9}) + Chunk("data", kData)), 20, 56, 6, 16},
      {"first ones win", Riff(kFmtChunk + Chunk("data", kData) + kFmtChunk + Chunk("data", {7, 7})), 20, 44, 6, 16},
      {"fmt of 14 bytes", SimpleWave(TBajty(kFmt.begin(), kFmt.begin() + 14), kData), 20, 42, 6, 14},
      {"empty data", SimpleWave(kFmt, {}), 20, 44, 0, 16},
      {"L past the resource", Riff(kFmtChunk + Chunk("data", kData), 100000), 20, 44, 6, 16},
      // the refill after a loss asks only for the samples: a short "fmt " is not looked at
      {"samples alone", SimpleWave({1, 2}, kData), -1, 30, 6, 0, 2},
      // nor a "data" running past the end when only the record is asked for
      {"format alone", Riff(kFmtChunk + Hlavicka("data", 1000)), 20, -1, 0, 16, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::make_tuple(1, c.fmt_at, c.data_at, c.size, c.fmt_len), Rozober(c.bytes, c.co)) << c.name;
}

TEST(WaveParse, RefusesWhatLiesOutsideOrIsMissing) {
  const std::pair<const char*, TBajty> cases[] = {
      {"data behind 8 + L", Riff(kFmtChunk) + Chunk("data", kData)},
      {"L past the resource, no data", Riff(kFmtChunk, 0xFFFFFFFF)},
      {"data length past the end", Riff(kFmtChunk + Hlavicka("data", 1000) + kData)},
      {"fmt length past the end", Riff(Hlavicka("fmt ", 0xFFFFFFF0) + kFmt)},
      // 0xFFFFFFFF rounded up to even must not wrap the walk back to the start
      {"length that would wrap", Riff(Hlavicka("junk", 0xFFFFFFFF) + kFmtChunk + Chunk("data", kData))},
      {"chunk header cut short", Riff(kFmtChunk + TBajty{'d', 'a'})},
      {"fmt of 13 bytes", SimpleWave(TBajty(kFmt.begin(), kFmt.begin() + 13), kData)},
      {"no data", Riff(kFmtChunk)},
      {"no fmt", Riff(Chunk("data", kData))},
      {"not RIFF", Zmen(SimpleWave(kFmt, kData), 0)},
      {"not WAVE", Zmen(SimpleWave(kFmt, kData), 11)},
      {"only the RIFF header", Riff({})},
      {"shorter than the RIFF header", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}},
  };
  for (const auto& c : cases) EXPECT_EQ(0, std::get<0>(Rozober(c.second))) << c.first;
  // Refused before the walk: nothing is left for the caller to follow.
  EXPECT_EQ(std::make_tuple(0, -1L, -1L, 0u, 0u), Rozober({}));
}
}  // namespace
