#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>

#include <optional>

class QWidget;

// The client area, in desktop coordinates, at which a window with these frame margins stands
// wholly on the usable desktop: made smaller where its frame is larger than the desktop, then
// moved in where the frame sticks out, its top-left corner (the title bar) first. An empty
// desktop (no screen) changes nothing.
QRect fitOnDesktop(const QRect& client, const QMargins& frame, const QRect& desktop);

// Where a top-level window stands, by one rule for every window. A place is the client area in
// desktop coordinates as the display server has it. The normal place (neither maximised,
// minimised nor full screen) follows the window's own moves and sizes once they have settled,
// so a window that the window manager maximises keeps the place it had. A window shown again
// comes back to its normal place, and each showing is checked once the window is on the
// screen, where its frame is known: a window manager may have framed it elsewhere than asked
// (a native window made anew is framed at its former place), and a frame larger than guessed
// may stick out of the desktop.
class CWindowPlace : public QObject
{
    Q_OBJECT

public:
    // Watches the window, as its child.
    explicit CWindowPlace(QWidget* window);

    // The place to store and to come back to.
    QRect normalPlace() const;
    // The top-left corner of the frame now.
    QPoint frameCorner() const;

    // Whether the window has this place already: it stands there or comes back there, or the
    // showing under way puts it there.
    bool holds(const QRect& client) const;
    // Puts the client area there, its frame on the usable desktop; a window maximised or
    // minimised keeps it as the place to come back to. Given the place it holds, the window
    // stays as it is, also where the user put its frame partly off the desktop.
    void place(const QRect& client);
    // Puts the frame's top-left corner there; the window keeps its size.
    void placeFrameAt(const QPoint& corner);
    // The frame in the middle of the usable part of the owner's screen, or of the primary one;
    // centred again once the window is on the screen, where its frame is known.
    void centreOnScreen();
    // The frame in the middle of the owner's frame, as the toolkit centres a dialog, kept on the
    // usable desktop; on the screen without an owner.
    void centreOnOwner();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where the window stands now.
    QRect currentPlace() const;
    // The frame's margins. Until the window is framed, the ones it had last stand for them, or
    // its owner's: the owner's now, or, while it is hidden in the tray, the ones it had last.
    QMargins frameMargins() const;
    void follow(QObject* watched, QEvent* event);
    bool isNormal() const;
    QRect fitted(const QRect& client) const;
    void centreOn(const QPoint& centre);
    // The client area of that size whose frame is centred there.
    QRect centred(const QPoint& centre, const QSize& size) const;
    // Where the showing under way puts the window at that size.
    QRect wantedFor(const QSize& size) const;
    void beginShowing();
    void checkShown();
    void settleSoon();
    void settle();
    void moveTo(const QRect& client);

    QWidget* m_Window;
    QRect m_Normal;
    // Asked for the showing under way; the frame is fitted again once the window is exposed.
    QRect m_Wanted;
    // The showing under way centres the window there.
    std::optional<QPoint> m_Centre;
    // The margins the window manager gave the window when it was last shown.
    QMargins m_Frame;
    bool m_Checking = false;
    bool m_Settling = false;
    bool m_Restoring = false;
};
