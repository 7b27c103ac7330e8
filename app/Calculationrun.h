#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QWidget;
class TFormWaitCalc;

// One calculation at a time on a worker thread, while the event loop of the caller keeps
// turning: the windows repaint, and the wait window's Stop reaches the run. Everything the
// job touches belongs to the worker until run returns.
class CCalculationRun : public QObject
{
    Q_OBJECT

public:
    // The wait window is shown over owner.
    explicit CCalculationRun(QWidget* owner);
    ~CCalculationRun() override;

    // Runs job on the worker and returns once it has ended; a failure that escaped the job is
    // thrown again here. stop asks the job to end; it is called on this thread while the job
    // runs. The wait window shows at once with waitAtOnce, otherwise once the run has lasted
    // kWaitWindowDelayMs. A run that lasts longer than kQuickRunMs turns this thread's event
    // loop, after lockForLongRun has locked what the job must not see change; from then on Esc
    // in any of the program's windows asks the job to stop.
    void run(const std::function<void()>& job, std::function<void()> stop, bool waitAtOnce,
             const std::function<void()>& lockForLongRun);
    bool isRunning() const { return m_Running; }
    // Asks the run in progress to end; nothing when none runs.
    void requestStop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWaitWindow();

    QWidget* m_Owner = nullptr;
    bool m_Running = false;
    std::function<void()> m_Stop;
    std::unique_ptr<TFormWaitCalc> m_Wait;
};
