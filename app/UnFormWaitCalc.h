#pragma once

#include "framework/UnFormSecondary.h"

class QLabel;

// "Please Wait" while a long calculation blocks the program.
class TFormWaitCalc : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormWaitCalc(QWidget* owner = nullptr);

    // Shows the window and paints it at once: the calculation that follows keeps the event
    // loop from painting it later.
    void showAndPaint();

protected:
    void formShow() override;

private:
    QLabel* m_LabelInfo = nullptr;
};
