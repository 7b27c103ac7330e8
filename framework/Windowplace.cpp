#include "framework/Windowplace.h"

#include "framework/Handlerguard.h"
#include "platform/Windowposition.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <utility>

namespace {

const QString kPlacingFailed = QStringLiteral("The error at placing of a window.");

// A frame edge within [low, high]; where the range is empty, low (the top-left edge) wins.
int keptWithin(int edge, int low, int high)
{
    return std::max(std::min(edge, high), low);
}

QMargins marginsOf(const QWidget& window)
{
    // Unknown (none) until the window manager has framed the native window.
    const QWindow* native = window.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

} // namespace

QRect fitOnDesktop(const QRect& client, const QMargins& frame, const QRect& desktop)
{
    if (desktop.isEmpty())
        return client;
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const int width = std::max(1, std::min(client.width(), desktop.width() - frameWidth));
    const int height = std::max(1, std::min(client.height(), desktop.height() - frameHeight));
    const int left = keptWithin(client.left() - frame.left(), desktop.left(),
                                desktop.right() + 1 - width - frameWidth);
    const int top = keptWithin(client.top() - frame.top(), desktop.top(),
                               desktop.bottom() + 1 - height - frameHeight);
    return QRect(left + frame.left(), top + frame.top(), width, height);
}

CWindowPlace::CWindowPlace(QWidget* window)
    : QObject(window)
    , m_Window(window)
{
    window->installEventFilter(this);
}

QRect CWindowPlace::normalPlace() const
{
    return m_Normal.isValid() ? m_Normal : currentPlace();
}

QRect CWindowPlace::currentPlace() const
{
    const QRect geometry = m_Window->geometry();
    const std::optional<QPoint> corner =
        m_Window->isVisible() ? nativeClientPosition(m_Window->windowHandle()) : std::nullopt;
    return corner.has_value() ? QRect(*corner, geometry.size()) : geometry;
}

QPoint CWindowPlace::frameCorner() const
{
    const QMargins frame = frameMargins();
    return currentPlace().topLeft() - QPoint(frame.left(), frame.top());
}

QMargins CWindowPlace::frameMargins() const
{
    const QMargins own = marginsOf(*m_Window);
    if (!own.isNull())
        return own;
    if (!m_Frame.isNull())
        return m_Frame;
    const QWidget* owner = m_Window->parentWidget();
    if (owner == nullptr)
        return QMargins();
    // A window hidden in the tray has no frame: the one its place saw last stands for it.
    const QWidget* ownerWindow = owner->window();
    const auto* ownerPlace = ownerWindow->findChild<CWindowPlace*>(QString(),
                                                                   Qt::FindDirectChildrenOnly);
    return ownerPlace != nullptr ? ownerPlace->frameMargins() : marginsOf(*ownerWindow);
}

bool CWindowPlace::holds(const QRect& client) const
{
    if (m_Checking)
        return m_Wanted.isValid() && client == m_Wanted;
    return m_Normal.isValid() && client == m_Normal;
}

void CWindowPlace::place(const QRect& client)
{
    m_Centre.reset();
    // Only the user or a changed place moves a shown window: the fit belongs to showing it.
    if (holds(client))
        return;
    const QRect kept = fitted(client);
    // Until the window is on the screen its frame is a guess; it is fitted again then.
    if (!m_Window->isVisible() || m_Checking)
        m_Wanted = client;
    m_Normal = kept;
    if (isNormal())
        moveTo(kept);
}

void CWindowPlace::placeFrameAt(const QPoint& corner)
{
    const QMargins frame = frameMargins();
    place(QRect(corner + QPoint(frame.left(), frame.top()), m_Window->size()));
}

void CWindowPlace::centreOnScreen()
{
    const QWidget* owner = m_Window->parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr)
        centreOn(screen->availableGeometry().center());
}

void CWindowPlace::centreOnOwner()
{
    const QWidget* owner = m_Window->parentWidget();
    if (owner == nullptr)
        centreOnScreen();
    else
        centreOn(owner->window()->frameGeometry().center());
}

void CWindowPlace::centreOn(const QPoint& centre)
{
    place(centred(centre, m_Window->size()));
    // Until the window is on the screen its frame is a guess: it is centred again then.
    if (m_Wanted.isValid())
        m_Centre = centre;
}

bool CWindowPlace::eventFilter(QObject* watched, QEvent* event)
{
    // Every event of the window passes here; only these tell where it stands.
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Resize || type == QEvent::Move
        || type == QEvent::WindowStateChange || type == QEvent::Expose)
        CHandlerGuard::runQuiet("CWindowPlace::eventFilter", kPlacingFailed,
                                [this, watched, event] { follow(watched, event); });
    return false;
}

void CWindowPlace::follow(QObject* watched, QEvent* event)
{
    if (watched != m_Window) {
        if (event->type() == QEvent::Expose && m_Checking && watched == m_Window->windowHandle()
            && m_Window->windowHandle()->isExposed())
            checkShown();
        return;
    }
    switch (event->type()) {
    case QEvent::Show:
        if (!event->spontaneous())
            beginShowing();
        break;
    case QEvent::Resize:
        // A dialog takes its size while it is being shown, after it was placed: its frame is
        // kept on the desktop before it is on the screen.
        if (m_Checking && m_Wanted.isValid() && !event->spontaneous() && isNormal())
            moveTo(fitted(wantedFor(m_Window->size())));
        settleSoon();
        break;
    case QEvent::WindowStateChange:
        // A window manager that maximised a window before it was first on the screen knows
        // no other size for it, and gives it back maximised in all but name.
        if ((static_cast<QWindowStateChangeEvent*>(event)->oldState()
             & (Qt::WindowMaximized | Qt::WindowFullScreen))
                != 0
            && isNormal())
            m_Restoring = true;
        settleSoon();
        break;
    case QEvent::Move:
        settleSoon();
        break;
    default:
        break;
    }
}

bool CWindowPlace::isNormal() const
{
    return (m_Window->windowState()
            & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
           == 0;
}

QRect CWindowPlace::fitted(const QRect& client) const
{
    const QScreen* screen = QGuiApplication::screenAt(client.center());
    if (screen == nullptr)
        screen = m_Window->screen();
    return fitOnDesktop(client, frameMargins(),
                        screen != nullptr ? screen->availableGeometry() : QRect());
}

QRect CWindowPlace::centred(const QPoint& centre, const QSize& size) const
{
    const QMargins frame = frameMargins();
    QRect outline = QRect(QPoint(), size).marginsAdded(frame);
    outline.moveCenter(centre);
    return outline.marginsRemoved(frame);
}

QRect CWindowPlace::wantedFor(const QSize& size) const
{
    return m_Centre.has_value() ? centred(*m_Centre, size) : QRect(m_Wanted.topLeft(), size);
}

void CWindowPlace::beginShowing()
{
    m_Checking = true;
    // The native window is new at the first showing and after a change of the window's flags.
    if (QWindow* native = m_Window->windowHandle())
        native->installEventFilter(this);
    if (!isNormal())
        return;
    if (m_Wanted.isValid())
        moveTo(fitted(wantedFor(m_Window->size())));
    else if (m_Normal.isValid())
        place(m_Normal);
}

void CWindowPlace::checkShown()
{
    m_Checking = false;
    if (const QMargins frame = marginsOf(*m_Window); !frame.isNull())
        m_Frame = frame;
    if (isNormal()) {
        const QRect current = currentPlace();
        const QRect target = fitted(m_Wanted.isValid() ? wantedFor(current.size()) : current);
        if (current != target)
            moveTo(target);
        m_Normal = target;
    }
    m_Wanted = QRect();
    m_Centre.reset();
}

void CWindowPlace::settleSoon()
{
    if (m_Settling)
        return;
    m_Settling = true;
    // The window manager reports a maximised window's new place before its new state: a place
    // taken at once would keep the maximised one.
    QTimer::singleShot(0, this, [this] {
        CHandlerGuard::runQuiet("CWindowPlace::settle", kPlacingFailed, [this] { settle(); });
    });
}

void CWindowPlace::settle()
{
    m_Settling = false;
    const bool restoring = std::exchange(m_Restoring, false);
    if (!m_Window->isVisible() || m_Checking || !isNormal())
        return;
    if (restoring && m_Normal.isValid())
        moveTo(m_Normal);
    else
        m_Normal = currentPlace();
}

void CWindowPlace::moveTo(const QRect& client)
{
    // The toolkit asks nothing of the display server for a place it believes the window has.
    if (m_Window->geometry() == client && currentPlace() != client)
        m_Window->setGeometry(client.translated(1, 0));
    m_Window->setGeometry(client);
}
