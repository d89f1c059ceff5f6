#include "platform/dialog/AnimateCtrl.h"

#include "platform/media/AviClip.h"
#include "platform/dialog/detail/CompiledResources.h"

#include <QFile>
#include <QFrame>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdint>
#include <optional>

// The widget that shows the frames. The clip and the frame shown are its
// only state; the timer runs only while it plays and can be seen: shown,
// in a window that is on the screen (not minimised, not unmapped, and not
// fully covered where the platform says so, which it tells by exposure).
class AnimationWidget : public QWidget {
public:
    AnimationWidget(CAnimateCtrl* owner, DWORD style, QWidget* parent) : QWidget(parent), m_owner(owner), m_style(style)
    {
        // Without the transparent style the control paints every pixel
        // itself (the window's colour around the frame), so nothing behind
        // it repaints with each frame.
        setAttribute(Qt::WA_OpaquePaintEvent, !(style & ACS_TRANSPARENT));
        m_timer.setTimerType(Qt::CoarseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Advance(); });
    }

    // Destroyed with its parent window, the control object hears of it.
    ~AnimationWidget() override
    {
        if (m_owner != nullptr)
            m_owner->ForgetWidget();
    }
    void Disown() { m_owner = nullptr; }

    bool Open(std::optional<AviClip> clip)
    {
        Close();
        if (!clip)
            return false;
        m_clip = std::move(clip);
        m_first = 0;
        m_last = m_clip->FrameCount() - 1;
        m_repeatsLeft = -1;
        ShowFrame(0);
        if (m_style & ACS_AUTOPLAY)
            Play(0, 0xFFFF, static_cast<UINT>(-1));
        return true;
    }

    bool Play(UINT from, UINT to, UINT repeat)
    {
        if (!m_clip)
            return false;
        const int last = m_clip->FrameCount() - 1;
        m_first = std::min(static_cast<int>(std::min<UINT>(from, 0xFFFF)), last);
        m_last = to == 0xFFFF ? last : std::min(static_cast<int>(std::min<UINT>(to, 0xFFFF)), last);
        if (m_last < m_first)
            return false;
        m_repeatsLeft = repeat == static_cast<UINT>(-1) ? -1 : static_cast<int>(std::min<UINT>(repeat, 0x7FFFFFFF));
        m_playing = true;
        ShowFrame(m_first);
        m_timer.stop();  // the first frame gets its full time
        UpdateTimer();
        return true;
    }

    void Stop()
    {
        m_playing = false;
        UpdateTimer();
    }

    void Close()
    {
        Stop();
        m_clip.reset();
        m_image = QImage();
        m_frames[0] = {};
        m_frames[1] = {};
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        if (!(m_style & ACS_TRANSPARENT)) {
            // The window's colour where no opaque frame covers.
            QRegion background(event->rect());
            if (!m_image.isNull())
                background -= QRect(ImageOrigin(), m_image.size());
            for (const QRect& part : background)
                painter.fillRect(part, palette().window());
        }
        if (!m_image.isNull()) {
            const QRect target = event->rect() & QRect(ImageOrigin(), m_image.size());
            painter.drawImage(target, m_image, target.translated(-ImageOrigin()));
        }
    }
    void showEvent(QShowEvent*) override
    {
        WatchWindow();
        UpdateTimer();
    }
    void hideEvent(QHideEvent*) override { UpdateTimer(); }

    // The window's exposure changes when it is minimised, unmapped, shown
    // again or (where the platform tells) covered and uncovered.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose)
            UpdateTimer();
        return false;
    }

private:
    void WatchWindow()
    {
        QWindow* handle = window()->windowHandle();
        if (handle == m_window)
            return;
        if (m_window != nullptr)
            m_window->removeEventFilter(this);
        m_window = handle;
        if (m_window != nullptr)
            m_window->installEventFilter(this);
    }

    bool CanBeSeen() const
    {
        // A minimised window may still count as exposed for a moment; its
        // children have their hide events, but stay "visible" to Qt.
        return isVisible() && m_window != nullptr && m_window->isExposed() &&
               !(window()->windowState() & Qt::WindowMinimized);
    }

    void UpdateTimer()
    {
        if (m_playing && m_clip && CanBeSeen() && m_clip->FrameCount() > 1) {
            if (!m_timer.isActive())
                m_timer.start(m_clip->MillisecondsPerFrame());
        } else {
            m_timer.stop();
        }
    }

    void Advance()
    {
        if (!m_clip)
            return;
        int next = m_current + 1;
        if (next > m_last) {
            if (m_repeatsLeft == 0 || m_repeatsLeft == 1) {
                Stop();
                return;
            }
            if (m_repeatsLeft > 0)
                --m_repeatsLeft;
            next = m_first;
        }
        ShowFrame(next);
    }

    // Decoded frames are opaque, or hold fully transparent black where the
    // transparent colour was: drawn as they are (no conversion per frame),
    // an opaque one is a plain copy.
    QImage::Format FrameFormat() const
    {
        return (m_style & ACS_TRANSPARENT) ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    }

    QPoint ImageOrigin() const
    {
        if (!(m_style & ACS_CENTER) || m_image.isNull())
            return QPoint(0, 0);
        return QPoint((width() - m_image.width()) / 2, (height() - m_image.height()) / 2);
    }

    void ShowFrame(int index)
    {
        // Each frame is decoded into the buffer not on the screen, which
        // the image then looks at; the two are compared, and only the
        // rectangle that changed is repainted (the built-in clip changes a
        // band of 14 of its 40 rows from one frame to the next). A frame
        // that does not decode ends the play; the last good one stays.
        AviClip::Frame& shown = m_frames[m_front];
        AviClip::Frame& next = m_frames[1 - m_front];
        if (!m_clip->DecodeFrame(index, next, (m_style & ACS_TRANSPARENT) != 0)) {
            Stop();
            return;
        }
        m_current = index;
        const QRect changed = ChangedRect(shown, next);
        m_front = 1 - m_front;
        m_image = QImage(reinterpret_cast<const uchar*>(next.pixels.data()), next.width, next.height, next.width * 4,
                         FrameFormat());
        // Painted at once, in the timer's turn of the event loop, rather
        // than in a turn of its own.
        if (!changed.isEmpty())
            repaint(changed.translated(ImageOrigin()));
    }

    // Where two frames differ, in frame coordinates; all of the newer one
    // when their sizes differ.
    static QRect ChangedRect(const AviClip::Frame& before, const AviClip::Frame& after)
    {
        const QRect whole(0, 0, after.width, after.height);
        if (before.width != after.width || before.height != after.height ||
            before.pixels.size() != after.pixels.size())
            return whole;
        int top = after.height;
        int bottom = -1;
        int left = after.width;
        int right = -1;
        for (int y = 0; y < after.height; ++y) {
            const std::uint32_t* a = before.pixels.data() + static_cast<std::size_t>(y) * after.width;
            const std::uint32_t* b = after.pixels.data() + static_cast<std::size_t>(y) * after.width;
            if (std::equal(a, a + after.width, b))
                continue;
            top = std::min(top, y);
            bottom = y;
            int x = 0;
            while (a[x] == b[x])
                ++x;
            left = std::min(left, x);
            int last = after.width - 1;
            while (a[last] == b[last])
                --last;
            right = std::max(right, last);
        }
        return bottom < 0 ? QRect() : QRect(left, top, right - left + 1, bottom - top + 1);
    }

    CAnimateCtrl* m_owner;
    DWORD m_style;
    std::optional<AviClip> m_clip;
    AviClip::Frame m_frames[2];  // the one on the screen, and the next
    int m_front = 0;             // which of them is on the screen
    QImage m_image;
    QTimer m_timer;
    QPointer<QWindow> m_window;  // the top-level window whose exposure is watched
    int m_current = -1;
    int m_first = 0;
    int m_last = 0;
    int m_repeatsLeft = -1;
    bool m_playing = false;
};

namespace {

// Animation N of the program's resources is res/AnimationN.avi, compiled
// into this library as :/AnimationN.avi.
std::optional<AviClip> OpenResource(UINT id)
{
    LoadCompiledResources();
    QFile file(QStringLiteral(":/Animation%1.avi").arg(id));
    if (!file.open(QIODevice::ReadOnly) || file.size() > static_cast<qint64>(AviClip::kMaxFileBytes))
        return std::nullopt;
    const QByteArray data = file.readAll();
    return AviClip::Parse(std::span(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                    static_cast<std::size_t>(data.size())));
}

}  // namespace

CAnimateCtrl::CAnimateCtrl() = default;

CAnimateCtrl::~CAnimateCtrl()
{
    // The widget belongs to its parent window; if that still stands, the
    // control goes with this object, as DestroyWindow would take it.
    if (m_animation != nullptr) {
        m_animation->Disown();
        m_animation->deleteLater();
    }
}

void CAnimateCtrl::ForgetWidget()
{
    m_animation = nullptr;
    m_widget = nullptr;
}

BOOL CAnimateCtrl::Create(DWORD style, const CRect& rect, CWnd* parent, UINT)
{
    if (parent == nullptr || parent->Widget() == nullptr)
        return FALSE;
    QWidget* host = parent->Widget();
    if (m_animation != nullptr) {
        if (m_animation->parentWidget() == host)
            return FALSE;  // created already
        // Its window was destroyed but is not deleted yet (that waits for the
        // event loop): a window created again before then gets its own
        // control, and the old one goes with its window, telling nobody.
        m_animation->Disown();
        ForgetWidget();
    }
    // The rectangle is in the parent's client area, inside any frame.
    const QPoint origin = host->contentsRect().topLeft();
    m_animation = new AnimationWidget(this, style, host);
    m_animation->setGeometry(origin.x() + rect.left, origin.y() + rect.top, rect.Width(), rect.Height());
    m_animation->setFocusPolicy(Qt::NoFocus);
    m_animation->setAccessibleName(host->accessibleName());  // the placeholder's, "Banner" or the like
    m_animation->setVisible((style & WS_VISIBLE) != 0);
    m_widget = m_animation;
    return TRUE;
}

BOOL CAnimateCtrl::Open(const CString& fileName)
{
    if (m_animation == nullptr)
        return FALSE;
    return m_animation->Open(AviClip::Open(fileName)) ? TRUE : FALSE;
}

BOOL CAnimateCtrl::Open(UINT resourceId)
{
    if (m_animation == nullptr)
        return FALSE;
    return m_animation->Open(OpenResource(resourceId)) ? TRUE : FALSE;
}

BOOL CAnimateCtrl::Play(UINT from, UINT to, UINT repeat)
{
    return m_animation != nullptr && m_animation->Play(from, to, repeat) ? TRUE : FALSE;
}

BOOL CAnimateCtrl::Stop()
{
    if (m_animation == nullptr)
        return FALSE;
    m_animation->Stop();
    return TRUE;
}

void CAnimateCtrl::Close()
{
    if (m_animation != nullptr)
        m_animation->Close();
}
