#pragma once
// Writes small RIFF AVI clips in memory for the clip reader's tests and the
// fuzzer's seed corpus: the headers, one video stream (optionally behind an
// audio stream), the frames given as raw chunk data, and the extras a reader
// must step over (JUNK, 'rec ' lists, an index).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace avitest {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Put32(Bytes& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void PutId(Bytes& out, const std::string& id)
{
    for (std::size_t i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(i < id.size() ? id[i] : ' '));
}

inline void Append(Bytes& out, const Bytes& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// A chunk: id, size, data, and a pad byte after odd data.
inline Bytes Chunk(const std::string& id, const Bytes& data)
{
    Bytes out;
    PutId(out, id);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    Append(out, data);
    if (data.size() % 2 != 0)
        out.push_back(0);
    return out;
}

// A LIST chunk of the given type holding the given chunks.
inline Bytes List(const std::string& type, const std::vector<Bytes>& parts)
{
    Bytes data;
    PutId(data, type);
    for (const Bytes& part : parts)
        Append(data, part);
    return Chunk("LIST", data);
}

struct VideoFormat {
    std::int32_t width = 2;
    std::int32_t height = 2;  // negative: top-down rows
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;  // 0 BI_RGB, 1 BI_RLE8
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB, for 8-bit clips
    std::uint32_t coloursUsed = 0;  // biClrUsed; 0 writes palette.size()
};

inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;

// BITMAPINFOHEADER followed by the palette as RGBQUADs.
inline Bytes BitmapInfo(const VideoFormat& format)
{
    Bytes out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(format.width));
    Put32(out, static_cast<std::uint32_t>(format.height));
    Put16(out, 1);
    Put16(out, format.bitCount);
    Put32(out, format.compression);
    Put32(out, 0);  // biSizeImage
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, format.coloursUsed != 0 ? format.coloursUsed : static_cast<std::uint32_t>(format.palette.size()));
    Put32(out, 0);
    for (std::uint32_t rgb : format.palette) {
        out.push_back(static_cast<std::uint8_t>(rgb));
        out.push_back(static_cast<std::uint8_t>(rgb >> 8));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(0);
    }
    return out;
}

// AVISTREAMHEADER (56 bytes).
inline Bytes StreamHeader(const std::string& type, const std::string& handler, std::uint32_t scale,
                          std::uint32_t rate, std::uint32_t length)
{
    Bytes out;
    PutId(out, type);
    PutId(out, handler);
    Put32(out, 0);  // dwFlags
    Put16(out, 0);  // wPriority
    Put16(out, 0);  // wLanguage
    Put32(out, 0);  // dwInitialFrames
    Put32(out, scale);
    Put32(out, rate);
    Put32(out, 0);  // dwStart
    Put32(out, length);
    Put32(out, 0);  // dwSuggestedBufferSize
    Put32(out, 0xFFFFFFFFu);  // dwQuality
    Put32(out, 0);  // dwSampleSize
    for (int i = 0; i < 4; ++i)
        Put16(out, 0);  // rcFrame
    return out;
}

struct ClipPlan {
    VideoFormat format;
    bool mainHeader = true;
    std::uint32_t microsecondsPerFrame = 100000;
    std::uint32_t scale = 1;
    std::uint32_t rate = 10;
    std::uint32_t totalFrames = 0;  // 0 writes frames.size()
    std::vector<Bytes> frames;      // each frame's chunk data
    std::string frameSuffix = "dc";
    bool audioFirst = false;  // an audio stream as stream 0, with chunks between the frames
    bool junk = false;        // JUNK chunks (odd-sized) at every level
    bool recLists = false;    // each frame inside a LIST 'rec '
    bool index = true;        // an idx1 chunk after the movie
    bool videoStream = true;  // false: the audio stream alone
    std::optional<Bytes> strf;  // the video format chunk's data instead of BitmapInfo(format)
};

inline Bytes AudioStreamList()
{
    Bytes format;  // WAVEFORMATEX: PCM, mono, 8000 Hz, 8 bits
    Put16(format, 1);
    Put16(format, 1);
    Put32(format, 8000);
    Put32(format, 8000);
    Put16(format, 1);
    Put16(format, 8);
    Put16(format, 0);
    return List("strl", {Chunk("strh", StreamHeader("auds", "", 1, 8000, 800)), Chunk("strf", format)});
}

inline Bytes WriteClip(const ClipPlan& plan)
{
    const Bytes junk = Chunk("JUNK", Bytes(7, 0xAB));
    std::vector<Bytes> header;
    if (plan.mainHeader) {
        Bytes avih;
        Put32(avih, plan.microsecondsPerFrame);
        Put32(avih, 0);  // dwMaxBytesPerSec
        Put32(avih, 0);  // dwPaddingGranularity
        Put32(avih, 0x10);  // dwFlags: AVIF_HASINDEX
        Put32(avih, plan.totalFrames != 0 ? plan.totalFrames : static_cast<std::uint32_t>(plan.frames.size()));
        Put32(avih, 0);  // dwInitialFrames
        Put32(avih, (plan.audioFirst ? 1u : 0u) + (plan.videoStream ? 1u : 0u));
        Put32(avih, 0);  // dwSuggestedBufferSize
        Put32(avih, static_cast<std::uint32_t>(plan.format.width));
        const std::uint32_t height = static_cast<std::uint32_t>(plan.format.height);
        Put32(avih, plan.format.height < 0 ? 0u - height : height);
        for (int i = 0; i < 4; ++i)
            Put32(avih, 0);
        header.push_back(Chunk("avih", avih));
    }
    if (plan.junk)
        header.push_back(junk);
    if (plan.audioFirst || !plan.videoStream)
        header.push_back(AudioStreamList());
    if (plan.videoStream) {
        std::vector<Bytes> stream{
            Chunk("strh", StreamHeader("vids", plan.format.compression == kBiRle8 ? "mrle" : "DIB ", plan.scale,
                                       plan.rate, static_cast<std::uint32_t>(plan.frames.size())))};
        if (plan.junk)
            stream.push_back(junk);
        stream.push_back(Chunk("strf", plan.strf ? *plan.strf : BitmapInfo(plan.format)));
        if (plan.junk)
            stream.push_back(Chunk("strn", Bytes{'c', 'l', 'i', 'p', 0}));
        header.push_back(List("strl", stream));
    }

    const std::string video = plan.audioFirst ? "01" : "00";
    std::vector<Bytes> movie;
    Bytes index;
    std::uint32_t offset = 4;  // from the 'movi' type
    const auto add = [&](const Bytes& chunk, const std::string& id) {
        if (plan.index) {
            PutId(index, id);
            Put32(index, 0x10);  // AVIIF_KEYFRAME
            Put32(index, offset);
            Put32(index, static_cast<std::uint32_t>(chunk.size() - 8));
        }
        offset += static_cast<std::uint32_t>(chunk.size());
        movie.push_back(chunk);
    };
    for (const Bytes& frame : plan.frames) {
        if (plan.junk)
            add(junk, "JUNK");
        if (plan.audioFirst)
            add(Chunk("00wb", Bytes(80, 0x80)), "00wb");
        const std::string id = video + plan.frameSuffix;
        if (plan.recLists)
            add(List("rec ", {Chunk(id, frame)}), "rec ");
        else
            add(Chunk(id, frame), id);
    }

    Bytes body;
    PutId(body, "AVI ");
    Append(body, List("hdrl", header));
    if (plan.junk)
        Append(body, junk);
    Append(body, List("movi", movie));
    if (plan.index)
        Append(body, Chunk("idx1", index));
    return Chunk("RIFF", body);
}

// The rows of an image (0x00RRGGBB or 0xAARRGGBB, top row first) as
// BI_RGB data of 16 (RGB555), 24 or 32 bits, rows padded to 32-bit words,
// bottom row first unless topDown.
inline Bytes EncodeRgb(const std::vector<std::uint32_t>& pixels, int width, int height, int bitCount, bool topDown)
{
    Bytes out;
    for (int r = 0; r < height; ++r) {
        const int row = topDown ? r : height - 1 - r;
        const std::size_t start = out.size();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(row * width + x)];
            const std::uint32_t red = pixel >> 16 & 0xFF;
            const std::uint32_t green = pixel >> 8 & 0xFF;
            const std::uint32_t blue = pixel & 0xFF;
            if (bitCount == 16) {
                Put16(out, (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
            } else {
                out.push_back(static_cast<std::uint8_t>(blue));
                out.push_back(static_cast<std::uint8_t>(green));
                out.push_back(static_cast<std::uint8_t>(red));
                if (bitCount == 32)
                    out.push_back(0x5A);  // the unused byte: not alpha
            }
        }
        while ((out.size() - start) % 4 != 0)
            out.push_back(0xEE);
    }
    return out;
}

// Palette indices (top row first) as BI_RGB 8-bit rows.
inline Bytes EncodeIndices(const std::vector<std::uint8_t>& indices, int width, int height, bool topDown)
{
    Bytes out;
    for (int r = 0; r < height; ++r) {
        const int row = topDown ? r : height - 1 - r;
        for (int x = 0; x < width; ++x)
            out.push_back(indices[static_cast<std::size_t>(row * width + x)]);
        while (out.size() % 4 != 0)
            out.push_back(0xEE);
    }
    return out;
}

}  // namespace avitest
