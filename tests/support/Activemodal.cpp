#include "tests/support/Activemodal.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kActivePollIntervalMs = 10;

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
