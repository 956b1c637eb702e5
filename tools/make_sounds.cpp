// Generates the program's three short sounds as wave files (16-bit PCM,
// mono, 22050 Hz), so that no recording has to be kept in the repository:
//   start.wav   a soft two-note chime played at start-up
//   blikup.wav  a short rising blip for the very first start
//   coins.wav   a few bright metallic clicks, like coins, for an income
//
// Usage: make_sounds OUTPUT_FOLDER
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

Samples Silence(double seconds) {
    return Samples(size_t(seconds * kRate), 0.0);
}

// Adds a decaying tone with a few harmonics at `start` seconds. A bell-like
// tone is mostly its fundamental with quieter, faster-fading overtones.
void AddChimeNote(Samples& s, double start, double freq, double seconds, double gain) {
    const size_t from = size_t(start * kRate);
    const size_t count = size_t(seconds * kRate);
    const double partials[][3] = {// ratio, level, decay per second
                                  {1.0, 1.0, 3.5},
                                  {2.0, 0.35, 6.0},
                                  {3.0, 0.12, 9.0}};
    for (size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (const auto& p : partials)
            v += p[1] * std::exp(-p[2] * t) * std::sin(2 * kPi * freq * p[0] * t);
        // A 4 ms attack avoids a click at the onset.
        const double attack = std::min(1.0, t / 0.004);
        s[from + i] += gain * attack * v;
    }
}

// A blip whose pitch glides upwards, with a round sine envelope.
void AddBlip(Samples& s, double start, double f0, double f1, double seconds, double gain) {
    const size_t from = size_t(start * kRate);
    const size_t count = size_t(seconds * kRate);
    double phase = 0;
    for (size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double x = double(i) / double(count);
        const double freq = f0 * std::pow(f1 / f0, x);
        phase += 2 * kPi * freq / kRate;
        const double envelope = std::sin(kPi * x);
        s[from + i] += gain * envelope * (std::sin(phase) + 0.2 * std::sin(2 * phase));
    }
}

// A metallic click: inharmonic partials that die within a few tens of
// milliseconds, plus a touch of noise for the strike.
void AddClick(Samples& s, double start, double pitch, double gain, uint32_t& seed) {
    const size_t from = size_t(start * kRate);
    const size_t count = size_t(0.12 * kRate);
    const double ratios[] = {1.0, 1.52, 2.11, 2.87};
    const double levels[] = {1.0, 0.7, 0.45, 0.3};
    for (size_t i = 0; i < count && from + i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0;
        for (int k = 0; k < 4; ++k)
            v += levels[k] * std::exp(-(28.0 + 10 * k) * t) *
                 std::sin(2 * kPi * pitch * ratios[k] * t);
        seed = seed * 1664525u + 1013904223u;  // fixed seed: the same file every build
        const double noise = (double(seed >> 8) / double(1u << 24)) * 2 - 1;
        v += 0.25 * noise * std::exp(-400 * t);
        const double attack = std::min(1.0, t / 0.001);
        s[from + i] += gain * attack * v;
    }
}

// Scales the sound to a comfortable peak and fades both ends.
void Finish(Samples& s, double peak, double fadeIn, double fadeOut) {
    double max = 0;
    for (double v : s) max = std::max(max, std::abs(v));
    if (max > 0)
        for (double& v : s) v *= peak / max;
    const size_t in = std::min(s.size(), size_t(fadeIn * kRate));
    const size_t out = std::min(s.size(), size_t(fadeOut * kRate));
    for (size_t i = 0; i < in; ++i) s[i] *= double(i) / double(in);
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= double(i) / double(out);
}

void PutLE(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xFF);
}

bool WriteWave(const std::filesystem::path& path, const Samples& s) {
    const uint32_t dataBytes = uint32_t(s.size() * 2);
    std::string out;
    out += "RIFF";
    PutLE(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    PutLE(out, 16, 4);         // size of the format block
    PutLE(out, 1, 2);          // PCM
    PutLE(out, 1, 2);          // mono
    PutLE(out, kRate, 4);      // samples per second
    PutLE(out, kRate * 2, 4);  // bytes per second
    PutLE(out, 2, 2);          // bytes per sample frame
    PutLE(out, 16, 2);         // bits per sample
    out += "data";
    PutLE(out, dataBytes, 4);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        PutLE(out, uint32_t(int16_t(q)) & 0xFFFF, 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), std::streamsize(out.size()));
    return bool(file.flush());
}

Samples StartSound() {
    Samples s = Silence(1.3);
    AddChimeNote(s, 0.0, 659.25, 1.3, 0.8);    // E5
    AddChimeNote(s, 0.22, 987.77, 1.08, 0.7);  // B5, a fifth above
    Finish(s, 0.55, 0.005, 0.25);
    return s;
}

Samples BlikupSound() {
    Samples s = Silence(0.16);
    AddBlip(s, 0.0, 620, 1240, 0.16, 1.0);
    Finish(s, 0.5, 0.004, 0.02);
    return s;
}

Samples CoinsSound() {
    Samples s = Silence(0.62);
    uint32_t seed = 20021005u;
    AddClick(s, 0.00, 2350, 1.0, seed);
    AddClick(s, 0.11, 2620, 0.8, seed);
    AddClick(s, 0.19, 2480, 0.9, seed);
    AddClick(s, 0.33, 2750, 0.6, seed);
    AddClick(s, 0.44, 2550, 0.4, seed);
    Finish(s, 0.5, 0.002, 0.05);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const struct {
        const char* name;
        Samples samples;
    } sounds[] = {
        {"start.wav", StartSound()}, {"blikup.wav", BlikupSound()}, {"coins.wav", CoinsSound()}};
    for (const auto& sound : sounds) {
        if (!WriteWave(folder / sound.name, sound.samples)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n",
                         (folder / sound.name).string().c_str());
            return 1;
        }
    }
    return 0;
}
