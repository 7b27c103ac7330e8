#pragma once

#include "framework/Trayicon.h"

#include <functional>
#include <memory>

// What the tray policy does to the program's windows.
class CSystemIconWindows
{
public:
    virtual ~CSystemIconWindows() = default;

    // The taskbar shows a button for the main window, or not.
    virtual void setTaskBarButtonVisible(bool visible) = 0;
    virtual void showMainWindow() = 0;
    virtual void hideMainWindow() = 0;
    // From minimised or hidden back to its normal state.
    virtual void restoreMainWindow() = 0;
    virtual void bringMainWindowToFront() = 0;
    virtual bool isModalWindowOpen() const = 0;
    virtual void showAllWindows() = 0;
    // Hidden while minimised: the tray icon is its way back.
    virtual bool isMainWindowInTray() const = 0;
};

// The tray icon and what minimising does while it is shown: with the taskbar button kept,
// an ordinary minimise; without, the window goes to the tray and comes back by a double click
// on the icon or its activation. The window is hidden, or loses its taskbar button, only while the
// icon is really shown, so it can never become unreachable; when the icon goes, the window
// comes back from the tray.
class CApplicationSystemIcon
{
public:
    using THandler = std::function<void()>;

    // Without windows the object has no icon and does nothing.
    CApplicationSystemIcon(CSystemIconWindows* windows, std::unique_ptr<CTrayBackend> backend,
                           const QString& tip);

    void setShowTrayIcon(bool show);
    void setMinimizeToTaskBar(bool minimize);
    void setShowTaskBarIcon(bool show);
    void setOnRMouseClick(THandler handler);

    bool getShowTrayIcon() const;
    bool getMinimizeToTaskBar() const;
    bool getShowTaskBarIcon() const;
    bool isIconShown() const;

    // Makes the flags visible: the icon and the taskbar button. False when there is no icon
    // or the desktop refused it. A window in the tray comes back when there is no icon now.
    bool apply();
    void onTrayMessage(TTrayMouse mouse);
    // The main window has just been minimised. While the icon is not really shown the window
    // keeps (or gets back) its taskbar button and stays minimised as usual.
    void onMinimize();
    void restore();
    void bringToFront();
    // Brings back an icon the desktop lost, and asks again for one it refused. When the icon
    // cannot come back, the main window is shown with its taskbar button.
    bool refresh();

private:
    // Without an icon to come back by: the taskbar button, and the window back from the tray.
    void keepWithinReach();

    CSystemIconWindows* m_Windows;
    std::unique_ptr<CTrayIcon> m_TrayIcon;
    bool m_ShowTrayIcon = false;
    bool m_MinimizeToTaskBar = true;
    bool m_ShowTaskBarIcon = true;
    THandler m_OnRMouseClick;
};
