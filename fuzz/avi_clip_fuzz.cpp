// libFuzzer target for the banner's clip reader: any bytes either fail to
// open, with a reason, or give a clip within the caps whose frames decode to
// the same pixels whichever way they are reached (in order, or by a jump back
// that replays from the first frame).
//
// Built and run by fuzz/run.sh (clang, -fsanitize=fuzzer,address,undefined).

#include "platform/media/AviClip.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

// Pixels decoded per input at most, so that a clip of many large frames
// does not make one input run for seconds (the player decodes one frame per
// timer tick; the fuzzer would decode them all at once).
constexpr std::uint64_t kPixelBudget = 8u * 1024u * 1024u;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AviClip::Error why = AviClip::Error::None;
    std::optional<AviClip> clip = AviClip::Parse(std::span<const std::uint8_t>(data, size), &why);
    if (!clip) {
        Check(why != AviClip::Error::None);
        return 0;
    }
    Check(why == AviClip::Error::None);
    Check(clip->Width() >= 1 && clip->Width() <= AviClip::kMaxSide);
    Check(clip->Height() >= 1 && clip->Height() <= AviClip::kMaxSide);
    const std::uint64_t pixels = static_cast<std::uint64_t>(clip->Width()) * static_cast<std::uint64_t>(clip->Height());
    Check(pixels <= AviClip::kMaxFramePixels);
    Check(clip->FrameCount() >= 1 && clip->FrameCount() <= AviClip::kMaxFrames);
    Check(clip->MillisecondsPerFrame() >= AviClip::kMinMillisecondsPerFrame
          && clip->MillisecondsPerFrame() <= AviClip::kMaxMillisecondsPerFrame);
    Check((clip->TransparentColour() >> 24) == 0xFF);

    AviClip::Frame frame;
    Check(!clip->DecodeFrame(-1, frame) && !clip->DecodeFrame(clip->FrameCount(), frame));
    Check(frame.pixels.empty());

    // Frames in order, as the control plays them, within the budget.
    const std::uint64_t affordable = kPixelBudget / pixels + 1;
    const int count = static_cast<int>(std::min<std::uint64_t>(affordable, static_cast<std::uint64_t>(clip->FrameCount())));
    std::vector<std::uint32_t> middle;
    int middleIndex = -1;
    int decoded = 0;
    for (int i = 0; i < count; ++i) {
        const bool transparent = i % 2 == 1;
        if (!clip->DecodeFrame(i, frame, transparent))
            break;
        ++decoded;
        Check(frame.width == clip->Width() && frame.height == clip->Height());
        Check(frame.pixels.size() == pixels);
        if (i == 0)
            Check(frame.pixels[0] == clip->TransparentColour());
        for (std::uint32_t pixel : frame.pixels)
            Check((pixel >> 24) == 0xFF || (transparent && pixel == 0));
        if (i == count / 2 && !transparent) {
            middle = frame.pixels;
            middleIndex = i;
        }
    }
    // The first frame decoded when the clip opened.
    Check(decoded >= 1);

    // A jump back to the first frame and forward again reaches the same
    // picture.
    if (middleIndex > 0 && middleIndex < decoded) {
        Check(clip->DecodeFrame(0, frame));
        Check(clip->DecodeFrame(middleIndex, frame));
        Check(frame.pixels == middle);
    }
    return 0;
}
