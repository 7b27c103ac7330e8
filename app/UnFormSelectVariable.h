#pragma once

#include "app/Zoomcommands.h"
#include "framework/UnFormSecondary.h"

#include <QByteArray>

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

// The modal question which variables a calculation reports: the user ticks names in a check
// list. Names are kept as the interpreter gives them, byte for byte.
class TFormSelectVariable : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormSelectVariable(QWidget* owner = nullptr);

    // An index outside the zoom table is ignored.
    void SetZoomIndex(int index);
    int GetZoomIndex() const;

    void Clear();
    // The name's bytes (cp1251), appended unticked.
    void AddVariable(const QByteArray& name);
    int GetCount() const;
    // False, outputs untouched, for an index outside the list.
    bool GetVariable(int index, QByteArray& name, bool& ticked) const;

protected:
    void formShow() override;

private:
    void createActions();
    void createControls();
    void setCaptions();

    void calculate();

    CZoomCommands m_ZoomCommands;

    QAction* m_ActionCalculate = nullptr;
    QAction* m_ActionExit = nullptr;

    QMenu* m_MenuItemFile = nullptr;
    QMenu* m_MenuItemView = nullptr;
    QMenu* m_PopupMenu = nullptr;
    QLabel* m_LabelNameVariables = nullptr;
    QListWidget* m_CheckListBox = nullptr;
    QPushButton* m_ButtonOk = nullptr;
    QPushButton* m_ButtonCancel = nullptr;
};
