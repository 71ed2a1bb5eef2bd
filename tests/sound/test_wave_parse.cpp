// Walking a wave resource's chunks: what is found, and every length that would lead outside.
#include <gtest/gtest.h>

#include <tuple>

#include "sound/wave.h"
#include "tests/sound/wave_bytes.h"

namespace {
const TBajty kFmt = PcmMono16(), kData = {1, 2, 3, 4, 5, 6};
TWaveBytes Fmt() { return TWaveBytes().Chunk("fmt ", kFmt); }
TBajty Zmen(TBajty b, size_t at) {
  b[at] = 'X';
  return b;
}

// The parse of exactly these bytes (ASan sees any read behind them) after starting from garbage:
// its result, then the format record and the samples as offsets into them (−1: null), the sizes.
std::tuple<int32_t, long, long, DWORD, DWORD> Rozober(const TBajty& bytes) {
  const BYTE* base = bytes.empty() ? nullptr : bytes.data();
  const WAVEFORMATEX* fmt = reinterpret_cast<const WAVEFORMATEX*>(1);
  const BYTE* data = reinterpret_cast<const BYTE*>(1);
  DWORD size = 77, fmt_len = 77;
  const int32_t ok = DSParseWaveResource(base, bytes.size(), &fmt, &data, &size, &fmt_len);
  auto at = [base](const void* p) { return p ? (long)(static_cast<const BYTE*>(p) - base) : -1; };
  return {ok, at(fmt), at(data), size, fmt_len};
}

TEST(WaveParse, FindsTheFirstFormatAndSamplesInsideTheRiff) {
  const struct { const char* name; TBajty bytes; long fmt_at, data_at; DWORD size, fmt_len; } cases[] = {
      {"usual order", SimpleWave(kFmt, kData), 20, 44, 6, 16},
      {"data before fmt", TWaveBytes().Chunk("data", kData).Chunk("fmt ", kFmt).Riff().Data(), 34, 20, 6, 16},
      // "LIST" of 3 bytes plus its pad byte: "data" starts 12 bytes later
      {"odd chunk", Fmt().Chunk("LIST", {9, 9, 9}).Chunk("data", kData).Riff().Data(), 20, 56, 6, 16},
      {"first ones win", Fmt().Chunk("data", kData).Chunk("fmt ", kFmt).Chunk("data", {7, 7}).Riff().Data(), 20, 44, 6, 16},
      {"fmt of 14 bytes", SimpleWave(TBajty(kFmt.begin(), kFmt.begin() + 14), kData), 20, 42, 6, 14},
      {"empty data", SimpleWave(kFmt, {}), 20, 44, 0, 16},
      {"L past the resource", Fmt().Chunk("data", kData).RiffLength(100000).Data(), 20, 44, 6, 16},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::make_tuple(1, c.fmt_at, c.data_at, c.size, c.fmt_len), Rozober(c.bytes)) << c.name;
}

TEST(WaveParse, RefusesWhatLiesOutsideOrIsMissing) {
  const std::pair<const char*, TBajty> cases[] = {
      {"data behind 8 + L", Fmt().Riff().Chunk("data", kData).Data()},
      {"L past the resource, no data", Fmt().RiffLength(0xFFFFFFFF).Data()},
      {"data length past the end", Fmt().Header("data", 1000).Bytes(kData).Riff().Data()},
      {"fmt length past the end", TWaveBytes().Header("fmt ", 0xFFFFFFF0).Bytes(kFmt).Riff().Data()},
      // 0xFFFFFFFF rounded up to even must not wrap the walk back to the start
      {"length that would wrap", TWaveBytes().Header("junk", 0xFFFFFFFF).Chunk("fmt ", kFmt).Chunk("data", kData).Riff().Data()},
      {"chunk header cut short", Fmt().Bytes({'d', 'a'}).Riff().Data()},
      {"fmt of 13 bytes", SimpleWave(TBajty(kFmt.begin(), kFmt.begin() + 13), kData)},
      {"no data", Fmt().Riff().Data()},
      {"no fmt", TWaveBytes().Chunk("data", kData).Riff().Data()},
      {"not RIFF", Zmen(SimpleWave(kFmt, kData), 0)},
      {"not WAVE", Zmen(SimpleWave(kFmt, kData), 11)},
      {"only the RIFF header", TWaveBytes().Riff().Data()},
      {"shorter than the RIFF header", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}},
  };
  for (const auto& c : cases) EXPECT_EQ(0, std::get<0>(Rozober(c.second))) << c.first;
  // Refused before the walk: nothing is left for the caller to follow.
  EXPECT_EQ(std::make_tuple(0, -1L, -1L, 0u, 0u), Rozober({}));
}

// The refill after a loss asks only for the samples, a buffer's format only for the record.
TEST(WaveParse, OneHalfAloneNeedsOnlyItsOwnChunk) {
  const TBajty b = TWaveBytes().Chunk("fmt ", {1, 2}).Chunk("data", kData).Riff().Data();
  const BYTE* data = nullptr;
  DWORD size = 0;
  EXPECT_EQ(DSParseWaveResource(b.data(), b.size(), nullptr, &data, &size), 1);
  EXPECT_TRUE(data == b.data() + 30 && size == 6u);
  const TBajty f = Fmt().Header("data", 1000).Riff().Data();
  const WAVEFORMATEX* fmt = nullptr;
  EXPECT_EQ(DSParseWaveResource(f.data(), f.size(), &fmt, nullptr, nullptr), 1);
  EXPECT_TRUE(fmt != nullptr && fmt->nSamplesPerSec == 22050u);
}
}  // namespace
