#pragma once

#include "framework/Stringutils.h"
#include "framework/UnFormSecondary.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The modeless find dialog: it keeps a history of searched texts and asks the main window to
// find the next match; closing it ends the search.
class TFormFindText : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormFindText(QWidget* owner = nullptr);

    // Into the search field (the editor's selection, possibly empty).
    void setFindText(const QString& text);
    bool getMatchCase() const;
    // The newest entry of the history, or an empty text.
    QString getLastSearchText() const;
    // As the "Find Next" button: an empty search text does nothing.
    void findNext();
    // The history step for the search field.
    void addToHistory(const QString& text, bool matchCase);

protected:
    void formShow() override;
    void formClose() override;
    void changeEvent(QEvent* event) override;

private:
    void buttonOkClick();
    void actionEditPasteExecute();

    QLabel* m_LabelFind = nullptr;
    QComboBox* m_ComboBoxFind = nullptr;
    QCheckBox* m_CheckBoxMatchCase = nullptr;
    QPushButton* m_ButtonOk = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
    QAction* m_ActionEditPaste = nullptr;
    TArrayChosenStrings m_History;
};
