// Generates the program's two click sounds as RIFF/WAVE files, mono 16-bit PCM at
// 22050 Hz: "MOVER.wav", a very short soft tick for the pointer moving onto a list row,
// and "MDOWN.wav", a lower, slightly longer pop for a click.
// Usage: gen_waves [output folder]   (default "resources")
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const int kRate = 22050;
const double kPi = 3.14159265358979323846;

// One decaying sine partial whose pitch glides from f0 to f1 over the sound.
struct TPartial {
  double f0;
  double f1;
  double gain;
  double decay_s;  // time constant of the exponential decay
};

// A raised-cosine ramp over `n` samples at both ends keeps the edges free of clicks.
double Edge(int i, int count, int fade_in, int fade_out) {
  double g = 1.0;
  if (i < fade_in) g *= 0.5 - 0.5 * std::cos(kPi * i / fade_in);
  const int from_end = count - 1 - i;
  if (from_end < fade_out) g *= 0.5 - 0.5 * std::cos(kPi * from_end / fade_out);
  return g;
}

// Sums the partials, shapes the ends and scales the peak to `peak_db` below full scale.
std::vector<int16_t> Synth(int count, const std::vector<TPartial>& partials, int fade_in, int fade_out,
                           double peak_db) {
  std::vector<double> x(count, 0.0);
  for (const TPartial& p : partials) {
    double phase = 0.0;
    for (int i = 0; i < count; i++) {
      const double t = (double)i / kRate;
      const double f = p.f0 + (p.f1 - p.f0) * i / count;
      phase += 2.0 * kPi * f / kRate;
      x[i] += p.gain * std::exp(-t / p.decay_s) * std::sin(phase);
    }
  }
  double peak = 0.0;
  for (int i = 0; i < count; i++) {
    x[i] *= Edge(i, count, fade_in, fade_out);
    peak = std::fmax(peak, std::fabs(x[i]));
  }
  const double scale = peak > 0.0 ? std::pow(10.0, peak_db / 20.0) * 32767.0 / peak : 0.0;
  std::vector<int16_t> out(count);
  for (int i = 0; i < count; i++) out[i] = (int16_t)std::lround(x[i] * scale);
  return out;
}

void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8);
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

void PutId(std::vector<uint8_t>& b, const char* id) { b.insert(b.end(), id, id + 4); }

bool WriteWave(const std::string& path, const std::vector<int16_t>& samples) {
  const uint32_t data_bytes = (uint32_t)samples.size() * 2;
  std::vector<uint8_t> b;
  PutId(b, "RIFF");
  Put32(b, 4 + 8 + 16 + 8 + data_bytes);
  PutId(b, "WAVE");
  PutId(b, "fmt ");
  Put32(b, 16);
  Put16(b, 1);            // PCM
  Put16(b, 1);            // mono
  Put32(b, kRate);
  Put32(b, kRate * 2);    // bytes a second
  Put16(b, 2);            // bytes a frame
  Put16(b, 16);           // bits a sample
  PutId(b, "data");
  Put32(b, data_bytes);
  for (int16_t s : samples) Put16(b, (uint16_t)s);
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = fwrite(b.data(), 1, b.size(), f) == b.size();
  return fclose(f) == 0 && written;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "resources";
  // 297 samples (594 bytes, 13 ms): a bright but quiet tick.
  const std::vector<int16_t> mover =
      Synth(297, {{2400, 2200, 1.0, 0.004}, {4800, 4400, 0.25, 0.002}}, 22, 60, -12.0);
  // 6441 samples (12882 bytes, 0.29 s): a round pop that falls in pitch and dies away.
  const std::vector<int16_t> mdown = Synth(
      6441, {{520, 300, 1.0, 0.045}, {1040, 600, 0.35, 0.018}, {2600, 2000, 0.12, 0.004}}, 44, 1100, -6.0);
  if (!WriteWave(dir + "/MOVER.wav", mover) || !WriteWave(dir + "/MDOWN.wav", mdown)) {
    fprintf(stderr, "gen_waves: cannot write the waves into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
