#pragma once

#include "framework/UnFormSecondary.h"

class QAction;
class QPushButton;

// The prompt at each match of a replacement: skip it, replace it, replace it and stop, replace
// every match, or cancel. Closing it with the close box leaves the remembered match alone.
class TFormDoReplace : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormDoReplace(QWidget* owner = nullptr);

    void setTexts(const QString& text, const QString& replacement, bool matchCase);

protected:
    void formShow() override;

private:
    void actionReplaceFindNextExecute();
    void actionReplaceOneExecute();
    void actionReplaceAllExecute();
    void actionReplaceLastExecute();
    void actionReplaceCancelExecute();
    // Nothing is searched or replaced unless both texts are there.
    bool hasTexts() const;

    QPushButton* m_ButtonFindNext = nullptr;
    QPushButton* m_ButtonReplace = nullptr;
    QPushButton* m_ButtonReplaceAll = nullptr;
    QPushButton* m_ButtonLast = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
    QString m_Text;
    QString m_Replacement;
    bool m_MatchCase = true;
};
