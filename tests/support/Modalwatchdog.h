#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

// A test that leaves a modal dialog waiting for an answer would hang the whole run. While a
// test runs, a modal dialog that stays open longer than kModalDialogPatienceMs fails the test
// and is closed; one still open when the test ends fails it as well. The patience is what a
// loaded machine may take to show the windows a test waits for while its dialog is open.
class CModalWatchdog : public ::testing::EmptyTestEventListener
{
public:
    static constexpr int kModalDialogPatienceMs = 90000;
    static constexpr int kPollIntervalMs = 100;

    void OnTestStart(const ::testing::TestInfo&) override;
    void OnTestEnd(const ::testing::TestInfo&) override;

private:
    void poll();
    static void closeModal(QWidget* modal);

    QTimer* m_Timer = nullptr;
    QPointer<QWidget> m_Watched;
    QElapsedTimer m_OpenFor;
};
