// The generated sounds must be wave files every player accepts: RIFF/WAVE,
// 16-bit PCM, mono 22050 Hz, short, audible, faded in and out, all different.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "support/TempDir.h"

namespace kz {
namespace {

uint32_t LE(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

TEST(Sounds, GeneratedWaveFilesArePlayableShortAndAudible) {
    std::set<std::string> contents;
    for (const char* name : {"start.wav", "blikup.wav", "coins.wav"}) {
        SCOPED_TRACE(name);
        const std::string b = test::ReadBytes(std::string(KZ_ASSET_BUILD_DIR) + name);
        contents.insert(b);
        ASSERT_TRUE(b.size() > 12 && b.starts_with("RIFF") && b.compare(8, 4, "WAVE") == 0);
        EXPECT_EQ(LE(b, 4, 4), b.size() - 8);
        // The chunks: format (PCM, mono, 22050 Hz, 16 bits, its byte rate), then data.
        std::vector<int16_t> samples;
        bool format = false;
        for (size_t at = 12; at + 8 <= b.size();) {
            const std::string id = b.substr(at, 4);
            const uint32_t size = LE(b, at + 4, 4);
            ASSERT_LE(at + 8 + size, b.size()) << id << " runs past the end";
            if (id == "fmt ") {
                EXPECT_EQ(
                    (std::vector<uint32_t>{LE(b, at + 8, 2), LE(b, at + 10, 2), LE(b, at + 12, 4),
                                           LE(b, at + 16, 4), LE(b, at + 22, 2)}),
                    (std::vector<uint32_t>{1, 1, 22050, 44100, 16}));
                format = true;
            } else if (id == "data") {
                ASSERT_TRUE(format) << "data before format";
                ASSERT_EQ(size % 2, 0u);
                for (size_t i = 0; i < size; i += 2)
                    samples.push_back(int16_t(LE(b, at + 8 + i, 2)));
            }
            at += 8 + size + (size & 1);
        }
        ASSERT_FALSE(samples.empty());
        EXPECT_GT(samples.size(), 22050 / 20);  // 0.05 to 2 seconds
        EXPECT_LT(samples.size(), 2 * 22050);
        int peak = 0;
        for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        EXPECT_LT(peak, 32767) << "clipped";
        // Faded ends: no click when the sound starts or stops.
        EXPECT_LT(std::abs(int(samples.front())), 330);
        EXPECT_LT(std::abs(int(samples.back())), 330);
    }
    EXPECT_EQ(contents.size(), 3u) << "two sounds are the same";
}

}  // namespace
}  // namespace kz
