#pragma once
// The font configuration, read on a thread of its own while Qt connects to
// the display. The first window cannot be sized before its font is
// measured, and the first measurement waits for fontconfig to parse its
// configuration and load its caches (about 6 ms here); the display
// connection is mostly waiting on the server, so the two overlap. Qt later
// finds fontconfig ready. Nothing else of Qt's fonts is touched here.

#include <thread>

class FontWarmUp {
public:
    FontWarmUp();   // starts reading
    ~FontWarmUp();  // waits for it, if Finish has not
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until fontconfig is ready: before anything measures a font.
    void Finish();

private:
    std::thread m_reader;
};
