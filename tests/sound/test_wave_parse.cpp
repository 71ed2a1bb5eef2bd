#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/wave.h"
#include "tests/sound/wave_bytes.h"

namespace {

const std::vector<uint8_t> kFmt = PcmMono16();
const std::vector<uint8_t> kData = {1, 2, 3, 4, 5, 6};

struct TParseCase {
  std::string name;
  std::vector<uint8_t> bytes;
  int32_t ok;
  long fmt_at;    // offset of the "fmt " record, -1 = none
  long data_at;   // offset of the samples, -1 = none
  DWORD size;
  DWORD fmt_len;
};

std::vector<TParseCase> Cases() {
  std::vector<TParseCase> c;
  c.push_back({"usual order", SimpleWave(kFmt, kData), 1, 20, 44, 6, 16});
  c.push_back({"data before fmt", TWaveBytes().Chunk("data", kData).Chunk("fmt ", kFmt).Riff().Data(), 1,
               34, 20, 6, 16});
  // "LIST" of 3 bytes plus its pad byte: "data" starts 12 bytes later.
  c.push_back({"odd chunk with pad byte",
               TWaveBytes().Chunk("fmt ", kFmt).Chunk("LIST", {9, 9, 9}).Chunk("data", kData).Riff().Data(), 1,
               20, 56, 6, 16});
  c.push_back({"first fmt and first data win",
               TWaveBytes()
                   .Chunk("fmt ", kFmt)
                   .Chunk("data", kData)
                   .Chunk("fmt ", FormatRecord(1, 2, 44100, 8))
                   .Chunk("data", {7, 7})
                   .Riff()
                   .Data(),
               1, 20, 44, 6, 16});
  c.push_back({"fmt of exactly 14 bytes",
               SimpleWave(std::vector<uint8_t>(kFmt.begin(), kFmt.begin() + 14), kData), 1, 20, 42, 6, 14});
  c.push_back({"zero-length data is found", SimpleWave(kFmt, {}), 1, 20, 44, 0, 16});
  // The chunk area ends exactly at 8 + L; the "data" behind it is not part of the RIFF.
  {
    TWaveBytes w;
    w.Chunk("fmt ", kFmt).Riff().Chunk("data", kData);
    c.push_back({"data beyond 8 + L not found", w.Data(), 0, -1, -1, 0, 0});
  }
  c.push_back({"L larger than the resource, chunks inside",
               TWaveBytes().Chunk("fmt ", kFmt).Chunk("data", kData).RiffLength(100000).Data(), 1, 20, 44, 6, 16});
  c.push_back({"L larger than the resource, no data",
               TWaveBytes().Chunk("fmt ", kFmt).RiffLength(0xFFFFFFFF).Data(), 0, -1, -1, 0, 0});
  c.push_back({"data length past the end",
               TWaveBytes().Chunk("fmt ", kFmt).Header("data", 1000).Bytes(kData).Riff().Data(), 0, -1, -1, 0, 0});
  c.push_back({"fmt length past the end", TWaveBytes().Header("fmt ", 0xFFFFFFF0).Bytes(kFmt).Riff().Data(), 0,
               -1, -1, 0, 0});
  // 0xFFFFFFFF rounded up to even must not wrap the walk back to the start.
  c.push_back({"chunk length that would wrap",
               TWaveBytes().Header("junk", 0xFFFFFFFF).Chunk("fmt ", kFmt).Chunk("data", kData).Riff().Data(), 0,
               -1, -1, 0, 0});
  c.push_back({"chunk header cut short", TWaveBytes().Chunk("fmt ", kFmt).Bytes({'d', 'a'}).Riff().Data(), 0, -1, -1, 0, 0});
  c.push_back({"fmt shorter than 14 bytes", SimpleWave(std::vector<uint8_t>(kFmt.begin(), kFmt.begin() + 13), kData),
               0, -1, -1, 0, 0});
  c.push_back({"no data chunk", TWaveBytes().Chunk("fmt ", kFmt).Riff().Data(), 0, -1, -1, 0, 0});
  c.push_back({"no fmt chunk", TWaveBytes().Chunk("data", kData).Riff().Data(), 0, -1, -1, 0, 0});
  c.push_back({"not RIFF", [] {
                 std::vector<uint8_t> b = SimpleWave(kFmt, kData);
                 b[0] = 'X';
                 return b;
               }(),
               0, -1, -1, 0, 0});
  c.push_back({"not WAVE", [] {
                 std::vector<uint8_t> b = SimpleWave(kFmt, kData);
                 b[11] = 'X';
                 return b;
               }(),
               0, -1, -1, 0, 0});
  c.push_back({"only the RIFF header", TWaveBytes().Riff().Data(), 0, -1, -1, 0, 0});
  c.push_back({"shorter than the RIFF header", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V'}, 0, -1, -1, 0, 0});
  return c;
}

class WaveParse : public ::testing::TestWithParam<TParseCase> {};

TEST_P(WaveParse, FindsWhatLiesInsideTheResourceOnly) {
  const TParseCase& c = GetParam();
  // A copy of exactly the resource's size: ASan catches any read behind it.
  const std::vector<uint8_t> bytes = c.bytes;
  const WAVEFORMATEX* fmt = reinterpret_cast<const WAVEFORMATEX*>(1);
  const BYTE* data = reinterpret_cast<const BYTE*>(1);
  DWORD size = 77;
  DWORD fmt_len = 77;
  EXPECT_EQ(DSParseWaveResource(bytes.data(), bytes.size(), &fmt, &data, &size, &fmt_len), c.ok);
  if (!c.ok) return;
  const BYTE* base = bytes.data();
  EXPECT_EQ(reinterpret_cast<const BYTE*>(fmt), c.fmt_at < 0 ? nullptr : base + c.fmt_at);
  EXPECT_EQ(data, c.data_at < 0 ? nullptr : base + c.data_at);
  EXPECT_EQ(size, c.size);
  EXPECT_EQ(fmt_len, c.fmt_len);
}

INSTANTIATE_TEST_SUITE_P(Cases, WaveParse, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TParseCase>& i) {
                           std::string n = i.param.name;
                           for (char& ch : n)
                             if (!isalnum((unsigned char)ch)) ch = '_';
                           return n;
                         });

TEST(WaveParseOut, FailureClearsEveryOutArgument) {
  const std::vector<uint8_t> b = TWaveBytes().Chunk("fmt ", kFmt).Riff().Data();
  const WAVEFORMATEX* fmt = reinterpret_cast<const WAVEFORMATEX*>(1);
  const BYTE* data = reinterpret_cast<const BYTE*>(1);
  DWORD size = 5;
  DWORD fmt_len = 5;
  EXPECT_EQ(DSParseWaveResource(b.data(), b.size(), &fmt, &data, &size, &fmt_len), 0);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(DSParseWaveResource(nullptr, 100, &fmt, &data, &size, &fmt_len), 0);
  EXPECT_EQ(fmt, nullptr);
  EXPECT_EQ(fmt_len, 0u);
}

TEST(WaveParseOut, SamplesAloneNeedNoFormat) {
  // The refill after a loss asks only for the samples: a short or missing "fmt " is no matter.
  const std::vector<uint8_t> b =
      TWaveBytes().Chunk("fmt ", {1, 2}).Chunk("data", kData).Riff().Data();
  const BYTE* data = nullptr;
  DWORD size = 0;
  EXPECT_EQ(DSParseWaveResource(b.data(), b.size(), nullptr, &data, &size), 1);
  EXPECT_EQ(data, b.data() + 30);
  EXPECT_EQ(size, 6u);
  const WAVEFORMATEX* fmt = nullptr;
  EXPECT_EQ(DSParseWaveResource(b.data(), b.size(), &fmt, nullptr, nullptr), 0);
}

TEST(WaveParseOut, FormatAloneStopsAtTheFmtChunk) {
  const std::vector<uint8_t> b = TWaveBytes().Chunk("fmt ", kFmt).Header("data", 1000).Riff().Data();
  const WAVEFORMATEX* fmt = nullptr;
  EXPECT_EQ(DSParseWaveResource(b.data(), b.size(), &fmt, nullptr, nullptr), 1);
  ASSERT_NE(fmt, nullptr);
  EXPECT_EQ(fmt->nSamplesPerSec, 22050u);
  EXPECT_EQ(fmt->wBitsPerSample, 16);
}

TEST(WaveResource, TheProgramsOwnWavesAreMonoPcmOfTheirLength) {
  const struct {
    const char* name;
    DWORD bytes;
  } waves[] = {{"MOVER", 594}, {"MDOWN", 12882}, {"mover", 594}};
  for (const auto& w : waves) {
    SCOPED_TRACE(w.name);
    const WAVEFORMATEX* fmt = nullptr;
    const BYTE* data = nullptr;
    DWORD size = 0;
    DWORD fmt_len = 0;
    ASSERT_EQ(DSGetWaveResource(nullptr, w.name, &fmt, &data, &size, &fmt_len), 1);
    EXPECT_EQ(size, w.bytes);
    EXPECT_EQ(fmt_len, 16u);
    EXPECT_EQ(fmt->wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(fmt->nChannels, 1);
    EXPECT_EQ(fmt->nSamplesPerSec, 22050u);
    EXPECT_EQ(fmt->wBitsPerSample, 16);
  }
  EXPECT_EQ(DSGetWaveResource(nullptr, "NIKDE", nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(DSGetWaveResource(nullptr, nullptr, nullptr, nullptr, nullptr), 0);
}

}  // namespace
