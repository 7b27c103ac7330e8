#include "tests/support/Modalwatchdog.h"

#include <QApplication>
#include <QDialog>

namespace {

QString describe(const QWidget* widget)
{
    return QLatin1String(widget->metaObject()->className()) + QLatin1String(" \"")
           + widget->windowTitle() + QLatin1Char('"');
}

} // namespace

void CModalWatchdog::OnTestStart(const ::testing::TestInfo&)
{
    m_Watched = nullptr;
    m_Timer = new QTimer();
    m_Timer->setInterval(kPollIntervalMs);
    QObject::connect(m_Timer, &QTimer::timeout, [this] { poll(); });
    m_Timer->start();
}

void CModalWatchdog::OnTestEnd(const ::testing::TestInfo&)
{
    delete m_Timer;
    m_Timer = nullptr;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        ADD_FAILURE() << "A modal dialog is still open after the test: "
                      << describe(modal).toStdString();
        closeModal(modal);
    }
}

void CModalWatchdog::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != m_Watched) {
        m_Watched = modal;
        m_OpenFor.start();
        return;
    }
    if (modal != nullptr && m_OpenFor.elapsed() > kModalDialogPatienceMs) {
        ADD_FAILURE() << "A modal dialog waited for an answer too long: "
                      << describe(modal).toStdString();
        closeModal(modal);
        m_Watched = nullptr;
    }
}

void CModalWatchdog::closeModal(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
