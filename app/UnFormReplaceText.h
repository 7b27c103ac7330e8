#pragma once

#include "framework/Stringutils.h"
#include "framework/UnFormSecondary.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The replace dialog: it keeps histories of searched and of replacement texts and asks the
// main window to replace with a prompt per match or all at once. The main window closes it.
class TFormReplaceText : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormReplaceText(QWidget* owner = nullptr);

    // Into the search field only; the replacement field keeps its text.
    void setFindText(const QString& text);
    bool getMatchCase() const;
    // The history steps of the two fields.
    void addToFindHistory(const QString& text, bool matchCase);
    void addToReplaceHistory(const QString& text, bool matchCase);

protected:
    void formShow() override;

private:
    enum class TReplaceMode { WithPrompt, All };

    void buttonReplaceClick();
    void buttonReplaceAllClick();
    void actionEditPasteExecute();
    void replace(TReplaceMode mode);

    QLabel* m_LabelFind = nullptr;
    QComboBox* m_ComboBoxFind = nullptr;
    QLabel* m_LabelReplace = nullptr;
    QComboBox* m_ComboBoxReplace = nullptr;
    QCheckBox* m_CheckBoxMatchCase = nullptr;
    QPushButton* m_ButtonReplace = nullptr;
    QPushButton* m_ButtonReplaceAll = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
    QAction* m_ActionEditPaste = nullptr;
    TArrayChosenStrings m_FindHistory;
    TArrayChosenStrings m_ReplaceHistory;
};
