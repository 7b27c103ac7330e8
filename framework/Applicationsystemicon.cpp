#include "framework/Applicationsystemicon.h"

#include "framework/Handlerguard.h"

CApplicationSystemIcon::CApplicationSystemIcon(CSystemIconWindows* windows,
                                               std::unique_ptr<CTrayBackend> backend,
                                               const QString& tip)
    : m_Windows(windows)
{
    if (m_Windows == nullptr)
        return;
    // The mouse on the icon arrives as a Qt signal, which no exception may leave.
    if (backend != nullptr) {
        backend->setOnActivated([this](TTrayMouse mouse) {
            CHandlerGuard::run("TFormMainBaseImpl::onTrayIconMessage",
                               [&] { onTrayMessage(mouse); });
        });
    }
    m_TrayIcon = std::make_unique<CTrayIcon>(std::move(backend), tip);
}

void CApplicationSystemIcon::setShowTrayIcon(bool show)
{
    m_ShowTrayIcon = show;
}

void CApplicationSystemIcon::setMinimizeToTaskBar(bool minimize)
{
    m_MinimizeToTaskBar = minimize;
}

void CApplicationSystemIcon::setShowTaskBarIcon(bool show)
{
    m_ShowTaskBarIcon = show;
}

void CApplicationSystemIcon::setOnRMouseClick(THandler handler)
{
    m_OnRMouseClick = std::move(handler);
}

bool CApplicationSystemIcon::getShowTrayIcon() const
{
    return m_ShowTrayIcon;
}

bool CApplicationSystemIcon::getMinimizeToTaskBar() const
{
    return m_MinimizeToTaskBar;
}

bool CApplicationSystemIcon::getShowTaskBarIcon() const
{
    return m_ShowTaskBarIcon;
}

bool CApplicationSystemIcon::isIconShown() const
{
    return m_TrayIcon != nullptr && m_TrayIcon->isAdded() && m_TrayIcon->modify();
}

bool CApplicationSystemIcon::apply()
{
    if (m_TrayIcon == nullptr)
        return false;
    if (!m_ShowTrayIcon) {
        m_TrayIcon->hide();
        keepWithinReach();
        return true;
    }
    if (!m_TrayIcon->show()) {
        // The taskbar is left as it was, unless the window waits in the tray for an icon that
        // is not there.
        if (m_Windows->isMainWindowInTray())
            keepWithinReach();
        return false;
    }
    m_Windows->setTaskBarButtonVisible(m_ShowTaskBarIcon);
    return true;
}

void CApplicationSystemIcon::onTrayMessage(TTrayMouse mouse)
{
    switch (mouse) {
    case TTrayMouse::DoubleClick:
    case TTrayMouse::Activation:
        restore();
        break;
    case TTrayMouse::RightButton:
        if (m_OnRMouseClick)
            m_OnRMouseClick();
        break;
    case TTrayMouse::Other:
        break;
    }
}

void CApplicationSystemIcon::onMinimize()
{
    if (m_TrayIcon == nullptr || !m_ShowTrayIcon)
        return;
    // Without an icon to come back by, minimising stays ordinary, and a window whose taskbar
    // button was hidden gets it back: it must never become unreachable.
    if (!isIconShown()) {
        if (!m_ShowTaskBarIcon)
            m_Windows->setTaskBarButtonVisible(true);
        return;
    }
    if (!m_ShowTaskBarIcon)
        m_Windows->hideMainWindow();
    else if (!m_MinimizeToTaskBar)
        m_Windows->setTaskBarButtonVisible(false);
}

void CApplicationSystemIcon::restore()
{
    if (m_Windows == nullptr)
        return;
    if (!m_ShowTrayIcon) {
        m_Windows->restoreMainWindow();
        return;
    }
    if (m_ShowTaskBarIcon) {
        m_Windows->setTaskBarButtonVisible(true);
        m_Windows->restoreMainWindow();
    } else {
        m_Windows->showMainWindow();
        m_Windows->restoreMainWindow();
        // Without an icon to come back by, the window keeps its taskbar button.
        m_Windows->setTaskBarButtonVisible(!isIconShown());
    }
    m_Windows->bringMainWindowToFront();
    m_Windows->showAllWindows();
}

void CApplicationSystemIcon::bringToFront()
{
    if (m_Windows == nullptr)
        return;
    m_Windows->bringMainWindowToFront();
    if (m_ShowTrayIcon && m_Windows->isModalWindowOpen())
        m_Windows->showAllWindows();
}

bool CApplicationSystemIcon::refresh()
{
    if (m_TrayIcon == nullptr)
        return false;
    if (!m_ShowTrayIcon)
        return true;
    // An icon the desktop refused or lost for good is asked for again, so it comes back once
    // the desktop's panel does.
    if (!m_TrayIcon->isAdded())
        return apply();
    if (m_TrayIcon->refresh())
        return true;
    // The icon is gone and the desktop takes it no more.
    keepWithinReach();
    return false;
}

void CApplicationSystemIcon::keepWithinReach()
{
    // Asked first: giving the button back re-creates the window.
    const bool inTray = m_Windows->isMainWindowInTray();
    m_Windows->setTaskBarButtonVisible(true);
    if (!inTray)
        return;
    m_Windows->restoreMainWindow();
    m_Windows->bringMainWindowToFront();
    m_Windows->showAllWindows();
}
