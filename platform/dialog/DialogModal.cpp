// CDialog's modal run: the owner, the placement over it and the modal loop.
// The owner is not disabled the Windows way: a disabled Qt widget disables
// its child windows too, the dialog among them. Application modality keeps
// every other window from taking input instead.

#include "platform/dialog/Dialog.h"

#include "platform/dialog/detail/DialogWindow.h"
#include "platform/WinThread.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <malloc.h>

namespace {

QRect AvailableArea(const QWidget* near)
{
    QScreen* screen = near != nullptr ? near->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Keeps a window of `size` at `topLeft` inside `area` where it can.
QPoint KeptInside(QPoint topLeft, QSize size, const QRect& area)
{
    if (area.isEmpty())
        return topLeft;
    topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - size.width())));
    topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - size.height())));
    return topLeft;
}

}  // namespace

int CDialog::DoModal()
{
    if (m_widget != nullptr || qApp == nullptr)
        return -1;
    const DialogTemplate* t = FindDialogTemplate(m_templateId);
    if (t == nullptr)
        return -1;
    CWnd* owner = m_pParent;
    if (owner == nullptr && AfxGetThread() != nullptr)
        owner = AfxGetThread()->m_pMainWnd;
    if (owner != nullptr && owner->Widget() == nullptr)
        owner = nullptr;

    if (!BuildWindow(*t, owner))
        return -1;
    auto* host = static_cast<DialogWindow*>(m_widget);
    QPointer<QWidget> window = host;
    host->setWindowModality(Qt::ApplicationModal);
    // A dialog may end itself while it initialises; it then never shows.
    bool endedEarly = false;
    int result = -1;
    const QMetaObject::Connection early = QObject::connect(host, &QDialog::finished, host, [&](int r) {
        endedEarly = true;
        result = r;
    });
    RunInitDialog();
    if (window.isNull() || m_widget == nullptr)
        return -1;
    QObject::disconnect(early);
    if (!endedEarly) {
        PlaceModal(*t, owner);
        result = host->exec();
    }
    // The window may have gone under the loop (its owner destroyed).
    if (window.isNull() || m_widget != window.data())
        return -1;
    ForgetWindow();
    delete window.data();
    PostNcDestroy();
    // A dialog's widgets, fonts and texts are freed in the middle of the
    // heap, which the allocator keeps for later; given back to the system,
    // a closed dialog leaves nothing resident behind (the benchmark
    // bench/dialog_memory.sh shows the difference).
    malloc_trim(0);
    return result;
}

void CDialog::PlaceModal(const DialogTemplate& t, CWnd* owner)
{
    QWidget* ownerWidget = owner != nullptr ? owner->Widget() : nullptr;
    // The frame is not there before the window is shown; the owner's frame
    // tells how much the window manager adds around a client area.
    QSize size = m_widget->size();
    if (ownerWidget != nullptr)
        size += ownerWidget->frameGeometry().size() - ownerWidget->size();
    QPoint topLeft;
    if ((t.x == 0 && t.y == 0) || (t.style & DS_CENTER)) {
        const QRect over = ownerWidget != nullptr ? ownerWidget->frameGeometry() : AvailableArea(nullptr);
        topLeft = over.topLeft() + QPoint((over.width() - size.width()) / 2, (over.height() - size.height()) / 2);
    } else {
        const auto* host = static_cast<const DialogWindow*>(m_widget);
        const PixelRect offset = DialogRectToPixels(t.x, t.y, 0, 0, host->baseUnits);
        const QPoint origin = ownerWidget != nullptr ? ownerWidget->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
        topLeft = origin + QPoint(offset.x, offset.y);
    }
    m_widget->move(KeptInside(topLeft, size, AvailableArea(ownerWidget)));
}
