#pragma once

#include "app/Zoom.h"

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

// The text zoom of a window as the user drives it: the actions "ActionZoomIn" (Ctrl+Q),
// "ActionZoomOut" (Ctrl+W) and "ActionZoomDefault" (Ctrl+E), their menu entries and tool
// buttons, applied to the font of one text widget.
class CZoomCommands
{
public:
    // The actions are the window's; the text widget is set once the window has built it.
    explicit CZoomCommands(QWidget* window);

    void setTextWidget(QWidget* text);
    CZoom& zoom() { return m_Zoom; }
    const CZoom& zoom() const { return m_Zoom; }

    // Entries named prefix + "ZoomIn", "ZoomOut", "ZoomDefault".
    void addMenuItems(QMenu* menu, const char* prefix);
    // The buttons "ToolButtonZoomIn", "ToolButtonZoomOut", "ToolButtonZoomDefault".
    void addToolButtons(QToolBar* toolBar);
    void setCaptions();

    // The text font the window starts from on every showing, at the current size.
    void applyDefaultFont();
    // The current size to the text font, and the buttons to match.
    void apply();
    void updateButtons();

private:
    CZoom m_Zoom;
    QWidget* m_Text = nullptr;
    QAction* m_ActionZoomIn = nullptr;
    QAction* m_ActionZoomOut = nullptr;
    QAction* m_ActionZoomDefault = nullptr;
    QToolButton* m_ToolButtonZoomIn = nullptr;
    QToolButton* m_ToolButtonZoomOut = nullptr;
    QToolButton* m_ToolButtonZoomDefault = nullptr;
};
