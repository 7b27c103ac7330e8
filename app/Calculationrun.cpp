#include "app/Calculationrun.h"

#include "app/Applimits.h"
#include "app/UnFormWaitCalc.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <exception>
#include <stdexcept>

CCalculationRun::CCalculationRun(QWidget* owner)
    : QObject(owner)
    , m_Owner(owner)
{
}

CCalculationRun::~CCalculationRun() = default;

void CCalculationRun::run(const std::function<void()>& job, std::function<void()> stop,
                          bool waitAtOnce, const std::function<void()>& lockForLongRun)
{
    if (m_Running)
        throw std::logic_error("a calculation is already running");
    m_Running = true;
    m_Stop = std::move(stop);
    struct TEnd
    {
        CCalculationRun& run;
        ~TEnd()
        {
            qApp->removeEventFilter(&run);
            run.m_Wait.reset();
            run.m_Stop = nullptr;
            run.m_Running = false;
        }
    } end{*this};

    if (waitAtOnce)
        showWaitWindow();
    QEventLoop loop;
    QTimer delay;
    delay.setSingleShot(true);
    connect(&delay, &QTimer::timeout, this, [this] { showWaitWindow(); });
    delay.start(kWaitWindowDelayMs);

    std::atomic<bool> done{false};
    std::exception_ptr failure;
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        try {
            job();
        } catch (...) {
            failure = std::current_exception();
        }
        done.store(true, std::memory_order_release);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    }));
    // Set, not left to the platform: some give threads far less stack than their main thread.
    worker->setStackSize(kCalculationStackBytes);
    worker->start();
    if (!worker->isRunning() && !worker->isFinished())
        throw std::runtime_error("the calculation could not be started");
    // A quick run ends before anything could be painted: the window is neither locked nor
    // repainted for it, and no input is taken meanwhile.
    if (!worker->wait(kQuickRunMs)) {
        try {
            if (lockForLongRun)
                lockForLongRun();
            // Wherever the keyboard is: the wait window may not be up yet, or the user may
            // have clicked another window since.
            qApp->installEventFilter(this);
            // A quit that arrived before the loop started was taken by other event processing
            // and is lost: the flag tells that the job has already ended.
            if (!done.load(std::memory_order_acquire))
                loop.exec();
        } catch (...) {
            // The job uses what this frame holds: it must end before the frame does.
            requestStop();
            worker->wait();
            throw;
        }
        worker->wait();
    }
    if (failure)
        std::rethrow_exception(failure);
}

bool CCalculationRun::eventFilter(QObject* watched, QEvent* event)
{
    const bool escape = (event->type() == QEvent::KeyPress
                         || event->type() == QEvent::ShortcutOverride)
                        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    // An open menu takes Esc to close itself, as it always does; the next one stops the run.
    if (!escape || QApplication::activePopupWidget() != nullptr)
        return QObject::eventFilter(watched, event);
    // Taken as no short cut, so that the key press itself follows and stops the run once.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    requestStop();
    return true;
}

void CCalculationRun::requestStop()
{
    if (m_Running && m_Stop)
        m_Stop();
}

void CCalculationRun::showWaitWindow()
{
    if (m_Wait)
        return;
    // The run goes on without the window when it cannot be made.
    try {
        m_Wait = std::make_unique<TFormWaitCalc>(m_Owner);
        connect(m_Wait.get(), &TFormWaitCalc::stopRequested, this, &CCalculationRun::requestStop);
        m_Wait->showAndPaint();
    } catch (...) {
        m_Wait.reset();
    }
}
