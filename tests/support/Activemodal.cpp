#include "tests/support/Activemodal.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr int kActivePollIntervalMs = 10;

class CPressCounter : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        return QObject::eventFilter(watched, event);
    }
};

// The modal dialog when it is also the active window; null otherwise.
QWidget* activeModalDialog()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && QApplication::activeWindow() == modal ? modal : nullptr;
}

} // namespace

void whenModalActive(QObject* context, std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer(context);
    timer->setInterval(kActivePollIntervalMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        QWidget* modal = activeModalDialog();
        if (modal == nullptr)
            return;
        timer->stop();
        timer->deleteLater();
        // The act may drop its own context, and this timer with it.
        const std::function<void(QWidget*)> once = act;
        once(modal);
    });
    timer->start();
}

bool takesClick(QWidget* window)
{
    // Counted on the native window, where the toolkit delivers what a modal dialog lets through.
    CPressCounter counter;
    window->windowHandle()->installEventFilter(&counter);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, QPoint(1, 1));
    window->windowHandle()->removeEventFilter(&counter);
    return counter.presses > 0;
}
