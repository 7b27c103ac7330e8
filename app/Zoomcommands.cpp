#include "app/Zoomcommands.h"

#include "app/Actionitems.h"
#include "app/Appresources.h"
#include "app/Nameresources.h"

#include <QAction>
#include <QByteArray>
#include <QToolButton>
#include <QWidget>

CZoomCommands::CZoomCommands(QWidget* window)
{
    m_ActionZoomIn = addGuardedAction(window, "ActionZoomIn", QKeySequence(Qt::CTRL | Qt::Key_Q),
                                      [this] {
                                          if (m_Zoom.zoomIn())
                                              apply();
                                      });
    m_ActionZoomOut = addGuardedAction(window, "ActionZoomOut", QKeySequence(Qt::CTRL | Qt::Key_W),
                                       [this] {
                                           if (m_Zoom.zoomOut())
                                               apply();
                                       });
    m_ActionZoomDefault = addGuardedAction(window, "ActionZoomDefault",
                                           QKeySequence(Qt::CTRL | Qt::Key_E), [this] {
                                               m_Zoom.zoomDefault();
                                               apply();
                                           });
    m_ActionZoomIn->setIcon(appIcon(QStringLiteral("zoom-in")));
    m_ActionZoomOut->setIcon(appIcon(QStringLiteral("zoom-out")));
    m_ActionZoomDefault->setIcon(appIcon(QStringLiteral("zoom-default")));
}

void CZoomCommands::setTextWidget(QWidget* text)
{
    m_Text = text;
}

void CZoomCommands::addMenuItems(QMenu* menu, const char* prefix)
{
    addMenuItem(menu, m_ActionZoomIn, QByteArray(prefix).append("ZoomIn").constData());
    addMenuItem(menu, m_ActionZoomOut, QByteArray(prefix).append("ZoomOut").constData());
    addMenuItem(menu, m_ActionZoomDefault, QByteArray(prefix).append("ZoomDefault").constData());
}

void CZoomCommands::addToolButtons(QToolBar* toolBar)
{
    m_ToolButtonZoomIn = addToolButton(toolBar, m_ActionZoomIn, "ToolButtonZoomIn");
    m_ToolButtonZoomOut = addToolButton(toolBar, m_ActionZoomOut, "ToolButtonZoomOut");
    m_ToolButtonZoomDefault = addToolButton(toolBar, m_ActionZoomDefault, "ToolButtonZoomDefault");
}

void CZoomCommands::setCaptions()
{
    m_ActionZoomIn->setText(getNameResource(TTextId::ZoomIn));
    m_ActionZoomOut->setText(getNameResource(TTextId::ZoomOut));
    m_ActionZoomDefault->setText(getNameResource(TTextId::ZoomDefault));
}

void CZoomCommands::applyDefaultFont()
{
    m_Text->setFont(m_Zoom.makeDefaultFont());
    apply();
}

void CZoomCommands::apply()
{
    QFont font = m_Text->font();
    font.setPointSize(m_Zoom.getFontSize());
    m_Text->setFont(font);
    updateButtons();
}

void CZoomCommands::updateButtons()
{
    // A tool button takes its action's enabled state whenever the action changes, so this
    // comes after the captions.
    m_Zoom.updateButtons(m_ToolButtonZoomIn, m_ToolButtonZoomOut, m_ToolButtonZoomDefault);
}
