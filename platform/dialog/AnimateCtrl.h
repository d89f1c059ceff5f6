#pragma once
// CAnimateCtrl: the animation control. It plays a clip (AviClip: a banner
// file, or an animation of the program's own resources) on a timer at the
// clip's frame rate, from a first to a last frame, repeated as asked,
// decoding only the frame it is about to show. ACS_CENTER centres the
// frames in the control; ACS_TRANSPARENT shows the window's background
// where the first frame has its top-left colour; ACS_AUTOPLAY starts
// playing when a clip opens. It pauses while hidden or while its window
// cannot be seen (minimised, unmapped). No sound, no seeking
// beyond what ACM_PLAY's frame range gives.

#include "platform/dialog/Wnd.h"

#include <memory>

// Animation styles, with the Windows values.
inline constexpr DWORD ACS_CENTER = 0x0001;
inline constexpr DWORD ACS_TRANSPARENT = 0x0002;
inline constexpr DWORD ACS_AUTOPLAY = 0x0004;
inline constexpr DWORD WS_CHILD = 0x40000000;

class AnimationWidget;

class CAnimateCtrl : public CWnd {
public:
    CAnimateCtrl();
    ~CAnimateCtrl() override;

    // Creates the control as a child of `parent`, at `rect` in the parent's
    // client area. FALSE without a parent window.
    BOOL Create(DWORD style, const CRect& rect, CWnd* parent, UINT id);

    // ACM_OPEN from a file (a path), or from animation resource `resourceId`.
    // FALSE, with no clip open, when it cannot be read or is no clip we play.
    BOOL Open(const CString& fileName);
    BOOL Open(UINT resourceId);
    // ACM_PLAY: frames `from` to `to` (0xFFFF: the last), `repeat` times
    // (-1: without end). FALSE without a clip.
    BOOL Play(UINT from, UINT to, UINT repeat);
    BOOL Stop();
    void Close();

private:
    friend class AnimationWidget;
    // The widget went with its parent window.
    void ForgetWidget();

    AnimationWidget* m_animation = nullptr;
};
