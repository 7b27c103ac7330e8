#pragma once

#include <QString>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

// The mouse on the tray icon, as far as the tray policy cares. Some desktops' trays report a
// double click, others only an activation (a click, or the keyboard on the icon).
enum class TTrayMouse { DoubleClick, Activation, RightButton, Other };

TTrayMouse trayMouseOf(QSystemTrayIcon::ActivationReason reason);

// The desktop's notification area as the tray icon sees it. The desktop's own is
// QSystemTrayIcon; tests give a stand-in that can refuse the icon or lose it.
class CTrayBackend
{
public:
    virtual ~CTrayBackend() = default;

    // Puts the icon in the area; false when the desktop has no area or refused it.
    virtual bool addIcon(const QString& tip) = 0;
    // Whether the desktop still shows the icon (it loses it when its panel restarts).
    virtual bool isIconShown() const = 0;
    virtual void removeIcon() = 0;
    // Where the mouse on the icon is reported.
    virtual void setOnActivated(std::function<void(TTrayMouse)> handler) = 0;
};

// The desktop's own notification area, with the application's window icon.
std::unique_ptr<CTrayBackend> makeDesktopTrayBackend();

// One icon in the notification area, re-added when the desktop has lost it.
class CTrayIcon
{
public:
    static constexpr int kTipMaxLength = 127;

    // A null backend gives an icon that can do nothing.
    CTrayIcon(std::unique_ptr<CTrayBackend> backend, const QString& tip);
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    bool add();
    // Whether the desktop still has the icon.
    bool modify();
    bool remove();
    // Makes sure the icon is shown, re-adding it when it was lost.
    bool show();
    // Re-adds the icon when it was added and the desktop has lost it.
    bool refresh();
    bool hide();

    bool isAdded() const;
    QString getTip() const;

private:
    std::unique_ptr<CTrayBackend> m_Backend;
    QString m_Tip;
    bool m_Added = false;
};
