// The generated sounds must be wave files every player accepts: RIFF/WAVE,
// 16-bit PCM, mono 22050 Hz, short, audible, faded in and out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace kz {
namespace {

struct Wave {
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<int16_t> samples;
};

uint32_t LE(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

// Walks the chunks of a RIFF/WAVE file; returns what is wrong, or "".
std::string ParseWave(const std::string& b, Wave& w) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return "not a RIFF/WAVE file";
    if (LE(b, 4, 4) != b.size() - 8) return "RIFF size does not match the file size";
    bool haveFormat = false, haveData = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string id = b.substr(at, 4);
        const uint32_t size = LE(b, at + 4, 4);
        if (at + 8 + size > b.size()) return "chunk " + id + " runs past the end";
        if (id == "fmt ") {
            if (size < 16) return "format chunk too short";
            w.format = int(LE(b, at + 8, 2));
            w.channels = int(LE(b, at + 10, 2));
            w.rate = int(LE(b, at + 12, 4));
            w.bits = int(LE(b, at + 22, 2));
            if (LE(b, at + 16, 4) != uint32_t(w.rate * w.channels * w.bits / 8))
                return "byte rate does not match the format";
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return "data before format";
            if (size % 2) return "odd data size for 16-bit samples";
            for (size_t i = 0; i < size; i += 2) w.samples.push_back(int16_t(LE(b, at + 8 + i, 2)));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData) return "format or data chunk missing";
    return "";
}

TEST(Sounds, GeneratedWaveFilesArePlayableShortAndAudible) {
    std::set<std::string> contents;
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav"}) {
        SCOPED_TRACE(name);
        const std::string bytes = test::ReadBytes(std::string(KZ_ASSET_BUILD_DIR) + name);
        ASSERT_FALSE(bytes.empty()) << "not generated";
        contents.insert(bytes);

        Wave w;
        ASSERT_EQ(ParseWave(bytes, w), "");
        EXPECT_EQ(w.format, 1);  // PCM
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 22050);
        EXPECT_EQ(w.bits, 16);

        const double seconds = double(w.samples.size()) / 22050;
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 2.0);

        int peak = 0;
        for (int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        EXPECT_LT(peak, 32767) << "clipped";
        // Faded ends: no click when the sound starts or stops.
        ASSERT_FALSE(w.samples.empty());
        EXPECT_LT(std::abs(int(w.samples.front())), 330);
        EXPECT_LT(std::abs(int(w.samples.back())), 330);
    }
    EXPECT_EQ(contents.size(), 3u) << "two sounds are the same";
}

}  // namespace
}  // namespace kz
