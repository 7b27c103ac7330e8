#include "bench/Firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class CFirstPaintWatcher : public QObject
{
public:
    CFirstPaintWatcher(QWidget* window, bool closes)
        : QObject(window)
        , m_Window(window)
        , m_Closes(closes)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The whole window is painted and put on the screen in the same pass as its first
        // paint event; the zero timer runs after that pass. Leaving the loop without closing
        // the window keeps the options saved at closing out of the time.
        if (event->type() == QEvent::Paint && !m_Seen) {
            m_Seen = true;
            QTimer::singleShot(0, QCoreApplication::instance(), [this] {
                if (m_Closes)
                    m_Window->close();
                else
                    QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_Window;
    bool m_Closes;
    bool m_Seen = false;
};

} // namespace

void quitAfterFirstPaint(QWidget& window)
{
    window.installEventFilter(new CFirstPaintWatcher(&window, false));
}

void closeAfterFirstPaint(QWidget& window)
{
    window.installEventFilter(new CFirstPaintWatcher(&window, true));
}
