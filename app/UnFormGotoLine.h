#pragma once

#include "framework/UnFormSecondary.h"

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the line to go to. The number typed is kept for the next showing; the main window
// moves the caret after OK.
class TFormGotoLine : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormGotoLine(QWidget* owner = nullptr);

    // The line last entered, counted from 1; 0 is possible and means the first line.
    int getLine() const;
    // Numbers of 0 and below are not taken.
    void setLine(int line);

protected:
    void formShow() override;

private:
    void buttonOkClick();

    QLabel* m_LabelGoto = nullptr;
    QLineEdit* m_EditGoto = nullptr;
    QPushButton* m_ButtonOk = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
    int m_Line = 1;
};
