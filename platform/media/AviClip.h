#pragma once
// The clips the animation control plays: a reader of RIFF AVI files with one
// video stream, bytes in and frames out. Standard C++ only, so it can be
// tested and fuzzed without a window.
//
// Supported video: uncompressed (BI_RGB) 8-bit palettised, 16-bit (RGB555),
// 24-bit and 32-bit, and BI_RLE8; bottom-up and top-down rows. An audio
// stream is ignored; a clip without a video stream does not open.
//
// Banner files come from the current directory and are untrusted: whatever
// the bytes, Parse either returns a clip or fails, within the caps below, in
// time proportional to the input. A frame that turns out to be malformed
// fails to decode; nothing else happens.
//
// Frames are decoded on demand. The clip keeps the current frame only (RLE8
// frames after the first draw over the frame before them, so they are played
// in order): decoding the next frame is cheap; going back replays from the
// first frame.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class AviClip {
public:
    // --- Caps on untrusted input ---------------------------------------
    // The largest file read or parsed.
    static constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;
    // The frame: each side at most 4096 pixels, and 4 Mi pixels at most in
    // all, so one decoded frame takes 16 MiB at most. The clip holds one
    // such frame and its caller a copy: 32 MiB of pixels at most.
    static constexpr int kMaxSide = 4096;
    static constexpr std::uint64_t kMaxFramePixels = 4u * 1024u * 1024u;
    // Video frames in the clip; a clip with more does not open.
    static constexpr int kMaxFrames = 100000;
    // Lists inside lists below the movie data ('rec ' lists); deeper nesting
    // does not open.
    static constexpr int kMaxListDepth = 8;
    // Palette entries of an 8-bit clip.
    static constexpr int kMaxPaletteEntries = 256;
    // The timer interval. A clip may ask for any rate, including none at all
    // (zero): without one it plays at 10 frames a second, and whatever it
    // asks for is held between 100 frames a second (so a banner cannot keep
    // a core busy) and one frame every 10 seconds.
    static constexpr int kDefaultMillisecondsPerFrame = 100;
    static constexpr int kMinMillisecondsPerFrame = 10;
    static constexpr int kMaxMillisecondsPerFrame = 10000;

    // Why a file did not open.
    enum class Error {
        None,
        TooLarge,           // more than kMaxFileBytes
        NotAvi,             // not a RIFF 'AVI ' form
        Truncated,          // a chunk runs past its file or list
        BadHeader,          // a header chunk is too short or inconsistent
        NoVideo,            // no video stream ('vids' with a format)
        UnsupportedFormat,  // a bit depth or compression not listed above
        FrameTooLarge,      // beyond kMaxSide or kMaxFramePixels
        TooDeep,            // lists nested beyond kMaxListDepth
        TooManyFrames,      // beyond kMaxFrames
        NoFrames,           // no video frame in the movie data
        BadFrame,           // a frame is shorter than its size or malformed
        ReadFailed,         // the file could not be read, or is not a file
    };

    // A decoded frame: 0xAARRGGBB per pixel, rows from top to bottom. Every
    // pixel is opaque except the transparent ones (0x00000000), so the same
    // values read as straight or as premultiplied ARGB.
    struct Frame {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels;
    };

    // Parses a clip and decodes its first frame (the one shown first, and
    // the source of the transparent colour). On failure, *why (when given)
    // says what was wrong. The span's bytes are copied; the vector is kept.
    static std::optional<AviClip> Parse(std::span<const std::uint8_t> bytes, Error* why = nullptr);
    static std::optional<AviClip> Parse(std::vector<std::uint8_t>&& bytes, Error* why = nullptr);

    // Reads a regular file of at most kMaxFileBytes (without trusting the
    // size the file system reports). Fails for anything else: a missing
    // file, a directory, a device or a pipe.
    static std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path, Error* why = nullptr);
    // ReadFile, then Parse.
    static std::optional<AviClip> Open(const std::string& path, Error* why = nullptr);

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The interval between frames, within the limits above.
    int MillisecondsPerFrame() const { return millisecondsPerFrame_; }
    // The top-left pixel of the first frame (opaque): the colour the
    // control's transparent style shows as background.
    std::uint32_t TransparentColour() const { return transparentColour_; }

    // Decodes frame `index` (0 .. FrameCount() - 1) into `out`. With
    // `transparent`, every pixel of TransparentColour() comes out as
    // 0x00000000. The next frame after the last one decoded costs one frame;
    // any other index of an RLE8 clip replays the frames from the first.
    // False, with `out` untouched, for an index out of range or a malformed
    // frame.
    bool DecodeFrame(int index, Frame& out, bool transparent = false);

private:
    enum class Format { Rgb8, Rgb16, Rgb24, Rgb32, Rle8 };
    struct FrameData {
        std::size_t offset;
        std::size_t size;
    };

    struct Headers;

    AviClip() = default;
    Error ParseBytes();
    Error ParseHeaderList(std::size_t begin, std::size_t end, Headers& headers);
    Error ParseFormat(std::size_t offset, std::size_t size);
    Error CollectFrames(std::size_t begin, std::size_t end, int videoStream);
    void ResetCanvas();
    bool DrawFrame(int index);
    bool DrawRle8(const std::uint8_t* data, std::size_t size);
    void DrawUncompressed(const std::uint8_t* data);
    std::size_t CanvasRow(std::size_t dataRow) const;

    std::vector<std::uint8_t> bytes_;
    std::vector<FrameData> frames_;
    Format format_ = Format::Rgb24;
    int width_ = 0;
    int height_ = 0;
    bool topDown_ = false;
    std::size_t stride_ = 0;
    std::uint32_t palette_[kMaxPaletteEntries] = {};
    int millisecondsPerFrame_ = kDefaultMillisecondsPerFrame;
    std::uint32_t transparentColour_ = 0;

    // The frame decoded last (-1: none, or the last decode failed).
    std::vector<std::uint32_t> canvas_;
    int current_ = -1;
};
