// Writes the fuzzer's seed corpus: one small valid clip of each kind the
// reader plays, and of each layout it steps over. Usage: make_seeds DIR

#include "tests/unit/AviTestWriter.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using avitest::Bytes;
using avitest::ClipPlan;

namespace {

ClipPlan Plan(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression)
{
    ClipPlan plan;
    plan.format.width = width;
    plan.format.height = height;
    plan.format.bitCount = bitCount;
    plan.format.compression = compression;
    if (bitCount == 8)
        for (std::uint32_t i = 0; i < 16; ++i)
            plan.format.palette.push_back(i * 0x0F0F0Fu);
    return plan;
}

// Frames of a w x h uncompressed clip: a diagonal that moves.
std::vector<Bytes> RawFrames(int width, int height, int bitCount, bool topDown, int count)
{
    std::vector<Bytes> frames;
    for (int f = 0; f < count; ++f) {
        if (bitCount == 8) {
            std::vector<std::uint8_t> indices;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    indices.push_back(static_cast<std::uint8_t>((x + y + f) % 16));
            frames.push_back(avitest::EncodeIndices(indices, width, height, topDown));
        } else {
            std::vector<std::uint32_t> pixels;
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    pixels.push_back((x + y + f) % 3 == 0 ? 0xFF2040u : 0x10E0A0u * static_cast<std::uint32_t>(x));
            frames.push_back(avitest::EncodeRgb(pixels, width, height, bitCount, topDown));
        }
    }
    return frames;
}

// RLE8 frames of a 6 x 4 clip: every kind of code.
std::vector<Bytes> RleFrames()
{
    return {
        {6, 1, 0, 0, 0, 3, 2, 3, 4, 0, 3, 5, 0, 0, 2, 6, 0, 4, 7, 8, 9, 10, 0, 0, 6, 11, 0, 1},
        {0, 2, 2, 1, 2, 12, 0, 1},
        {},
        {0, 2, 0, 3, 6, 13, 0, 0, 0, 1},
        {1, 14, 0, 2, 3, 0, 1, 15},
    };
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    struct Seed {
        const char* name;
        ClipPlan plan;
    };
    std::vector<Seed> seeds;
    const int formats[] = {8, 16, 24, 32};
    for (int bits : formats) {
        for (bool topDown : {false, true}) {
            ClipPlan plan = Plan(5, topDown ? -3 : 3, static_cast<std::uint16_t>(bits), avitest::kBiRgb);
            plan.frames = RawFrames(5, 3, bits, topDown, 3);
            plan.frames.push_back({});
            seeds.push_back({"raw", plan});
        }
    }
    ClipPlan rle = Plan(6, 4, 8, avitest::kBiRle8);
    rle.frames = RleFrames();
    seeds.push_back({"rle", rle});
    ClipPlan rleTopDown = rle;
    rleTopDown.format.height = -4;
    seeds.push_back({"rle-top-down", rleTopDown});
    ClipPlan layered = rle;
    layered.audioFirst = true;
    layered.junk = true;
    layered.recLists = true;
    layered.frameSuffix = "db";
    seeds.push_back({"rle-layers", layered});
    ClipPlan streamRate = rle;
    streamRate.mainHeader = false;
    streamRate.index = false;
    streamRate.scale = 1001;
    streamRate.rate = 30000;
    seeds.push_back({"rle-stream-rate", streamRate});

    int written = 0;
    for (const Seed& seed : seeds) {
        const Bytes bytes = avitest::WriteClip(seed.plan);
        const std::string path = std::string(argv[1]) + "/seed-" + std::to_string(written) + "-" + seed.name + ".avi";
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        ++written;
    }
    std::printf("%d seed clips in %s\n", written, argv[1]);
    return 0;
}
