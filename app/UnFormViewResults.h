#pragma once

#include "app/Zoomcommands.h"
#include "framework/Structures.h"
#include "framework/UnFormSecondary.h"

#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QPlainTextEdit;
class QToolBar;

// The results window: the results text, read only, with zoom, word wrap, copy, select all and
// saving to a text file. Its place, size, font and bars come from the results-window record;
// on closing it hands its state back to the main window.
class TFormViewResults : public TFormSecondary
{
    Q_OBJECT

public:
    explicit TFormViewResults(QWidget* owner = nullptr);

    // The record applied at the next showing.
    void SetOptions(const TOptionsFormViewResults& options);
    // Place (kept on the desktop), font, colours, zoom, word wrap and tool bar; the stay-on-top
    // style is the main window's to set.
    void ApplyOptions(const TOptionsFormViewResults& options);
    // Top, Left, Width, Height, FontSize, WrapWord and ShowToolBar; the rest is left as it was.
    void GetOptions(TOptionsFormViewResults& options) const;
    void SetText(const QString& text);
    // While a calculation runs none of the window's commands is at hand; afterwards each is as
    // it was before.
    void setCommandsLocked(bool locked);

protected:
    void formShow() override;
    void formClose() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createActions();
    void createControls();
    void setCaptions();
    void setWordWrap(bool wrap);
    void setToolBarShown(bool shown);

    void save();
    void saveText(const QString& fileName);

    CZoomCommands m_ZoomCommands;
    TOptionsFormViewResults m_Options;
    std::vector<QAction*> m_LockedActions;

    QAction* m_ActionSave = nullptr;
    QAction* m_ActionExit = nullptr;
    QAction* m_ActionCopy = nullptr;
    QAction* m_ActionSelectAll = nullptr;
    QAction* m_ActionWordWrap = nullptr;
    QAction* m_ActionViewToolBar = nullptr;

    QMenu* m_MenuItemFile = nullptr;
    QMenu* m_MenuItemEdit = nullptr;
    QMenu* m_MenuItemView = nullptr;
    QMenu* m_PopupMenu = nullptr;
    QToolBar* m_ToolBarMain = nullptr;
    QPlainTextEdit* m_Memo = nullptr;
};
