#include "platform/dialog/AnimateCtrl.h"

#include "platform/media/AviClip.h"
#include "platform/dialog/detail/CompiledResources.h"

#include <QFile>
#include <QFrame>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <optional>

// The widget that shows the frames. The clip and the frame shown are its
// only state; the timer runs only while it plays and is visible.
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
        m_frame = {};
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        if (!(m_style & ACS_TRANSPARENT))
            painter.fillRect(event->rect(), palette().window());
        if (!m_image.isNull())
            painter.drawImage(ImageOrigin(), m_image);
    }
    void showEvent(QShowEvent*) override { UpdateTimer(); }
    void hideEvent(QHideEvent*) override { UpdateTimer(); }

private:
    void UpdateTimer()
    {
        if (m_playing && m_clip && isVisible() && m_clip->FrameCount() > 1)
            m_timer.start(m_clip->MillisecondsPerFrame());
        else
            m_timer.stop();
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

    QPoint ImageOrigin() const
    {
        if (!(m_style & ACS_CENTER) || m_image.isNull())
            return QPoint(0, 0);
        return QPoint((width() - m_image.width()) / 2, (height() - m_image.height()) / 2);
    }

    void ShowFrame(int index)
    {
        // The frame's pixels are decoded into the same buffer each time;
        // the image only looks at them, and is made anew when they move.
        if (!m_clip->DecodeFrame(index, m_frame, (m_style & ACS_TRANSPARENT) != 0)) {
            // A frame that does not decode ends the play; the last good one stays.
            m_image = m_image.copy();
            Stop();
            return;
        }
        m_current = index;
        const auto* pixels = reinterpret_cast<const uchar*>(m_frame.pixels.data());
        if (m_image.isNull() || m_image.constBits() != pixels || m_image.width() != m_frame.width ||
            m_image.height() != m_frame.height)
            m_image = QImage(pixels, m_frame.width, m_frame.height, m_frame.width * 4, QImage::Format_ARGB32);
        // Only the clip's rectangle changes.
        update(QRect(ImageOrigin(), m_image.size()));
    }

    CAnimateCtrl* m_owner;
    DWORD m_style;
    std::optional<AviClip> m_clip;
    AviClip::Frame m_frame;
    QImage m_image;
    QTimer m_timer;
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
