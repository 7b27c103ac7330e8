#pragma once

#include "framework/UnFormSecondary.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// The program's description, version and contact links. The web page and the support
// address open when their labels are clicked.
class TFormAbout : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* owner = nullptr);

protected:
    void formShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void labelWebSiteClick();
    void labelEmailSupportClick();
    // The memo as high as its wrapped text, so it never scrolls.
    void fitDescription();

    QLabel* m_LabelProgramName = nullptr;
    QTextEdit* m_MemoDescription = nullptr;
    QLineEdit* m_EditVersion = nullptr;
    QLineEdit* m_EditProducer = nullptr;
    QLabel* m_LabelWebSite = nullptr;
    QLabel* m_LabelEmail = nullptr;
    QLabel* m_LabelEmailSupport = nullptr;
    QLabel* m_LabelThank = nullptr;
    QPushButton* m_ButtonOk = nullptr;
};
