// The clip reader behind the banner: every supported frame format against
// pixels written out by hand, RLE8 codes one by one, frame rates, the chunk
// layouts a reader has to step over, and malformed files, which must fail to
// open (or a bad frame fail to decode) and nothing worse.

#include "platform/media/AviClip.h"
#include "tests/unit/AviTestWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

using avitest::Bytes;
using avitest::ClipPlan;
using avitest::kBiRgb;
using avitest::kBiRle8;
using Error = AviClip::Error;

namespace {

using Pixels = std::vector<std::uint32_t>;

std::optional<AviClip> ParseClip(const Bytes& bytes, Error* why = nullptr)
{
    return AviClip::Parse(std::span<const std::uint8_t>(bytes), why);
}

// A palette of distinct colours (0x00RRGGBB).
std::vector<std::uint32_t> TestPalette(int entries)
{
    std::vector<std::uint32_t> palette;
    for (int i = 0; i < entries; ++i)
        palette.push_back(static_cast<std::uint32_t>(i) << 16 | static_cast<std::uint32_t>(255 - i) << 8
                          | static_cast<std::uint32_t>(i * 7 % 256));
    return palette;
}

std::uint32_t Opaque(std::uint32_t rgb)
{
    return 0xFF000000u | rgb;
}

ClipPlan OneFrameClip(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression,
                      const Bytes& frame)
{
    ClipPlan plan;
    plan.format.width = width;
    plan.format.height = height;
    plan.format.bitCount = bitCount;
    plan.format.compression = compression;
    if (bitCount == 8)
        plan.format.palette = TestPalette(256);
    plan.frames = {frame};
    return plan;
}

Pixels Decode(AviClip& clip, int index)
{
    AviClip::Frame frame;
    EXPECT_TRUE(clip.DecodeFrame(index, frame)) << "frame " << index;
    EXPECT_EQ(frame.width, clip.Width());
    EXPECT_EQ(frame.height, clip.Height());
    EXPECT_EQ(frame.pixels.size(), static_cast<std::size_t>(clip.Width() * clip.Height()));
    return frame.pixels;
}

// ---------------------------------------------------------------------------
// Uncompressed frames, byte by byte.

struct RawCase {
    const char* name;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitCount;
    Bytes frame;
    Pixels expected;  // top row first
};

const std::vector<std::uint32_t> kSmallPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456};

const RawCase kRawCases[] = {
    // Bottom-up: the first row in the data is the bottom row.
    {"rgb24 bottom-up", 2, 2, 24,
     {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xEE, 0xEE,   // bottom: red, green, pad
      0xFF, 0x00, 0x00, 0x10, 0x20, 0x30, 0xEE, 0xEE},  // top: blue, 302010, pad
     {0xFF0000FF, 0xFF302010, 0xFFFF0000, 0xFF00FF00}},
    {"rgb24 top-down", 2, -2, 24,
     {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xEE, 0xEE, 0xFF, 0x00, 0x00, 0x10, 0x20, 0x30, 0xEE, 0xEE},
     {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF302010}},
    {"rgb24 width 3 pads 3 bytes", 3, 1, 24,
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0xEE, 0xEE, 0xEE},
     {0xFF030201, 0xFF060504, 0xFF090807}},
    // RGB555 little-endian: 0x7C00 red, 0x03E0 green, 0x001F blue, 10000 in
    // each field widens to 10000100.
    {"rgb16", 2, 2, 16,
     {0x00, 0x7C, 0xE0, 0x03,   // bottom: red, green
      0x1F, 0x00, 0x10, 0x42},  // top: blue, 0x848484
     {0xFF0000FF, 0xFF848484, 0xFFFF0000, 0xFF00FF00}},
    {"rgb16 top bit ignored, width 3 pads", 3, -1, 16,
     {0x00, 0xFC, 0x21, 0x04, 0x00, 0x00, 0xEE, 0xEE},  // 0xFC00 = red with bit 15 set; 0x0421 = 1,1,1
     {0xFFFF0000, 0xFF080808, 0xFF000000}},
    {"rgb32 ignores the fourth byte", 2, 2, 32,
     {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x7F,   // bottom: red (x 00), green (x 7F)
      0xFF, 0x00, 0x00, 0xFF, 0x33, 0x22, 0x11, 0x80},  // top: blue (x FF), 112233 (x 80)
     {0xFF0000FF, 0xFF112233, 0xFFFF0000, 0xFF00FF00}},
    {"rgb32 top-down", 1, -2, 32, {0x01, 0x02, 0x03, 0x00, 0x04, 0x05, 0x06, 0x00}, {0xFF030201, 0xFF060504}},
    {"palettised, width 3 pads 1 byte", 3, 2, 8,
     {0x01, 0x02, 0x03, 0xEE,   // bottom
      0x04, 0x00, 0x09, 0xEE},  // top: index 9 is past the 5 entries: black
     {0xFF123456, 0xFF000000, 0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}},
    {"palettised top-down", 2, -2, 8,
     {0x04, 0x03, 0xEE, 0xEE, 0x02, 0x01, 0xEE, 0xEE},
     {0xFF123456, 0xFF0000FF, 0xFF00FF00, 0xFFFF0000}},
};

TEST(AviClipTest, UncompressedFramesDecodeToTheirPixels)
{
    for (const RawCase& c : kRawCases) {
        SCOPED_TRACE(c.name);
        ClipPlan plan = OneFrameClip(c.width, c.height, c.bitCount, kBiRgb, c.frame);
        plan.format.palette = kSmallPalette;
        Error why = Error::None;
        std::optional<AviClip> clip = ParseClip(avitest::WriteClip(plan), &why);
        ASSERT_TRUE(clip.has_value()) << static_cast<int>(why);
        EXPECT_EQ(why, Error::None);
        EXPECT_EQ(clip->Width(), c.width);
        EXPECT_EQ(clip->Height(), c.height < 0 ? -c.height : c.height);
        EXPECT_EQ(clip->FrameCount(), 1);
        EXPECT_EQ(Decode(*clip, 0), c.expected);
        EXPECT_EQ(clip->TransparentColour(), c.expected[0]);
    }
}

// Larger random images through the writer's encoders, every format and
// both row orders; several frames, decoded forwards, backwards and out of
// order.
TEST(AviClipTest, RandomImagesSurviveEveryFormatAndOrder)
{
    struct Format {
        std::uint16_t bitCount;
        bool topDown;
    };
    const Format formats[] = {{8, false}, {8, true}, {16, false}, {16, true},
                              {24, false}, {24, true}, {32, false}, {32, true}};
    const int sizes[][2] = {{1, 1}, {5, 3}, {17, 9}, {64, 2}};
    std::mt19937 random(179);
    for (const Format& format : formats) {
        for (const auto& size : sizes) {
            const int width = size[0];
            const int height = size[1];
            SCOPED_TRACE(testing::Message() << format.bitCount << " bits, " << (format.topDown ? "top-down " : "")
                                            << width << "x" << height);
            ClipPlan plan;
            plan.format.width = width;
            plan.format.height = format.topDown ? -height : height;
            plan.format.bitCount = format.bitCount;
            plan.format.palette = TestPalette(256);
            std::vector<Pixels> expected;
            for (int f = 0; f < 4; ++f) {
                Pixels image;
                std::vector<std::uint8_t> indices;
                for (int i = 0; i < width * height; ++i) {
                    const std::uint32_t value = random();
                    if (format.bitCount == 8) {
                        indices.push_back(static_cast<std::uint8_t>(value));
                        image.push_back(Opaque(plan.format.palette[value & 0xFF]));
                    } else if (format.bitCount == 16) {
                        // Colours RGB555 holds exactly: five bits widened.
                        const auto widen = [](std::uint32_t five) { return five << 3 | five >> 2; };
                        image.push_back(Opaque(widen(value & 31) << 16 | widen(value >> 5 & 31) << 8
                                               | widen(value >> 10 & 31)));
                    } else {
                        image.push_back(Opaque(value & 0xFFFFFF));
                    }
                }
                plan.frames.push_back(format.bitCount == 8
                                          ? avitest::EncodeIndices(indices, width, height, format.topDown)
                                          : avitest::EncodeRgb(image, width, height, format.bitCount,
                                                               format.topDown));
                expected.push_back(image);
            }
            std::optional<AviClip> clip = ParseClip(avitest::WriteClip(plan));
            ASSERT_TRUE(clip.has_value());
            ASSERT_EQ(clip->FrameCount(), 4);
            for (int index : {0, 1, 2, 3, 2, 0, 3, 1})
                EXPECT_EQ(Decode(*clip, index), expected[static_cast<std::size_t>(index)]) << "frame " << index;
        }
    }
}

// An empty frame chunk repeats the frame before it.
TEST(AviClipTest, EmptyChunksRepeatThePreviousFrame)
{
    const Bytes red = {0x00, 0x00, 0xFF, 0xEE};
    const Bytes blue = {0xFF, 0x00, 0x00, 0xEE};
    ClipPlan plan = OneFrameClip(1, 1, 24, kBiRgb, red);
    plan.frames = {red, {}, {}, blue, {}};
    std::optional<AviClip> clip = ParseClip(avitest::WriteClip(plan));
    ASSERT_TRUE(clip.has_value());
    ASSERT_EQ(clip->FrameCount(), 5);
    const std::uint32_t expected[] = {0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFF0000FF, 0xFF0000FF};
    for (int index : {0, 1, 2, 3, 4, 2, 4, 1, 0, 4})
        EXPECT_EQ(Decode(*clip, index), Pixels{expected[index]}) << "frame " << index;

    // A clip that starts with an empty frame shows black until its first
    // picture.
    plan.frames = {{}, blue};
    clip = ParseClip(avitest::WriteClip(plan));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(Decode(*clip, 1), Pixels{0xFF0000FF});
    EXPECT_EQ(Decode(*clip, 0), Pixels{0xFF000000});
}

// ---------------------------------------------------------------------------
// RLE8, code by code, on a 4 x 3 frame. Palette entry i is 0xFF000000 + i
// here, so expected frames are written as indices, top row first.

constexpr int kRleWidth = 4;
constexpr int kRleHeight = 3;

std::vector<std::uint32_t> IndexPalette()
{
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < 16; ++i)
        palette.push_back(i);
    return palette;
}

Pixels FromIndices(const std::vector<std::uint32_t>& indices)
{
    Pixels pixels;
    for (std::uint32_t index : indices)
        pixels.push_back(Opaque(index));
    return pixels;
}

ClipPlan RleClip(const std::vector<Bytes>& frames, bool topDown = false)
{
    ClipPlan plan;
    plan.format.width = kRleWidth;
    plan.format.height = topDown ? -kRleHeight : kRleHeight;
    plan.format.bitCount = 8;
    plan.format.compression = kBiRle8;
    plan.format.palette = IndexPalette();
    plan.frames = frames;
    return plan;
}

struct RleCase {
    const char* name;
    Bytes data;
    bool decodes;
    std::vector<std::uint32_t> indices;  // top row first, when it decodes
};

// Drawn over a first frame that is all index 9.
const Bytes kAllNine = {4, 9, 0, 0, 4, 9, 0, 0, 4, 9, 0, 1};

const RleCase kRleCases[] = {
    {"runs, bottom line first", {4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 1, 4, 3, 5, 0, 1}, true,
     {4, 5, 5, 5, 2, 2, 3, 3, 1, 1, 1, 1}},
    {"absolute mode, odd count padded", {0, 3, 6, 7, 8, 0, 1, 1, 0, 1}, true, {9, 9, 9, 9, 9, 9, 9, 9, 6, 7, 8, 1}},
    {"absolute mode, even count", {0, 4, 1, 2, 3, 4, 0, 1}, true, {9, 9, 9, 9, 9, 9, 9, 9, 1, 2, 3, 4}},
    {"delta keeps the pixels it passes", {0, 2, 1, 1, 2, 5, 0, 1}, true, {9, 9, 9, 9, 9, 5, 5, 9, 9, 9, 9, 9}},
    {"delta to the last pixel", {0, 2, 3, 2, 1, 7, 0, 1}, true, {9, 9, 9, 7, 9, 9, 9, 9, 9, 9, 9, 9}},
    {"end of line on the last line, then end", {4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 0, 0, 1}, true,
     {3, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1}},
    {"data ending without an end code", {2, 4}, true, {9, 9, 9, 9, 9, 9, 9, 9, 4, 4, 9, 9}},
    {"stops at the end code", {1, 3, 0, 1, 4, 4}, true, {9, 9, 9, 9, 9, 9, 9, 9, 3, 9, 9, 9}},
    {"index beyond the palette draws black", {1, 200, 0, 1}, true, {9, 9, 9, 9, 9, 9, 9, 9, 0, 9, 9, 9}},

    {"run past the line's end", {5, 1, 0, 1}, false, {}},
    {"run past the line's end after pixels", {3, 1, 2, 1, 0, 1}, false, {}},
    {"run past the frame's last line", {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, false, {}},
    {"end of line past the frame", {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}, false, {}},
    {"delta past the line's end", {0, 2, 5, 0, 0, 1}, false, {}},
    {"delta past the last line", {0, 2, 0, 4, 0, 1}, false, {}},
    {"delta of 255 lines", {0, 2, 0, 255}, false, {}},
    {"delta cut short", {0, 2, 1}, false, {}},
    {"absolute mode past the line's end", {0, 5, 1, 2, 3, 4, 5, 0}, false, {}},
    {"absolute mode past the data", {0, 4, 1, 2}, false, {}},
    {"absolute mode past the last line", {0, 0, 0, 0, 0, 0, 0, 3, 1, 2, 3, 0}, false, {}},
    {"half a code", {1, 2, 1}, false, {}},
};

TEST(AviClipTest, Rle8CodesDrawOverThePreviousFrame)
{
    for (const RleCase& c : kRleCases) {
        SCOPED_TRACE(c.name);
        std::optional<AviClip> clip = ParseClip(avitest::WriteClip(RleClip({kAllNine, c.data})));
        ASSERT_TRUE(clip.has_value());
        ASSERT_EQ(clip->FrameCount(), 2);
        EXPECT_EQ(Decode(*clip, 0), FromIndices(std::vector<std::uint32_t>(12, 9)));
        AviClip::Frame frame;
        frame.width = -5;
        EXPECT_EQ(clip->DecodeFrame(1, frame), c.decodes);
        if (c.decodes) {
            EXPECT_EQ(frame.pixels, FromIndices(c.indices));
        } else {
            EXPECT_EQ(frame.width, -5) << "a failed decode leaves the frame alone";
            // The good frame still decodes after the bad one.
            EXPECT_EQ(Decode(*clip, 0), FromIndices(std::vector<std::uint32_t>(12, 9)));
        }
    }
}

TEST(AviClipTest, Rle8FirstFrameThatFailsClosesTheClip)
{
    for (const RleCase& c : kRleCases) {
        SCOPED_TRACE(c.name);
        Error why = Error::None;
        std::optional<AviClip> clip = ParseClip(avitest::WriteClip(RleClip({c.data})), &why);
        EXPECT_EQ(clip.has_value(), c.decodes);
        EXPECT_EQ(why, c.decodes ? Error::None : Error::BadFrame);
    }
}

// The first frame starts from palette entry 0; top-down clips count their
// lines from the top.
TEST(AviClipTest, Rle8FirstFrameAndTopDownLines)
{
    std::optional<AviClip> clip = ParseClip(avitest::WriteClip(RleClip({{0, 2, 1, 1, 2, 5, 0, 1}})));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(Decode(*clip, 0), FromIndices({0, 0, 0, 0, 0, 5, 5, 0, 0, 0, 0, 0}));

    clip = ParseClip(avitest::WriteClip(RleClip({{4, 1, 0, 0, 2, 2, 2, 3, 0, 0, 1, 4, 3, 5, 0, 1}}, true)));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(Decode(*clip, 0), FromIndices({1, 1, 1, 1, 2, 2, 3, 3, 4, 5, 5, 5}));
}

// A sequence of delta frames gives the same pictures whatever order they
// are asked for in.
TEST(AviClipTest, Rle8DeltaFramesPlayInAnyOrder)
{
    const std::vector<Bytes> frames = {
        kAllNine,
        {0, 2, 1, 0, 1, 1, 0, 1},        // bottom line, second pixel: 1
        {},                              // repeat
        {0, 2, 2, 2, 2, 3, 0, 1},        // top line, pixels 2-3: 3
        {0, 0, 0, 3, 4, 4, 4, 0, 0, 1},  // middle line: 4 4 4 9
    };
    const std::vector<Pixels> expected = {
        FromIndices({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}), FromIndices({9, 9, 9, 9, 9, 9, 9, 9, 9, 1, 9, 9}),
        FromIndices({9, 9, 9, 9, 9, 9, 9, 9, 9, 1, 9, 9}), FromIndices({9, 9, 3, 3, 9, 9, 9, 9, 9, 1, 9, 9}),
        FromIndices({9, 9, 3, 3, 4, 4, 4, 9, 9, 1, 9, 9}),
    };
    const std::vector<std::vector<int>> orders = {{0, 1, 2, 3, 4}, {4, 3, 2, 1, 0}, {3, 1, 4, 0, 2}, {2, 2, 4, 4, 1}};
    for (const std::vector<int>& order : orders) {
        std::optional<AviClip> clip = ParseClip(avitest::WriteClip(RleClip(frames)));
        ASSERT_TRUE(clip.has_value());
        for (int index : order)
            EXPECT_EQ(Decode(*clip, index), expected[static_cast<std::size_t>(index)]) << "frame " << index;
    }
}

// ---------------------------------------------------------------------------
// Frame rates: the main header's microseconds per frame, else the stream's
// rate; always a usable timer interval.

struct RateCase {
    bool mainHeader;
    std::uint32_t microseconds;
    std::uint32_t scale;
    std::uint32_t rate;
    int milliseconds;
};

const RateCase kRateCases[] = {
    {true, 100000, 1, 10, 100},
    {true, 66667, 1, 15, 67},
    {true, 40000, 1, 10, 40},  // the main header wins over the stream
    {true, 33366, 0, 0, 33},
    {true, 0, 1, 15, 67},  // no main rate: the stream's 15 frames a second
    {true, 0, 1001, 30000, 33},
    {false, 0, 1, 8, 125},
    {false, 0, 0, 0, 100},  // no rate at all: 10 frames a second
    {true, 0, 0, 25, 100},
    {true, 0, 1, 0, 100},
    {true, 1, 0, 0, 10},  // held at 100 frames a second at most
    {true, 9400, 0, 0, 10},
    {true, 10499, 0, 0, 10},
    {true, 10500, 0, 0, 11},
    {true, 0, 1, 0xFFFFFFFFu, 10},
    {true, 0xFFFFFFFFu, 0, 0, 10000},  // and one frame in ten seconds at least
    {true, 10000000, 0, 0, 10000},
    {true, 12000000, 0, 0, 10000},
    {true, 0, 0xFFFFFFFFu, 1, 10000},
};

TEST(AviClipTest, FrameRateGivesAUsableInterval)
{
    for (const RateCase& c : kRateCases) {
        SCOPED_TRACE(testing::Message() << c.microseconds << " us, " << c.scale << "/" << c.rate);
        ClipPlan plan = OneFrameClip(1, 1, 24, kBiRgb, {1, 2, 3, 0});
        plan.mainHeader = c.mainHeader;
        plan.microsecondsPerFrame = c.microseconds;
        plan.scale = c.scale;
        plan.rate = c.rate;
        std::optional<AviClip> clip = ParseClip(avitest::WriteClip(plan));
        ASSERT_TRUE(clip.has_value());
        EXPECT_EQ(clip->MillisecondsPerFrame(), c.milliseconds);
    }
}

// ---------------------------------------------------------------------------
// Layouts: whatever else the file holds, the same frames come out.

TEST(AviClipTest, OtherChunksListsAndStreamsAreSteppedOver)
{
    struct Layout {
        const char* name;
        bool audioFirst, junk, recLists, index;
        const char* suffix;
    };
    const Layout layouts[] = {
        {"plain", false, false, false, true, "dc"},
        {"uncompressed chunk ids", false, false, false, true, "db"},
        {"no index", false, false, false, false, "dc"},
        {"JUNK everywhere", false, true, false, true, "dc"},
        {"rec lists", false, false, true, true, "dc"},
        {"audio stream first", true, false, false, true, "dc"},
        {"everything", true, true, true, true, "db"},
    };
    const std::vector<Bytes> frames = {kAllNine, {0, 2, 1, 0, 1, 1, 0, 1}, {2, 7, 0, 1}};
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        ClipPlan plan = RleClip(frames);
        plan.audioFirst = layout.audioFirst;
        plan.junk = layout.junk;
        plan.recLists = layout.recLists;
        plan.index = layout.index;
        plan.frameSuffix = layout.suffix;
        std::optional<AviClip> clip = ParseClip(avitest::WriteClip(plan));
        ASSERT_TRUE(clip.has_value());
        ASSERT_EQ(clip->FrameCount(), 3);
        EXPECT_EQ(Decode(*clip, 2), FromIndices({9, 9, 9, 9, 9, 9, 9, 9, 7, 7, 9, 9}));
    }
}

// A clip whose headers promise far more frames than it holds plays the
// frames it holds.
TEST(AviClipTest, DeclaredFrameCountIsNotTrusted)
{
    ClipPlan plan = RleClip({kAllNine, {1, 2, 0, 1}});
    plan.totalFrames = 0xFFFFFFFFu;
    std::optional<AviClip> clip = ParseClip(avitest::WriteClip(plan));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->FrameCount(), 2);
    AviClip::Frame frame;
    EXPECT_TRUE(clip->DecodeFrame(1, frame));
    for (int index : {-1, 2, 3, 1000000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        EXPECT_FALSE(clip->DecodeFrame(index, frame)) << index;
}

// ---------------------------------------------------------------------------
// Transparency: the top-left pixel of the first frame.

TEST(AviClipTest, TransparentColourIsTheFirstFramesTopLeftPixel)
{
    // Bottom-up: the top-left pixel is the first pixel of the last row in
    // the data. Index 6 there; it also appears in the second frame.
    const Bytes first = {0, 0, 0, 0, 1, 6, 0, 1};          // bottom and middle lines: 0, top line: 6 0 0 0
    const Bytes second = {0, 0, 4, 6, 0, 0, 1, 3, 0, 1};   // middle line all 6, top-left becomes 3
    std::optional<AviClip> clip = ParseClip(avitest::WriteClip(RleClip({first, second})));
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->TransparentColour(), Opaque(6));

    AviClip::Frame frame;
    ASSERT_TRUE(clip->DecodeFrame(0, frame, true));
    EXPECT_EQ(frame.pixels, Pixels({0, Opaque(0), Opaque(0), Opaque(0), Opaque(0), Opaque(0), Opaque(0), Opaque(0),
                                    Opaque(0), Opaque(0), Opaque(0), Opaque(0)}));
    ASSERT_TRUE(clip->DecodeFrame(1, frame, true));
    EXPECT_EQ(frame.pixels, Pixels({Opaque(3), Opaque(0), Opaque(0), Opaque(0), 0, 0, 0, 0, Opaque(0), Opaque(0),
                                    Opaque(0), Opaque(0)}));
    // Without the style nothing is transparent.
    ASSERT_TRUE(clip->DecodeFrame(1, frame, false));
    EXPECT_EQ(frame.pixels[4], Opaque(6));
}

// ---------------------------------------------------------------------------
// Malformed files.

Bytes ValidRleClip()
{
    ClipPlan plan = RleClip({kAllNine, {0, 2, 1, 0, 1, 1, 0, 1}});
    plan.junk = true;
    plan.recLists = true;
    return avitest::WriteClip(plan);
}

TEST(AviClipTest, EveryTruncationFailsToOpen)
{
    for (const Bytes& whole : {ValidRleClip(), avitest::WriteClip(OneFrameClip(3, 2, 24, kBiRgb, Bytes(24, 0x40)))}) {
        ASSERT_TRUE(ParseClip(whole).has_value());
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
            Error why = Error::None;
            EXPECT_FALSE(ParseClip(cut, &why).has_value()) << "length " << length;
            EXPECT_TRUE(why == Error::NotAvi || why == Error::Truncated) << "length " << length;
        }
    }
}

// The offset of the first occurrence of a four-character id.
std::size_t Find(const Bytes& bytes, const std::string& id)
{
    const auto at = std::search(bytes.begin(), bytes.end(), id.begin(), id.end());
    EXPECT_NE(at, bytes.end()) << "no " << id;
    return static_cast<std::size_t>(at - bytes.begin());
}

// Writes a 32-bit value `offset` bytes from the first occurrence of `id`
// (a chunk's size is at 4 after its id, a list's at -4 before its type).
Bytes PatchedAt(Bytes bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k)
        bytes[at + k] = static_cast<std::uint8_t>(value >> (8 * k));
    return bytes;
}

Bytes Patched(const Bytes& bytes, const std::string& id, std::ptrdiff_t offset, std::uint32_t value)
{
    return PatchedAt(bytes, static_cast<std::size_t>(static_cast<std::ptrdiff_t>(Find(bytes, id)) + offset), value);
}

// Replaces every occurrence of a four-character id.
Bytes Renamed(Bytes bytes, const std::string& from, const std::string& to)
{
    for (auto at = bytes.begin(); (at = std::search(at, bytes.end(), from.begin(), from.end())) != bytes.end();)
        at = std::copy(to.begin(), to.end(), at);
    return bytes;
}

Bytes WithFormat(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression)
{
    return avitest::WriteClip(OneFrameClip(width, height, bitCount, compression, {0, 1}));
}

Bytes WithFormatChunk(const Bytes& strf)
{
    ClipPlan plan = RleClip({kAllNine});
    plan.strf = strf;
    return avitest::WriteClip(plan);
}

Bytes RleWithEmptyFrames(std::size_t count)
{
    ClipPlan plan = RleClip({});
    plan.index = false;
    plan.frames.assign(count, Bytes{});
    return avitest::WriteClip(plan);
}

// One frame inside `depth` nested 'rec ' lists.
Bytes NestedRecLists(int depth)
{
    Bytes inner = avitest::Chunk("00dc", {1, 5, 0, 1});
    for (int i = 0; i < depth; ++i)
        inner = avitest::List("rec ", {inner});
    ClipPlan plan = RleClip({});
    plan.index = false;
    Bytes clip = avitest::WriteClip(plan);
    const Bytes emptyMovie = avitest::List("movi", {});
    const Bytes movie = avitest::List("movi", {inner});
    const std::size_t at = Find(clip, "movi") - 8;
    clip.erase(clip.begin() + static_cast<std::ptrdiff_t>(at),
               clip.begin() + static_cast<std::ptrdiff_t>(at + emptyMovie.size()));
    clip.insert(clip.begin() + static_cast<std::ptrdiff_t>(at), movie.begin(), movie.end());
    return Patched(clip, "RIFF", 4, static_cast<std::uint32_t>(clip.size() - 8));
}

struct BadCase {
    const char* name;
    Bytes bytes;
    Error error;
};

std::vector<BadCase> BadCases()
{
    const Bytes good = ValidRleClip();
    ClipPlan audioOnly = RleClip({kAllNine});
    audioOnly.videoStream = false;
    ClipPlan noPalette = RleClip({kAllNine});
    noPalette.format.palette.clear();
    const Bytes format = avitest::BitmapInfo(RleClip({}).format);

    return {
        {"empty", {}, Error::NotAvi},
        {"RIFF alone", {'R', 'I', 'F', 'F'}, Error::NotAvi},
        {"a wave file", Renamed(good, "AVI ", "WAVE"), Error::NotAvi},
        {"RIFF size past the data", Patched(good, "RIFF", 4, static_cast<std::uint32_t>(good.size())),
         Error::Truncated},
        {"RIFF size UINT32_MAX", Patched(good, "RIFF", 4, 0xFFFFFFFFu), Error::Truncated},
        {"RIFF size 0", Patched(good, "RIFF", 4, 0), Error::NotAvi},
        {"RIFF size 1", Patched(good, "RIFF", 4, 1), Error::NotAvi},
        {"RIFF size 3", Patched(good, "RIFF", 4, 3), Error::NotAvi},
        {"RIFF size 4: the form alone", Patched(good, "RIFF", 4, 4), Error::BadHeader},
        {"RIFF size 3, file of 12 bytes", Bytes{'R', 'I', 'F', 'F', 3, 0, 0, 0, 'A', 'V', 'I', ' '}, Error::NotAvi},
        {"header list size UINT32_MAX", Patched(good, "hdrl", -4, 0xFFFFFFFFu), Error::Truncated},
        {"header list size UINT32_MAX - 7", Patched(good, "hdrl", -4, 0xFFFFFFF8u), Error::Truncated},
        {"avih size UINT32_MAX - 1", Patched(good, "avih", 4, 0xFFFFFFFEu), Error::Truncated},
        {"strl size UINT32_MAX", Patched(good, "strl", -4, 0xFFFFFFFFu), Error::Truncated},
        {"strf size UINT32_MAX", Patched(good, "strf", 4, 0xFFFFFFFFu), Error::Truncated},
        {"movie list size UINT32_MAX", Patched(good, "movi", -4, 0xFFFFFFFFu), Error::Truncated},
        {"rec list size UINT32_MAX", Patched(good, "rec ", -4, 0xFFFFFFFFu), Error::Truncated},
        {"frame chunk size UINT32_MAX", Patched(good, "00dc", 4, 0xFFFFFFFFu), Error::Truncated},
        {"frame chunk size UINT32_MAX - 8", Patched(good, "00dc", 4, 0xFFFFFFF7u), Error::Truncated},
        {"index size UINT32_MAX", Patched(good, "idx1", 4, 0xFFFFFFFFu), Error::Truncated},
        {"no header list", Renamed(good, "hdrl", "hdrx"), Error::BadHeader},
        {"avih of no bytes", Patched(good, "avih", 4, 0), Error::BadHeader},
        {"an audio stream alone", avitest::WriteClip(audioOnly), Error::NoVideo},
        {"video stream without a format", Renamed(good, "strf", "strn"), Error::NoVideo},
        {"video stream without a header", Renamed(good, "strh", "strx"), Error::NoVideo},
        {"format shorter than BITMAPINFOHEADER", WithFormatChunk(Bytes(format.begin(), format.begin() + 36)),
         Error::BadHeader},
        {"biSize past the format", WithFormatChunk(PatchedAt(format, 0, 0x1000)), Error::BadHeader},
        {"biSize below 40", WithFormatChunk(PatchedAt(format, 0, 12)), Error::BadHeader},
        {"width 0", WithFormat(0, 2, 8, kBiRle8), Error::BadHeader},
        {"width negative", WithFormat(-4, 2, 8, kBiRle8), Error::BadHeader},
        {"height 0", WithFormat(4, 0, 8, kBiRle8), Error::BadHeader},
        {"height INT32_MIN", WithFormat(4, std::numeric_limits<std::int32_t>::min(), 8, kBiRle8), Error::BadHeader},
        {"width 4097", WithFormat(4097, 1, 8, kBiRle8), Error::FrameTooLarge},
        {"height 4097", WithFormat(1, 4097, 8, kBiRle8), Error::FrameTooLarge},
        {"height -4097", WithFormat(1, -4097, 8, kBiRle8), Error::FrameTooLarge},
        {"2048 x 2049 pixels", WithFormat(2048, 2049, 8, kBiRle8), Error::FrameTooLarge},
        {"4096 x 4096 pixels", WithFormat(4096, 4096, 32, kBiRgb), Error::FrameTooLarge},
        {"width INT32_MAX", WithFormat(std::numeric_limits<std::int32_t>::max(), 1, 24, kBiRgb),
         Error::FrameTooLarge},
        {"huge both ways", WithFormat(0x40000000, -0x40000000, 24, kBiRgb), Error::FrameTooLarge},
        {"1 bit", WithFormat(8, 1, 1, kBiRgb), Error::UnsupportedFormat},
        {"4 bits", WithFormat(8, 1, 4, kBiRgb), Error::UnsupportedFormat},
        {"0 bits", WithFormat(8, 1, 0, kBiRgb), Error::UnsupportedFormat},
        {"RLE4", WithFormat(8, 1, 4, 2), Error::UnsupportedFormat},
        {"RLE4 compression of 8 bits", WithFormat(8, 1, 8, 2), Error::UnsupportedFormat},
        {"bit fields", WithFormat(8, 1, 16, 3), Error::UnsupportedFormat},
        {"RLE8 of 24 bits", WithFormat(8, 1, 24, kBiRle8), Error::UnsupportedFormat},
        {"a codec", WithFormat(8, 1, 24, 0x47504A4D), Error::UnsupportedFormat},
        {"8 bits without a palette", avitest::WriteClip(noPalette), Error::BadHeader},
        {"no movie list", Renamed(good, "movi", "junk"), Error::NoFrames},
        {"an empty movie list", avitest::WriteClip(RleClip({})), Error::NoFrames},
        {"frames of another stream", Renamed(good, "00dc", "01dc"), Error::NoFrames},
        {"a frame shorter than its rows", avitest::WriteClip(OneFrameClip(3, 2, 24, kBiRgb, Bytes(23, 0x40))),
         Error::BadFrame},
        {"a later frame shorter than its rows",
         [] {
             ClipPlan plan = OneFrameClip(3, 2, 24, kBiRgb, Bytes(24, 0x40));
             plan.frames.push_back(Bytes(13, 0x40));
             return avitest::WriteClip(plan);
         }(),
         Error::BadFrame},
        {"lists nested 9 deep in the movie", NestedRecLists(9), Error::TooDeep},
        {"100001 frames", RleWithEmptyFrames(100001), Error::TooManyFrames},
    };
}

TEST(AviClipTest, MalformedFilesFailToOpenAndSayWhy)
{
    for (const BadCase& c : BadCases()) {
        SCOPED_TRACE(c.name);
        Error why = Error::None;
        EXPECT_FALSE(ParseClip(c.bytes, &why).has_value());
        EXPECT_EQ(why, c.error) << static_cast<int>(why);
    }
}

// Right at the caps, clips still open.
TEST(AviClipTest, ClipsAtTheCapsOpen)
{
    struct Case {
        const char* name;
        Bytes bytes;
        int frames;
        int width;
        int height;
    };
    Bytes trailing = ValidRleClip();
    trailing.insert(trailing.end(), {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0xFF, 'A', 'V', 'I', 'X', 1});
    const Case cases[] = {
        {"100000 frames", RleWithEmptyFrames(100000), 100000, kRleWidth, kRleHeight},
        {"lists nested 8 deep in the movie", NestedRecLists(8), 1, kRleWidth, kRleHeight},
        {"2048 x 2048 pixels", WithFormat(2048, 2048, 8, kBiRle8), 1, 2048, 2048},
        {"4096 x 1024 pixels", WithFormat(4096, -1024, 8, kBiRle8), 1, 4096, 1024},
        {"1 x 4096 pixels", WithFormat(1, 4096, 8, kBiRle8), 1, 1, 4096},
        {"bytes after the clip", trailing, 2, kRleWidth, kRleHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Error why = Error::TooLarge;
        std::optional<AviClip> clip = ParseClip(c.bytes, &why);
        ASSERT_TRUE(clip.has_value()) << static_cast<int>(why);
        EXPECT_EQ(why, Error::None);
        EXPECT_EQ(clip->FrameCount(), c.frames);
        EXPECT_EQ(clip->Width(), c.width);
        EXPECT_EQ(clip->Height(), c.height);
        AviClip::Frame frame;
        EXPECT_TRUE(clip->DecodeFrame(c.frames - 1, frame));
    }
}

TEST(AviClipTest, InputBeyondTheFileCapIsRefused)
{
    Bytes huge = ValidRleClip();
    huge.resize(AviClip::kMaxFileBytes + 1);
    Error why = Error::None;
    EXPECT_FALSE(ParseClip(huge, &why).has_value());
    EXPECT_EQ(why, Error::TooLarge);
    why = Error::None;
    EXPECT_FALSE(AviClip::Parse(std::move(huge), &why).has_value());
    EXPECT_EQ(why, Error::TooLarge);
}

// ---------------------------------------------------------------------------
// Files.

class AviClipFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path()
            / ("avi-clip-test-" + std::to_string(std::random_device()()) + "-"
               + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string Write(const std::string& name, const Bytes& bytes)
    {
        const std::filesystem::path path = dir_ / name;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    std::filesystem::path dir_;
};

TEST_F(AviClipFileTest, OpensRegularFilesOnly)
{
    const Bytes clip = ValidRleClip();
    const std::string path = Write("banner1.avi", clip);
    const std::string bigPath = (dir_ / "big.avi").string();
    {
        std::ofstream big(bigPath, std::ios::binary);
        big.write(reinterpret_cast<const char*>(clip.data()), static_cast<std::streamsize>(clip.size()));
    }
    // Sparse: reads as zeros past the clip.
    std::filesystem::resize_file(bigPath, AviClip::kMaxFileBytes + 1);

    struct Case {
        std::string path;
        Error error;
    };
    const Case cases[] = {
        {path, Error::None},
        {Write("empty.avi", {}), Error::NotAvi},
        {Write("cut.avi", Bytes(clip.begin(), clip.end() - 1)), Error::Truncated},
        {(dir_ / "missing.avi").string(), Error::ReadFailed},
        {dir_.string(), Error::ReadFailed},
        {"/dev/zero", Error::ReadFailed},
        {"", Error::ReadFailed},
        {bigPath, Error::TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        Error why = Error::BadFrame;
        const std::optional<AviClip> opened = AviClip::Open(c.path, &why);
        EXPECT_EQ(opened.has_value(), c.error == Error::None);
        EXPECT_EQ(why, c.error);
    }
    const std::optional<Bytes> bytes = AviClip::ReadFile(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, clip);

    // Exactly at the cap, the file is read whole.
    std::filesystem::resize_file(bigPath, AviClip::kMaxFileBytes);
    Error why = Error::BadFrame;
    const std::optional<Bytes> atCap = AviClip::ReadFile(bigPath, &why);
    ASSERT_TRUE(atCap.has_value());
    EXPECT_EQ(why, Error::None);
    EXPECT_EQ(atCap->size(), AviClip::kMaxFileBytes);
}

// ---------------------------------------------------------------------------
// The program's own banner, animation 179.

TEST(AviClipTest, BuiltInBannerPlays)
{
#ifdef NUMBRIX_SOURCE_DIR
    const std::filesystem::path path = std::filesystem::path(NUMBRIX_SOURCE_DIR) / "res/Animation179.avi";
#else
    const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "../../res/Animation179.avi";
#endif
    Error why = Error::None;
    std::optional<AviClip> clip = AviClip::Open(path.string(), &why);
    ASSERT_TRUE(clip.has_value()) << static_cast<int>(why);
    EXPECT_LE(clip->Width(), 240);
    EXPECT_LE(clip->Height(), 48);
    EXPECT_GE(clip->FrameCount(), 12);
    EXPECT_GE(clip->MillisecondsPerFrame(), 50);
    EXPECT_LE(clip->MillisecondsPerFrame(), 200);

    // Every frame decodes, in order and again after a jump back; the
    // banner moves (no two neighbouring frames alike), and its background
    // is the transparent colour.
    std::vector<Pixels> frames;
    AviClip::Frame frame;
    for (int i = 0; i < clip->FrameCount(); ++i) {
        ASSERT_TRUE(clip->DecodeFrame(i, frame)) << "frame " << i;
        frames.push_back(frame.pixels);
        EXPECT_EQ(frame.pixels.front(), clip->TransparentColour());
        if (i > 0) {
            EXPECT_NE(frames[static_cast<std::size_t>(i)], frames[static_cast<std::size_t>(i - 1)]) << "frame " << i;
        }
    }
    EXPECT_NE(frames.back(), frames.front());
    for (int i : {5, 0, clip->FrameCount() - 1, 3}) {
        ASSERT_TRUE(clip->DecodeFrame(i, frame));
        EXPECT_EQ(frame.pixels, frames[static_cast<std::size_t>(i)]) << "frame " << i;
    }
}

}  // namespace
