#pragma once

#include "framework/UnFormSecondary.h"

class QLabel;
class QPushButton;

// "Please Wait" while a calculation runs, with the one way to end it: Stop, or Esc.
class TFormWaitCalc : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormWaitCalc(QWidget* owner = nullptr);

    // Shows the window and paints it at once, before the caller goes on with its work.
    void showAndPaint();

signals:
    // The user asked to stop; the window stays until its owner closes it at the run's end.
    void stopRequested();

public slots:
    // Closing the window asks for the stop instead of hiding it while the run goes on.
    void reject() override;

protected:
    void formShow() override;

private:
    QLabel* m_LabelInfo = nullptr;
    QPushButton* m_ButtonStop = nullptr;
};
