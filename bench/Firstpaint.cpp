#include "bench/Firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class CFirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The whole window is painted and put on the screen in the same pass as its first
        // paint event; the zero timer runs after that pass. Leaving the loop without closing
        // the window keeps the options saved at closing out of the time.
        if (event->type() == QEvent::Paint && !m_Seen) {
            m_Seen = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_Seen = false;
};

} // namespace

void quitAfterFirstPaint(QWidget& window)
{
    window.installEventFilter(new CFirstPaintWatcher(&window));
}
