#include "framework/Trayicon.h"

#include "framework/Stringutils.h"

#include <QApplication>
#include <QSystemTrayIcon>

namespace {

class CDesktopTrayBackend : public CTrayBackend
{
public:
    CDesktopTrayBackend()
    {
        QObject::connect(&m_Icon, &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (m_OnActivated)
                                 m_OnActivated(trayMouseOf(reason));
                         });
    }

    bool addIcon(const QString& tip) override
    {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return false;
        m_Icon.setIcon(QApplication::windowIcon());
        m_Icon.setToolTip(tip);
        m_Icon.show();
        return m_Icon.isVisible();
    }

    bool isIconShown() const override
    {
        return QSystemTrayIcon::isSystemTrayAvailable() && m_Icon.isVisible();
    }

    void removeIcon() override { m_Icon.hide(); }

    void setOnActivated(std::function<void(TTrayMouse)> handler) override
    {
        m_OnActivated = std::move(handler);
    }

private:
    QSystemTrayIcon m_Icon;
    std::function<void(TTrayMouse)> m_OnActivated;
};

} // namespace

TTrayMouse trayMouseOf(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return TTrayMouse::DoubleClick;
    case QSystemTrayIcon::Trigger:
        return TTrayMouse::Activation;
    case QSystemTrayIcon::Context:
        return TTrayMouse::RightButton;
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return TTrayMouse::Other;
}

std::unique_ptr<CTrayBackend> makeDesktopTrayBackend()
{
    return std::make_unique<CDesktopTrayBackend>();
}

CTrayIcon::CTrayIcon(std::unique_ptr<CTrayBackend> backend, const QString& tip)
    : m_Backend(std::move(backend))
    , m_Tip(leftWhole(tip, kTipMaxLength))
{
}

CTrayIcon::~CTrayIcon()
{
    hide();
}

bool CTrayIcon::add()
{
    return m_Backend != nullptr && m_Backend->addIcon(m_Tip);
}

bool CTrayIcon::modify()
{
    return m_Backend != nullptr && m_Backend->isIconShown();
}

bool CTrayIcon::remove()
{
    if (m_Backend != nullptr)
        m_Backend->removeIcon();
    return true;
}

bool CTrayIcon::show()
{
    if (m_Backend == nullptr)
        return false;
    if (m_Added && modify())
        return true;
    if (m_Added)
        remove();
    m_Added = add();
    return m_Added;
}

bool CTrayIcon::refresh()
{
    if (m_Backend == nullptr)
        return false;
    if (!m_Added || modify())
        return true;
    remove();
    m_Added = add();
    return m_Added;
}

bool CTrayIcon::hide()
{
    if (m_Added) {
        remove();
        m_Added = false;
    }
    return true;
}

bool CTrayIcon::isAdded() const
{
    return m_Added;
}

QString CTrayIcon::getTip() const
{
    return m_Tip;
}
