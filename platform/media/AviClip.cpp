#include "platform/media/AviClip.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <utility>

// Layout of a clip, as far as this reader looks at it:
//
//   RIFF size 'AVI '
//     LIST size 'hdrl'
//       avih (main header: microseconds per frame, ...)
//       LIST size 'strl'        one per stream, numbered from 0
//         strh (fccType 'vids' or 'auds', ..., dwScale, dwRate)
//         strf (video: BITMAPINFOHEADER, then the palette)
//     LIST size 'movi'
//       NNdb / NNdc             a frame of stream NN ('rec ' lists may group them)
//     idx1                      (not needed: the movie data is walked)
//
// Every chunk is a four-character id, a 32-bit little-endian size and the
// data, padded to an even length. Any other chunk ('JUNK', 'strn', 'NNwb',
// 'NNpc', ...) is skipped.

namespace {

constexpr std::uint32_t FourCc(const char (&text)[5])
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[0]))
        | static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(text[3])) << 24;
}

constexpr std::uint32_t kRiff = FourCc("RIFF");
constexpr std::uint32_t kAvi = FourCc("AVI ");
constexpr std::uint32_t kList = FourCc("LIST");
constexpr std::uint32_t kHdrl = FourCc("hdrl");
constexpr std::uint32_t kAvih = FourCc("avih");
constexpr std::uint32_t kStrl = FourCc("strl");
constexpr std::uint32_t kStrh = FourCc("strh");
constexpr std::uint32_t kStrf = FourCc("strf");
constexpr std::uint32_t kMovi = FourCc("movi");
constexpr std::uint32_t kVids = FourCc("vids");

constexpr std::size_t kChunkHeaderBytes = 8;
// The parts of the headers this reader uses: avih up to dwMicroSecPerFrame,
// strh up to dwRate, and a whole BITMAPINFOHEADER.
constexpr std::size_t kMinAvihBytes = 4;
constexpr std::size_t kMinStrhBytes = 28;
constexpr std::size_t kBitmapInfoHeaderBytes = 40;
// Streams are numbered with two decimal digits in the chunk ids.
constexpr int kMaxStreams = 100;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
constexpr std::size_t kReadBlockBytes = 64 * 1024;

std::uint16_t Le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8
        | static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::int32_t LeInt32(const std::uint8_t* p)
{
    return static_cast<std::int32_t>(Le32(p));
}

std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    return kOpaqueBlack | red << 16 | green << 8 | blue;
}

// A chunk inside [pos, end) of the bytes: id, data offset and data size.
// `next` is where the chunk after it starts (past the pad byte of an odd
// size; a pad byte missing at the very end of the list is tolerated).
struct Chunk {
    std::uint32_t id = 0;
    std::size_t data = 0;
    std::size_t size = 0;
    std::size_t next = 0;
};

// Reads the chunk header at `pos`. Requires pos <= end <= bytes.size();
// fails when the header or the data would pass `end`.
bool ReadChunk(const std::vector<std::uint8_t>& bytes, std::size_t pos, std::size_t end, Chunk& chunk)
{
    if (end - pos < kChunkHeaderBytes)
        return false;
    const std::uint8_t* header = bytes.data() + pos;
    chunk.id = Le32(header);
    const std::uint32_t size = Le32(header + 4);
    chunk.data = pos + kChunkHeaderBytes;
    if (size > end - chunk.data)
        return false;
    chunk.size = size;
    chunk.next = chunk.data + chunk.size;
    if ((chunk.size & 1) != 0 && chunk.next < end)
        ++chunk.next;
    return true;
}

// A LIST chunk's type, or 0 for any other chunk (or a LIST too short to
// have a type).
std::uint32_t ListType(const std::vector<std::uint8_t>& bytes, const Chunk& chunk)
{
    if (chunk.id != kList || chunk.size < 4)
        return 0;
    return Le32(bytes.data() + chunk.data);
}

// The chunk id of stream `index` with the two-letter suffix ("db", "dc").
std::uint32_t StreamChunkId(int index, char suffix0, char suffix1)
{
    return static_cast<std::uint32_t>('0' + index / 10) | static_cast<std::uint32_t>('0' + index % 10) << 8
        | static_cast<std::uint32_t>(static_cast<unsigned char>(suffix0)) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(suffix1)) << 24;
}

// The timer interval from the main header (microseconds per frame), else
// from the stream's rate (dwRate / dwScale frames a second), else the
// default; held within the caps.
int IntervalMilliseconds(std::uint32_t microsecondsPerFrame, std::uint32_t scale, std::uint32_t rate)
{
    std::uint64_t milliseconds = AviClip::kDefaultMillisecondsPerFrame;
    if (microsecondsPerFrame != 0)
        milliseconds = (std::uint64_t{microsecondsPerFrame} + 500) / 1000;
    else if (scale != 0 && rate != 0)
        milliseconds = (std::uint64_t{scale} * 1000 + rate / 2) / rate;
    milliseconds = std::clamp<std::uint64_t>(milliseconds, AviClip::kMinMillisecondsPerFrame,
                                             AviClip::kMaxMillisecondsPerFrame);
    return static_cast<int>(milliseconds);
}

}  // namespace

// What the header list says, gathered while walking it.
struct AviClip::Headers {
    std::uint32_t microsecondsPerFrame = 0;
    bool haveMainHeader = false;
    int streams = 0;
    int videoStream = -1;
    std::uint32_t scale = 0;
    std::uint32_t rate = 0;
    std::size_t formatOffset = 0;
    std::size_t formatSize = 0;
};

namespace {

// One 'strl' list in [pos, end). `video` tells whether it is a video stream
// with a format; the stream's rate and format are written either way (the
// caller keeps them only for the video stream). False when a chunk runs past
// the list.
bool ReadStreamList(const std::vector<std::uint8_t>& bytes, std::size_t pos, std::size_t end, bool& video,
                    std::uint32_t& scale, std::uint32_t& rate, std::size_t& formatOffset, std::size_t& formatSize)
{
    bool isVideo = false;
    bool haveFormat = false;
    while (end - pos >= kChunkHeaderBytes) {
        Chunk chunk;
        if (!ReadChunk(bytes, pos, end, chunk))
            return false;
        if (chunk.id == kStrh && chunk.size >= kMinStrhBytes) {
            const std::uint8_t* strh = bytes.data() + chunk.data;
            isVideo = Le32(strh) == kVids;
            scale = Le32(strh + 20);
            rate = Le32(strh + 24);
        } else if (chunk.id == kStrf && !haveFormat) {
            haveFormat = true;
            formatOffset = chunk.data;
            formatSize = chunk.size;
        }
        pos = chunk.next;
    }
    video = isVideo && haveFormat;
    return true;
}

}  // namespace

std::optional<AviClip> AviClip::Parse(std::span<const std::uint8_t> bytes, Error* why)
{
    if (bytes.size() > kMaxFileBytes) {
        if (why != nullptr)
            *why = Error::TooLarge;
        return std::nullopt;
    }
    return Parse(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), why);
}

std::optional<AviClip> AviClip::Parse(std::vector<std::uint8_t>&& bytes, Error* why)
{
    AviClip clip;
    clip.bytes_ = std::move(bytes);
    const Error error = clip.ParseBytes();
    if (why != nullptr)
        *why = error;
    if (error != Error::None)
        return std::nullopt;
    return clip;
}

std::optional<std::vector<std::uint8_t>> AviClip::ReadFile(const std::string& path, Error* why)
{
    const auto fail = [why](Error error) -> std::optional<std::vector<std::uint8_t>> {
        if (why != nullptr)
            *why = error;
        return std::nullopt;
    };
    // Only a regular file: a pipe would block the opening, a device never end.
    std::error_code code;
    if (!std::filesystem::is_regular_file(path, code))
        return fail(Error::ReadFailed);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return fail(Error::ReadFailed);

    std::vector<std::uint8_t> bytes;
    // The reported size only sizes the first allocation; the reading itself
    // stops at the cap whatever the file turns out to hold.
    const std::uintmax_t reported = std::filesystem::file_size(path, code);
    if (!code)
        bytes.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(reported, kMaxFileBytes) + 1));
    for (;;) {
        const std::size_t had = bytes.size();
        if (had > kMaxFileBytes)
            return fail(Error::TooLarge);
        bytes.resize(had + kReadBlockBytes);
        in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(kReadBlockBytes));
        const std::size_t got = static_cast<std::size_t>(in.gcount());
        bytes.resize(had + got);
        if (got < kReadBlockBytes)
            break;
    }
    if (in.bad())
        return fail(Error::ReadFailed);
    if (bytes.size() > kMaxFileBytes)
        return fail(Error::TooLarge);
    if (why != nullptr)
        *why = Error::None;
    return bytes;
}

std::optional<AviClip> AviClip::Open(const std::string& path, Error* why)
{
    std::optional<std::vector<std::uint8_t>> bytes = ReadFile(path, why);
    if (!bytes)
        return std::nullopt;
    return Parse(std::move(*bytes), why);
}

AviClip::Error AviClip::ParseBytes()
{
    const std::vector<std::uint8_t>& bytes = bytes_;
    if (bytes.size() > kMaxFileBytes)
        return Error::TooLarge;
    if (bytes.size() < 12 || Le32(bytes.data()) != kRiff || Le32(bytes.data() + 8) != kAvi)
        return Error::NotAvi;
    // The first RIFF form holds the clip; anything after it is not looked at.
    Chunk riff;
    if (!ReadChunk(bytes, 0, bytes.size(), riff))
        return Error::Truncated;
    // The form type 'AVI ' is part of the RIFF chunk's data.
    if (riff.size < 4)
        return Error::NotAvi;

    Headers headers;
    bool haveHeaderList = false;
    bool haveMovie = false;
    std::size_t movieBegin = 0;
    std::size_t movieEnd = 0;
    std::size_t pos = riff.data + 4;
    const std::size_t end = riff.data + riff.size;
    while (end - pos >= kChunkHeaderBytes) {
        Chunk chunk;
        if (!ReadChunk(bytes, pos, end, chunk))
            return Error::Truncated;
        const std::uint32_t listType = ListType(bytes, chunk);
        if (listType == kHdrl && !haveHeaderList) {
            haveHeaderList = true;
            const Error error = ParseHeaderList(chunk.data + 4, chunk.data + chunk.size, headers);
            if (error != Error::None)
                return error;
        } else if (listType == kMovi && !haveMovie) {
            haveMovie = true;
            movieBegin = chunk.data + 4;
            movieEnd = chunk.data + chunk.size;
        }
        pos = chunk.next;
    }
    if (!haveHeaderList)
        return Error::BadHeader;
    if (headers.videoStream < 0)
        return Error::NoVideo;
    Error error = ParseFormat(headers.formatOffset, headers.formatSize);
    if (error != Error::None)
        return error;
    millisecondsPerFrame_ = IntervalMilliseconds(headers.haveMainHeader ? headers.microsecondsPerFrame : 0, headers.scale,
                                                 headers.rate);
    if (!haveMovie)
        return Error::NoFrames;
    error = CollectFrames(movieBegin, movieEnd, headers.videoStream);
    if (error != Error::None)
        return error;

    // The first frame: shown first, and the source of the transparent colour.
    canvas_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kOpaqueBlack);
    ResetCanvas();
    if (!DrawFrame(0))
        return Error::BadFrame;
    current_ = 0;
    transparentColour_ = canvas_[0];
    return Error::None;
}

AviClip::Error AviClip::ParseHeaderList(std::size_t pos, std::size_t end, Headers& headers)
{
    while (end - pos >= kChunkHeaderBytes) {
        Chunk chunk;
        if (!ReadChunk(bytes_, pos, end, chunk))
            return Error::Truncated;
        if (chunk.id == kAvih && !headers.haveMainHeader) {
            if (chunk.size < kMinAvihBytes)
                return Error::BadHeader;
            headers.haveMainHeader = true;
            headers.microsecondsPerFrame = Le32(bytes_.data() + chunk.data);
        } else if (ListType(bytes_, chunk) == kStrl) {
            // Streams after the video stream (and beyond the numbers a chunk
            // id can carry) do not matter.
            if (headers.videoStream < 0 && headers.streams < kMaxStreams) {
                bool video = false;
                if (!ReadStreamList(bytes_, chunk.data + 4, chunk.data + chunk.size, video, headers.scale,
                                    headers.rate, headers.formatOffset, headers.formatSize))
                    return Error::Truncated;
                if (video)
                    headers.videoStream = headers.streams;
            }
            ++headers.streams;
        }
        pos = chunk.next;
    }
    return Error::None;
}

AviClip::Error AviClip::ParseFormat(std::size_t offset, std::size_t size)
{
    if (size < kBitmapInfoHeaderBytes)
        return Error::BadHeader;
    const std::uint8_t* info = bytes_.data() + offset;
    const std::uint32_t headerSize = Le32(info);
    const std::int32_t width = LeInt32(info + 4);
    const std::int32_t height = LeInt32(info + 8);
    const std::uint16_t bitCount = Le16(info + 14);
    const std::uint32_t compression = Le32(info + 16);
    const std::uint32_t coloursUsed = Le32(info + 32);
    if (headerSize < kBitmapInfoHeaderBytes || headerSize > size)
        return Error::BadHeader;
    // INT32_MIN has no positive counterpart: no real clip is that tall.
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return Error::BadHeader;
    const std::int64_t rows = height < 0 ? -std::int64_t{height} : std::int64_t{height};
    if (width > kMaxSide || rows > kMaxSide
        || static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(rows) > kMaxFramePixels)
        return Error::FrameTooLarge;

    if (compression == kBiRgb && bitCount == 8)
        format_ = Format::Rgb8;
    else if (compression == kBiRgb && bitCount == 16)
        format_ = Format::Rgb16;
    else if (compression == kBiRgb && bitCount == 24)
        format_ = Format::Rgb24;
    else if (compression == kBiRgb && bitCount == 32)
        format_ = Format::Rgb32;
    else if (compression == kBiRle8 && bitCount == 8)
        format_ = Format::Rle8;
    else
        return Error::UnsupportedFormat;

    width_ = width;
    height_ = static_cast<int>(rows);
    topDown_ = height < 0;
    // Rows are padded to whole 32-bit words.
    stride_ = (static_cast<std::size_t>(width_) * bitCount + 31) / 32 * 4;

    std::fill(std::begin(palette_), std::end(palette_), kOpaqueBlack);
    if (bitCount == 8) {
        // The palette follows the header: RGBQUAD entries (blue, green, red,
        // reserved), as many as biClrUsed says (0: all 256), of those the
        // ones the chunk holds. Indices past it draw black.
        const std::size_t declared = coloursUsed == 0 ? std::size_t{kMaxPaletteEntries}
                                                      : std::min<std::size_t>(coloursUsed, kMaxPaletteEntries);
        const std::size_t entries = std::min(declared, (size - headerSize) / 4);
        if (entries == 0)
            return Error::BadHeader;
        const std::uint8_t* quad = info + headerSize;
        for (std::size_t i = 0; i < entries; ++i, quad += 4)
            palette_[i] = Rgb(quad[2], quad[1], quad[0]);
    }
    return Error::None;
}

AviClip::Error AviClip::CollectFrames(std::size_t begin, std::size_t end, int videoStream)
{
    const std::uint32_t bitmapId = StreamChunkId(videoStream, 'd', 'b');
    const std::uint32_t compressedId = StreamChunkId(videoStream, 'd', 'c');
    const std::size_t frameBytes = stride_ * static_cast<std::size_t>(height_);

    // The movie list and the lists inside it, walked without recursion: each
    // level is the part of its list not yet read.
    struct Level {
        std::size_t pos;
        std::size_t end;
    };
    std::array<Level, kMaxListDepth + 1> levels{};
    int depth = 0;
    levels[0] = Level{begin, end};
    while (depth >= 0) {
        Level& level = levels[static_cast<std::size_t>(depth)];
        if (level.end - level.pos < kChunkHeaderBytes) {
            --depth;
            continue;
        }
        Chunk chunk;
        if (!ReadChunk(bytes_, level.pos, level.end, chunk))
            return Error::Truncated;
        level.pos = chunk.next;
        if (chunk.id == kList) {
            if (chunk.size < 4)
                continue;
            if (depth == kMaxListDepth)
                return Error::TooDeep;
            ++depth;
            levels[static_cast<std::size_t>(depth)] = Level{chunk.data + 4, chunk.data + chunk.size};
        } else if (chunk.id == bitmapId || chunk.id == compressedId) {
            if (frames_.size() == static_cast<std::size_t>(kMaxFrames))
                return Error::TooManyFrames;
            // An empty chunk repeats the frame before it. Uncompressed
            // frames must hold every row.
            if (format_ != Format::Rle8 && chunk.size != 0 && chunk.size < frameBytes)
                return Error::BadFrame;
            frames_.push_back(FrameData{chunk.data, chunk.size});
        }
    }
    if (frames_.empty())
        return Error::NoFrames;
    return Error::None;
}

std::size_t AviClip::CanvasRow(std::size_t dataRow) const
{
    return topDown_ ? dataRow : static_cast<std::size_t>(height_) - 1 - dataRow;
}

void AviClip::ResetCanvas()
{
    // What a bitmap of zero bytes shows: palette entry 0, else black.
    const bool palettised = format_ == Format::Rgb8 || format_ == Format::Rle8;
    std::fill(canvas_.begin(), canvas_.end(), palettised ? palette_[0] : kOpaqueBlack);
}

bool AviClip::DrawFrame(int index)
{
    const FrameData& frame = frames_[static_cast<std::size_t>(index)];
    if (frame.size == 0)
        return true;
    const std::uint8_t* data = bytes_.data() + frame.offset;
    if (format_ == Format::Rle8)
        return DrawRle8(data, frame.size);
    DrawUncompressed(data);
    return true;
}

void AviClip::DrawUncompressed(const std::uint8_t* data)
{
    const std::size_t width = static_cast<std::size_t>(width_);
    for (std::size_t row = 0; row < static_cast<std::size_t>(height_); ++row) {
        const std::uint8_t* in = data + row * stride_;
        std::uint32_t* out = canvas_.data() + CanvasRow(row) * width;
        switch (format_) {
        case Format::Rgb8:
            for (std::size_t x = 0; x < width; ++x)
                out[x] = palette_[in[x]];
            break;
        case Format::Rgb16:
            // RGB555: 0RRRRRGG GGGBBBBB; five bits widen to eight by
            // repeating their top bits.
            for (std::size_t x = 0; x < width; ++x, in += 2) {
                const std::uint32_t pixel = Le16(in);
                const std::uint32_t red = pixel >> 10 & 0x1F;
                const std::uint32_t green = pixel >> 5 & 0x1F;
                const std::uint32_t blue = pixel & 0x1F;
                out[x] = Rgb(red << 3 | red >> 2, green << 3 | green >> 2, blue << 3 | blue >> 2);
            }
            break;
        case Format::Rgb24:
            for (std::size_t x = 0; x < width; ++x, in += 3)
                out[x] = Rgb(in[2], in[1], in[0]);
            break;
        case Format::Rgb32:
            // Blue, green, red and an unused byte.
            for (std::size_t x = 0; x < width; ++x, in += 4)
                out[x] = Rgb(in[2], in[1], in[0]);
            break;
        case Format::Rle8:
            break;
        }
    }
}

// BI_RLE8 over the current canvas. Two-byte codes:
//   n c       (n > 0) n pixels of colour c
//   0 0       end of line: to the start of the next line
//   0 1       end of bitmap
//   0 2 dx dy move right dx and down dy; the pixels passed keep their colour
//   0 n ...   (n >= 3) n literal colours, padded to an even count
// Lines count from the first line of the data (the bottom one in a
// bottom-up clip). A run or literal that passes its line's end, a move past
// the frame, or codes cut short fail the frame; the data ending without an
// end-of-bitmap code is a complete frame.
bool AviClip::DrawRle8(const std::uint8_t* data, std::size_t size)
{
    const std::size_t width = static_cast<std::size_t>(width_);
    const std::size_t height = static_cast<std::size_t>(height_);
    std::size_t x = 0;
    std::size_t y = 0;
    std::size_t i = 0;
    while (i < size) {
        if (size - i < 2)
            return false;
        const std::uint8_t first = data[i];
        const std::uint8_t second = data[i + 1];
        i += 2;
        if (first != 0) {
            if (y >= height || width - x < first)
                return false;
            std::uint32_t* out = canvas_.data() + CanvasRow(y) * width + x;
            std::fill(out, out + first, palette_[second]);
            x += first;
            continue;
        }
        switch (second) {
        case 0:
            x = 0;
            if (++y > height)
                return false;
            break;
        case 1:
            return true;
        case 2: {
            if (size - i < 2)
                return false;
            const std::size_t dx = data[i];
            const std::size_t dy = data[i + 1];
            i += 2;
            if (width - x < dx || height - y < dy)
                return false;
            x += dx;
            y += dy;
            break;
        }
        default: {
            const std::size_t count = second;
            if (size - i < count || y >= height || width - x < count)
                return false;
            std::uint32_t* out = canvas_.data() + CanvasRow(y) * width + x;
            for (std::size_t k = 0; k < count; ++k)
                out[k] = palette_[data[i + k]];
            x += count;
            i += count;
            if ((count & 1) != 0 && i < size)
                ++i;
            break;
        }
        }
    }
    return true;
}

bool AviClip::DecodeFrame(int index, Frame& out, bool transparent)
{
    if (index < 0 || index >= FrameCount())
        return false;
    if (index != current_) {
        if (format_ == Format::Rle8) {
            // Each frame draws over the one before it.
            int from = 0;
            if (current_ >= 0 && index > current_)
                from = current_ + 1;
            else
                ResetCanvas();
            for (int i = from; i <= index; ++i) {
                if (!DrawFrame(i)) {
                    current_ = -1;
                    return false;
                }
            }
        } else {
            // Each frame is whole; an empty one repeats the frame before it.
            // Nothing to draw when only empty frames follow the current one.
            const int stop = current_ >= 0 && index > current_ ? current_ : -1;
            int source = index;
            while (source > stop && frames_[static_cast<std::size_t>(source)].size == 0)
                --source;
            if (source > stop)
                DrawFrame(source);
            else if (stop < 0)
                ResetCanvas();
        }
        current_ = index;
    }
    out.width = width_;
    out.height = height_;
    out.pixels.assign(canvas_.begin(), canvas_.end());
    if (transparent)
        std::replace(out.pixels.begin(), out.pixels.end(), transparentColour_, std::uint32_t{0});
    return true;
}
